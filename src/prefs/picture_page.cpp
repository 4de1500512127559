#include "prefs/picture_page.h"

#include "prefs/centred_offset.h"
#include "win/window.h"

namespace lumora {

PicturePage::PicturePage(int templateId, int bitmapId, DWORD flags)
    : PropertyPage(templateId, flags),
      bitmap_(::LoadBitmapA(ProgramInstance(), MAKEINTRESOURCEA(bitmapId))) {}

INT_PTR PicturePage::HandleMessage(UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return TRUE;
        default:
            return FALSE;
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
