#include "prefs/info_pages.h"

#include "actions/help.h"
#include "config/private_profile_reader.h"
#include "resource.h"
#include "win/resource_string.h"

namespace lumora {

PublisherTexts DiscPublisherTexts() {
    return ReadPublisherTexts(PrivateProfileReader().Section(ResourceString(IDS_SECTION_PUBLISHER)),
                              ResourceString);
}

CSupportPage::CSupportPage() : CSupportPage(DiscPublisherTexts()) {}

CSupportPage::CSupportPage(const PublisherTexts& texts)
    : PicturePage(IDD_SUPPORT_PAGE, IDB_SUPPORT, PSP_HASHELP,
                  SupportPageLines(texts, ResourceString)) {}

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

CAboutPage::CAboutPage() : CAboutPage(DiscPublisherTexts()) {}

CAboutPage::CAboutPage(const PublisherTexts& texts)
    : PicturePage(IDD_ABOUT_PAGE, IDB_ABOUT, 0, AboutPageLines(texts, ResourceString)) {}

}  // namespace lumora
