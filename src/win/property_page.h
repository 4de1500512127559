// Base class of the pages of a property sheet built from dialog templates in the program's
// resources. The object pointer travels in PROPSHEETPAGE.lParam to WM_INITDIALOG, is kept in
// DWLP_USER and is dropped at WM_NCDESTROY.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace lumora {

class PropertyPage {
  public:
    // `flags` are added to the page's PSP_ flags (PSP_HASHELP, for instance).
    PropertyPage(int templateId, DWORD flags) : templateId_(templateId), flags_(flags) {}
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;
    virtual ~PropertyPage() = default;

    HWND hwnd() const { return hwnd_; }

    // The page description that makes the sheet create this page; the tab reads the template's
    // caption.
    PROPSHEETPAGEA Describe();

  protected:
    // Return TRUE when the message was handled; a notification's answer goes in with
    // SetResult.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    void SetResult(LONG_PTR result) { ::SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result); }

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    DWORD flags_;
    HWND hwnd_ = nullptr;
};

}  // namespace lumora
