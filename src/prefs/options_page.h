// The Options page of the preferences sheet: the start screen, the black matte, balloons and
// sounds, taken into the program settings and saved when the user presses OK.
#pragma once

#include "win/property_page.h"

namespace lumora {

class COptionsPage : public PropertyPage {
  public:
    COptionsPage();

    // OK saved a matte other than the one in force.
    bool matteChanged() const { return matteChanged_; }

  protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Fills the controls from the settings.
    BOOL OnInitDialog();
    // OK: the controls into the settings, then saved.
    void OnOK();
    // Restore Defaults: only the controls change; a later OK stores them.
    void OnReset();
    void OnCommandHelp();

    bool matteChanged_ = false;
};

}  // namespace lumora
