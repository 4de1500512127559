// The timed logo popup: a picture in a thin frame at the middle of the display that closes
// itself after a number of seconds.
#pragma once

#include <windows.h>

#include <string>

#include "imaging/cdib.h"
#include "win/window.h"

namespace lumora {

class CLogoDialog : public ModelessDialog {
  public:
    // An open popup closes through its own handlers while the picture is still there.
    ~CLogoDialog() override { Destroy(); }

    // Closes a popup that is still open, then shows the picture, every pixel a scale x scale
    // block, for the seconds given (a click's plan gives 1 to 15). FALSE when the picture cannot
    // be loaded or the popup cannot be created.
    BOOL ShowLogo(HWND parent, const std::string& picturePath, unsigned seconds, int scale = 1);

    const CDib& picture() const { return picture_; }

  protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnInitDialog();

    unsigned seconds_ = 0;
    int scale_ = 1;
    UniquePalette screenPalette_;  // outlives the picture that borrows it
    CDib picture_;
};

}  // namespace lumora
