#include "prefs/options_page.h"

#include <string>
#include <vector>

#include "actions/help.h"
#include "config/settings.h"
#include "resource.h"
#include "win/app_state.h"
#include "win/resource_string.h"

namespace lumora {

namespace {

// The text of entry `index` of a combo box.
std::string EntryText(HWND comboBox, WPARAM index) {
    const LRESULT length = ::SendMessageA(comboBox, CB_GETLBTEXTLEN, index, 0);
    if (length <= 0) {
        return std::string();
    }
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        ::SendMessageA(comboBox, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return copied > 0 ? std::string(text.data(), static_cast<size_t>(copied)) : std::string();
}

}  // namespace

COptionsPage::COptionsPage() : PropertyPage(IDD_OPTIONS_PAGE, PSP_HASHELP) {}

INT_PTR COptionsPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_RESTORE_DEFAULTS && HIWORD(wParam) == BN_CLICKED) {
                OnReset();
                return TRUE;
            }
            return FALSE;
        case WM_NOTIFY:
            switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
                case PSN_APPLY:
                    OnOK();
                    SetResult(PSNRET_NOERROR);
                    return TRUE;
                case PSN_HELP:
                    OnCommandHelp();
                    return TRUE;
                default:
                    // Cancel (PSN_RESET) leaves every setting as it was.
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

BOOL COptionsPage::OnInitDialog() {
    const ProgramSettings& settings = Settings();
    ::CheckDlgButton(hwnd(), IDC_APPLY_MATTE, settings.blackMat ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(hwnd(), IDC_USE_BALLOONS, settings.balloonHelp ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(hwnd(), IDC_USE_SOUND, settings.useSound ? BST_CHECKED : BST_UNCHECKED);
    if (HWND startScreen = ::GetDlgItem(hwnd(), IDC_START_SCREEN)) {
        if (settings.startScreens) {
            for (const std::string& name : *settings.startScreens) {
                ::SendMessageA(startScreen, CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(name.c_str()));
            }
        } else {
            ::EnableWindow(startScreen, FALSE);
        }
        // The first entry that begins with the stored name, in any letter case. Without a
        // stored name nothing is selected: the launcher then starts on no screen.
        if (settings.startup) {
            ::SendMessageA(startScreen, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(settings.startup->c_str()));
        }
    }
    return TRUE;
}

void COptionsPage::OnOK() {
    ProgramSettings& settings = Settings();
    settings.balloonHelp = ::IsDlgButtonChecked(hwnd(), IDC_USE_BALLOONS) == BST_CHECKED ? 1 : 0;
    settings.useSound = ::IsDlgButtonChecked(hwnd(), IDC_USE_SOUND) == BST_CHECKED ? 1 : 0;
    const int matte = ::IsDlgButtonChecked(hwnd(), IDC_APPLY_MATTE) == BST_CHECKED ? 1 : 0;
    if (matte != settings.blackMat) {
        settings.matteChanged = true;
    }
    settings.blackMat = matte;
    if (HWND startScreen = ::GetDlgItem(hwnd(), IDC_START_SCREEN)) {
        const LRESULT selected = ::SendMessageA(startScreen, CB_GETCURSEL, 0, 0);
        if (selected >= 0) {
            // A choice made without a stored start screen creates one, so it is kept.
            std::string name = EntryText(startScreen, static_cast<WPARAM>(selected));
            if (!name.empty()) {
                settings.startup = std::move(name);
            }
        }
    }
    // The sheet's owner lays itself out for a new matte once the sheet has closed.
    matteChanged_ = SaveProgramSettings();
}

void COptionsPage::OnReset() {
    for (int box : {IDC_APPLY_MATTE, IDC_USE_BALLOONS, IDC_USE_SOUND}) {
        ::CheckDlgButton(hwnd(), box, BST_CHECKED);
    }
    ::SendDlgItemMessageA(hwnd(), IDC_START_SCREEN, CB_SETCURSEL, 0, 0);
}

void COptionsPage::OnCommandHelp() {
    RunHelp(ResourceString(IDS_HELP_CUSTOMIZING));
}

}  // namespace lumora
