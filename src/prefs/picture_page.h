// A page of the preferences sheet that shows one picture from the program's resources, centred.
#pragma once

#include "win/handles.h"
#include "win/property_page.h"

namespace lumora {

class PicturePage : public PropertyPage {
  public:
    // Loads the bitmap now, while the sheet is being built; it lives as long as the page.
    PicturePage(int templateId, int bitmapId, DWORD flags);

    bool hasPicture() const { return static_cast<bool>(bitmap_); }
    // Draws the picture centred in `client`: the WM_PAINT path, open to tests with a memory DC.
    void Paint(HDC dc, const RECT& client) const;

  protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnPaint();

    UniqueBitmap bitmap_;
};

}  // namespace lumora
