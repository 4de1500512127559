// A page of the preferences sheet that shows one picture from the program's resources, centred,
// or, when the disc gives its own texts, those texts in lines of static text instead.
#pragma once

#include <vector>

#include "prefs/publisher_texts.h"
#include "win/handles.h"
#include "win/property_page.h"

namespace lumora {

class PicturePage : public PropertyPage {
  public:
    // Without lines the bitmap is loaded now, while the sheet is being built; it lives as long
    // as the page. With lines the page shows them and no picture.
    PicturePage(int templateId, int bitmapId, DWORD flags, std::vector<InfoLine> lines);

    bool hasPicture() const { return static_cast<bool>(bitmap_); }
    const std::vector<InfoLine>& lines() const { return lines_; }
    // Draws the picture centred in `client`: the WM_PAINT path, open to tests with a memory DC.
    void Paint(HDC dc, const RECT& client) const;

  protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // One static control for each label and text, ids from IDC_INFO_FIRST in line order.
    void CreateLines();
    void OnPaint();

    std::vector<InfoLine> lines_;
    UniqueBitmap bitmap_;
};

}  // namespace lumora
