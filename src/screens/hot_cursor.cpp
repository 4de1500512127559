#include "screens/hot_cursor.h"

#include "resource.h"
#include "win/window.h"

namespace lumora {
namespace {

bool ParentFamilyHasCapture(HWND window) {
    HWND capturer = ::GetCapture();
    HWND parent = ::GetParent(window);
    return capturer && (capturer == parent || ::IsChild(parent, capturer));
}

}  // namespace

HotCursor::HotCursor() : hot_(::LoadCursorA(ProgramInstance(), MAKEINTRESOURCEA(IDC_HOT_HAND))) {}

void HotCursor::Show(HWND window, bool on) {
    if (!::IsWindow(window)) {
        return;
    }
    if (on) {
        if (!saved_ && hot_) {
            saved_ = reinterpret_cast<HCURSOR>(::GetClassLongPtrA(window, GCLP_HCURSOR));
            ::SetClassLongPtrA(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(hot_));
            ::SetCursor(hot_);
        }
    } else if (saved_) {
        ::SetClassLongPtrA(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(saved_));
        ::SetCursor(saved_);
        saved_ = nullptr;
    }
}

void HotCursor::Capture(HWND window) {
    if (::IsWindow(window) && !ParentFamilyHasCapture(window)) {
        ::SetCapture(window);
    }
}

void HotCursor::Release(HWND window) {
    if (::IsWindow(window) && ParentFamilyHasCapture(window)) {
        ::ReleaseCapture();
    }
}

}  // namespace lumora
