#include "win/property_page.h"

#include "win/creation_slot.h"
#include "win/message_loop.h"
#include "win/window.h"

namespace lumora {

PropertyPage::~PropertyPage() {
    CreationSlot<PropertyPage>::Withdraw(this);
}

PROPSHEETPAGEA PropertyPage::Describe() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT | PSP_USECALLBACK | flags_;
    page.hInstance = ProgramInstance();
    page.pszTemplate = MAKEINTRESOURCEA(templateId_);
    page.pfnDlgProc = DialogProc;
    page.pfnCallback = PageCallback;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

UINT CALLBACK PropertyPage::PageCallback(HWND, UINT stage, PROPSHEETPAGEA* page) {
    // The sheet's copy of this program's own description: no message brought it.
    auto* self = reinterpret_cast<PropertyPage*>(page->lParam);
    if (stage == PSPCB_CREATE) {
        CreationSlot<PropertyPage>::Offer(self);
    } else if (stage == PSPCB_RELEASE) {
        CreationSlot<PropertyPage>::Withdraw(self);
    }
    return 1;
}

bool PropertyPage::IsOwnNotification(LPARAM lParam) const {
    if (!lParam || !SentFromThisThread()) {
        return false;
    }
    HWND from = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    return from && (from == ::GetParent(hwnd_) || ::IsChild(hwnd_, from));
}

INT_PTR CALLBACK PropertyPage::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PropertyPage*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        if (self) {
            // The page exists: someone else's message, whose lParam is not read.
            return FALSE;
        }
        self = CreationSlot<PropertyPage>::Take();
        if (self) {
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self || (message == WM_NOTIFY && !self->IsOwnNotification(lParam))) {
        return FALSE;
    }
    INT_PTR handled = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return handled;
}

}  // namespace lumora
