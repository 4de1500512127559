// Base class of the pages of a property sheet built from dialog templates in the program's
// resources. The sheet creates a page's window when the page is first shown: the page offers
// itself just then (its PSPCB_CREATE callback) and is bound at that window's WM_INITDIALOG, kept
// in DWLP_USER and dropped at WM_NCDESTROY. A WM_INITDIALOG at any other time binds nothing, and
// a WM_NOTIFY reaches the page only from the sheet or the page's own controls on this thread.
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
    virtual ~PropertyPage();

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
    static UINT CALLBACK PageCallback(HWND, UINT stage, PROPSHEETPAGEA* page);
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // A notification that the sheet or one of the page's controls sends on this thread: only
    // then does its lParam point at a header in this program.
    bool IsOwnNotification(LPARAM lParam) const;

    int templateId_;
    DWORD flags_;
    HWND hwnd_ = nullptr;
};

}  // namespace lumora
