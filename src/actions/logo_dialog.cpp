#include "actions/logo_dialog.h"

#include "win/app_state.h"
#include "resource.h"
#include "win/handles.h"

namespace lumora {

BOOL CLogoDialog::ShowLogo(HWND parent, const std::string& picturePath, unsigned seconds) {
    Destroy();
    seconds_ = seconds < kMaxSeconds ? seconds : kMaxSeconds;
    // The picture is drawn with the screen's colours, the ones that are realized. The popup keeps
    // a copy of that palette: a screen change during the popup's seconds deletes the original.
    screenPalette_ = DuplicatePalette(App().appPalette);
    if (!picture_.Load(picturePath, screenPalette_.get())) {
        return FALSE;
    }
    return Create(IDD_LOGO_POPUP, parent) ? TRUE : FALSE;
}

void CLogoDialog::OnInitDialog() {
    const int frameX = ::GetSystemMetrics(SM_CXDLGFRAME);
    const int frameY = ::GetSystemMetrics(SM_CYDLGFRAME);
    const int w = picture_.width();
    const int h = picture_.height();
    // Halved with an arithmetic shift: the frame lies 2f right of and 2g below the exact centre.
    const int x = (::GetSystemMetrics(SM_CXSCREEN) + 2 * frameX - w) >> 1;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) + 2 * frameY - h) >> 1;
    ::MoveWindow(hwnd(), x, y, w + 2 * frameX, h + 2 * frameY, TRUE);
    ::SetTimer(hwnd(), kTimerId, seconds_ * 1000, nullptr);
}

INT_PTR CLogoDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog();
            return TRUE;
        case WM_PAINT: {
            PaintScope paint(hwnd());
            picture_.Draw(paint.get(), 0, 0);
            return TRUE;
        }
        case WM_TIMER:
            // The popup shows once: the timer never fires twice.
            ::KillTimer(hwnd(), wParam);
            ::DestroyWindow(hwnd());
            return TRUE;
        case WM_COMMAND:
            // Enter and Escape do not close the popup.
            return LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL;
        case WM_DESTROY:
            picture_.Free();
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace lumora
