#include "prefs/info_pages.h"

#include "actions/help.h"
#include "resource.h"
#include "win/resource_string.h"

namespace lumora {

CSupportPage::CSupportPage() : PicturePage(IDD_SUPPORT_PAGE, IDB_SUPPORT, PSP_HASHELP) {}

INT_PTR CSupportPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == PSN_HELP) {
        OnCommandHelp();
        return TRUE;
    }
    return PicturePage::HandleMessage(message, wParam, lParam);
}

void CSupportPage::OnCommandHelp() {
    RunHelp(ResourceString(IDS_HELP_CUSTOMER_SERVICE));
}

CAboutPage::CAboutPage() : PicturePage(IDD_ABOUT_PAGE, IDB_ABOUT, 0) {}

}  // namespace lumora
