#include "actions/logo_dialog.h"

#include "actions/logo_layout.h"
#include "imaging/art_scale.h"
#include "imaging/pixel_scale.h"
#include "win/app_state.h"
#include "resource.h"
#include "win/handles.h"
#include "win/messages.h"
#include "win/program_timers.h"

namespace lumora {

BOOL CLogoDialog::ShowLogo(HWND parent, const std::string& picturePath, unsigned seconds,
                           int scale) {
    Destroy();
    seconds_ = seconds;
    scale_ = scale > 1 ? scale : 1;
    // The picture is drawn with the screen's colours, the ones that are realized. The popup keeps
    // a copy of that palette: a screen change during the popup's seconds deletes the original.
    screenPalette_ = DuplicatePalette(App().appPalette);
    if (!picture_.Load(picturePath, screenPalette_.get())) {
        return FALSE;
    }
    // At 1x (and 3x) a 2x picture is never drawn: it is neither looked for nor held.
    if (DrawsDoubleSizes(scale_)) {
        picture_.LoadDoubleSize(picturePath);
    }
    return Create(IDD_LOGO_POPUP, parent) ? TRUE : FALSE;
}

void CLogoDialog::OnInitDialog() {
    const PixelRect r = LogoPopupRect(
        ScaleSize(PixelSize{picture_.width(), picture_.height()}, scale_),
        PixelSize{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)},
        PixelSize{::GetSystemMetrics(SM_CXDLGFRAME), ::GetSystemMetrics(SM_CYDLGFRAME)});
    ::MoveWindow(hwnd(), r.left, r.top, r.width(), r.height(), TRUE);
    // Milliseconds, without overflowing for any number of seconds.
    constexpr unsigned kLongestSeconds = 0x7FFFFFFF / 1000;
    StartProgramTimer(hwnd(), kLogoTimerId,
                      (seconds_ < kLongestSeconds ? seconds_ : kLongestSeconds) * 1000);
}

INT_PTR CLogoDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog();
            return TRUE;
        case WM_PAINT: {
            PaintScope paint(hwnd());
            // At an even scale the author's 2x picture is drawn at half of it.
            const int art = ArtScale(scale_, picture_.hasAuthorsDoubleSize());
            const CDib* twin = picture_.doubleSize();
            const CDib& drawn = art == 2 && twin ? *twin : picture_;
            drawn.Draw(paint.get(), 0, 0, nullptr, ArtBlock(scale_, art));
            return TRUE;
        }
        case WM_TIMER:
            // The popup shows once: the timer never fires twice. Another timer id is no one's.
            if (wParam == kLogoTimerId) {
                StopProgramTimer(hwnd(), kLogoTimerId);
                ::DestroyWindow(hwnd());
            }
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
