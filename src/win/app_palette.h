// The application palette: the shown screen's colours, realized by the main window and taken by
// the logo popup. Its one holder is the main window; the palette is the holder's own copy, so it
// never outlives the holder nor depends on the screen it came from.
#pragma once

#include "win/app_state.h"
#include "win/handles.h"

namespace lumora {

class AppPalette {
  public:
    AppPalette() = default;
    AppPalette(const AppPalette&) = delete;
    AppPalette& operator=(const AppPalette&) = delete;
    ~AppPalette() { Use(UniquePalette()); }

    // Makes palette (may be none) the application palette.
    void Use(UniquePalette palette) {
        palette_ = std::move(palette);
        App().appPalette = palette_.get();
    }
    HPALETTE get() const { return palette_.get(); }

  private:
    UniquePalette palette_;
};

}  // namespace lumora
