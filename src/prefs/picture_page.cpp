#include "prefs/picture_page.h"

#include "prefs/centred_offset.h"
#include "resource.h"
#include "win/window.h"

namespace lumora {

PicturePage::PicturePage(int templateId, int bitmapId, DWORD flags, std::vector<InfoLine> lines)
    : PropertyPage(templateId, flags),
      lines_(std::move(lines)),
      bitmap_(lines_.empty() ? ::LoadBitmapA(ProgramInstance(), MAKEINTRESOURCEA(bitmapId))
                             : nullptr) {}

INT_PTR PicturePage::HandleMessage(UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            CreateLines();
            return TRUE;
        case WM_PAINT:
            if (!bitmap_) {
                return FALSE;  // the texts are controls that paint themselves
            }
            OnPaint();
            return TRUE;
        default:
            return FALSE;
    }
}

void PicturePage::CreateLines() {
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageA(hwnd(), WM_GETFONT, 0, 0));
    int id = IDC_INFO_FIRST;
    const auto add = [&](const PixelRect& rect, const std::string& text) {
        RECT place{rect.left, rect.top, rect.right, rect.bottom};
        ::MapDialogRect(hwnd(), &place);
        // No '&' prefixes: an author's "Smith & Sons" shows as written. A text too long for its
        // line ends in an ellipsis.
        HWND control = ::CreateWindowExA(
            0, "STATIC", text.c_str(),
            WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_ENDELLIPSIS, place.left,
            place.top, place.right - place.left, place.bottom - place.top, hwnd(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), ProgramInstance(), nullptr);
        if (control && font) {
            ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    };
    for (const InfoLine& line : lines_) {
        if (!line.label.empty()) {
            add(line.labelRect, line.label);
        }
        add(line.textRect, line.text);
    }
}

void PicturePage::OnPaint() {
    PaintScope paint(hwnd());
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    Paint(paint.get(), client);
}

void PicturePage::Paint(HDC dc, const RECT& client) const {
    BITMAP picture{};
    if (!bitmap_ || !::GetObjectA(bitmap_.get(), sizeof picture, &picture)) {
        return;
    }
    UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    if (!memory) {
        return;
    }
    SelectScope selected(memory.get(), bitmap_.get());
    const int x = client.left + CentredOffset(client.right - client.left, picture.bmWidth);
    const int y = client.top + CentredOffset(client.bottom - client.top, picture.bmHeight);
    ::BitBlt(dc, x, y, picture.bmWidth, picture.bmHeight, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace lumora
