#include "win/property_page.h"

#include "win/window.h"

namespace lumora {

PROPSHEETPAGEA PropertyPage::Describe() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT | flags_;
    page.hInstance = ProgramInstance();
    page.pszTemplate = MAKEINTRESOURCEA(templateId_);
    page.pfnDlgProc = DialogProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK PropertyPage::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    PropertyPage* self = nullptr;
    if (message == WM_INITDIALOG) {
        // lParam is the sheet's copy of the page description.
        const auto* page = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        self = page ? reinterpret_cast<PropertyPage*>(page->lParam) : nullptr;
        if (self) {
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<PropertyPage*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) {
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
