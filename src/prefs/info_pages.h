// The Support and About pages of the preferences sheet: a picture each, or the texts of the
// disc's "Publisher" section when it gives them; Support also answers the sheet's Help button.
#pragma once

#include "prefs/picture_page.h"

namespace lumora {

// The texts of the disc's "Publisher" section, read through the INI store.
PublisherTexts DiscPublisherTexts();

// The customer service contacts (bitmap 108), with the help topic "Customer Service".
class CSupportPage : public PicturePage {
  public:
    CSupportPage();
    explicit CSupportPage(const PublisherTexts& texts);

  protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnCommandHelp();
};

// The product picture (bitmap 109); the Help button is disabled on this page.
class CAboutPage : public PicturePage {
  public:
    CAboutPage();
    explicit CAboutPage(const PublisherTexts& texts);
};

}  // namespace lumora
