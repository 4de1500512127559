#include "prefs/preferences_sheet.h"

#include <iterator>
#include <string>

#include "resource.h"
#include "win/common_controls.h"
#include "win/resource_string.h"
#include "win/window.h"

namespace lumora {

CPreferencesSheet::CPreferencesSheet(HWND parent, Page startPage)
    : parent_(parent), startPage_(startPage) {}

INT_PTR CPreferencesSheet::DoModal() {
    // A window that holds the mouse (the screen window after a click) would take the clicks
    // meant for the sheet: it lets go first.
    if (HWND capture = ::GetCapture()) {
        ::SendMessageA(capture, WM_CANCELMODE, 0, 0);
        ::ReleaseCapture();
    }

    PROPSHEETPAGEA pages[] = {options_.Describe(), support_.Describe(), about_.Describe()};
    const std::string caption = ResourceString(IDS_PREFERENCES);
    PROPSHEETHEADERA sheet{};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_NOAPPLYNOW;
    sheet.hwndParent = parent_;
    sheet.hInstance = ProgramInstance();
    sheet.pszCaption = caption.c_str();
    sheet.nPages = static_cast<UINT>(std::size(pages));
    sheet.nStartPage = startPage_;
    sheet.ppsp = pages;
    return ShowPropertySheet(&sheet);
}

}  // namespace lumora
