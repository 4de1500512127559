#include "win/dialog_colors.h"

#include "win/handles.h"

namespace lumora {
namespace {

struct DialogColors {
    UniqueBrush brush;
    COLORREF background = 0;
    COLORREF text = 0;
};

DialogColors& Colors() {
    static DialogColors colors;
    return colors;
}

}  // namespace

void SetDialogColors(COLORREF background, COLORREF text) {
    Colors().brush.reset(::CreateSolidBrush(background));
    Colors().background = background;
    Colors().text = text;
}

HBRUSH DialogColorBrush(HDC dc) {
    const DialogColors& colors = Colors();
    if (!colors.brush) {
        return nullptr;
    }
    ::SetBkColor(dc, colors.background);
    ::SetTextColor(dc, colors.text);
    return colors.brush.get();
}

}  // namespace lumora
