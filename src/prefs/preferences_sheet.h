// The modal preferences sheet: Options, Support and About pages, with OK, Cancel and Help and no
// Apply. It exists only while it is open.
#pragma once

#include <windows.h>

#include "prefs/info_pages.h"
#include "prefs/options_page.h"

namespace lumora {

class CPreferencesSheet {
  public:
    enum Page : UINT { kOptionsPage = 0, kSupportPage = 1, kAboutPage = 2 };

    // Builds the pages (the pictures are loaded now); the sheet opens on `startPage`.
    explicit CPreferencesSheet(HWND parent, Page startPage = kOptionsPage);
    CPreferencesSheet(const CPreferencesSheet&) = delete;
    CPreferencesSheet& operator=(const CPreferencesSheet&) = delete;

    // Runs the sheet until OK or Cancel, with `parent` disabled meanwhile; PropertySheet's result.
    INT_PTR DoModal();
    // OK saved another matte: the owner lays itself out anew.
    bool matteChanged() const { return options_.matteChanged(); }

  private:
    HWND parent_;
    Page startPage_;
    COptionsPage options_;
    CSupportPage support_;
    CAboutPage about_;
};

}  // namespace lumora
