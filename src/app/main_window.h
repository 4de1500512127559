// The launcher's one top-level window: sized to the current screen, never resized, and the place
// where actions are carried out.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "actions/dispatch.h"
#include "app/monitor_facts.h"
#include "config/display_requirement.h"
#include "actions/action_table.h"
#include "imaging/pixel_rect.h"
#include "screens/screen_window.h"
#include "win/app_palette.h"
#include "win/window.h"

namespace lumora {

class CMainWindow : public Window {
  public:
    // A window still open goes while the whole object is alive: the screen window and the popups
    // end through their own handlers, the main window without its own (no end sound, no quit).
    ~CMainWindow() override;

    // Registers the window class (string 2) and creates the window; false when either fails.
    bool Create();

    // Makes a screen current; a name that is not in "ScreenNames" only resets the title.
    void ShowScreen(const std::string& name);
    // Sizes and places the window for the current screen, at the scale that the monitor showing
    // it allows.
    void SizeToScreen(bool centre);
    // Every picture pixel is shown as a scale() x scale() block.
    int scale() const { return scale_; }

    CScreenWindow& screenWindow() { return screen_; }
    const std::string& currentScreen() { return screen_.session().current(); }
    const std::string& previousScreen() { return screen_.session().previous(); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    DWORD WindowStyle() const;
    // The current background's size as loaded (0 x 0 without a screen).
    PixelSize PictureSize() const;
    LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam);
    void OnSizing(WPARAM edge, RECT* rect) const;
    void OnActivateApp(bool active);
    // Laid out anew for the display's size and depth as the system tells them, when they (or the
    // matte, switched in the preferences) differ from what the layout was made for.
    void OnDisplayChange();
    // Moved to a monitor of another dpi: laid out anew at the suggested place.
    void OnDpiChanged(WPARAM dpi, LPARAM suggestedRect);
    // Decides the scale on this monitor, then sizes the window with its top-left corner at
    // corner (or centred) and places the screen in it.
    void LayOut(const MonitorFacts& monitor, POINT corner, bool centre);
    void OnDispatch(WPARAM action, LPARAM args);
    // Carries out one action of the table, with its data when it has some.
    void RunAction(ActionCode code, const DispatchArgs* own);
    // The screen session, with the screens the settings list now.
    ScreenSession& Screens();
    // The screen session's commands, then the new screen's palette and focus.
    void CarryScreenChange(const SessionCommands& commands);
    // Codes 7 and 8: starts the program of a launch id, then closes after an ordinary program.
    void RunProgramAction(int launchId, const std::optional<std::string>& command, bool wait);
    void DestroyScreenWindow();
    void Close();

    // What the layout was made for: a display change that changes none of it lays nothing out.
    struct LayoutBasis {
        PixelSize display;
        ColorClass colorClass = kColorClassTrue;  // asked at creation and display changes only
        bool blackMat = false;
        MonitorFacts monitor;
        bool operator==(const LayoutBasis& o) const {
            return display == o.display && colorClass == o.colorClass && blackMat == o.blackMat &&
                   monitor == o.monitor;
        }
    };

    bool largeDisplay_ = false;
    LayoutBasis laidOutFor_;
    int scale_ = 1;
    AppPalette palette_;  // declared before the screen window, which may still draw with it
    CScreenWindow screen_;
};

// Realizes the application palette in window; the number of entries realized.
UINT RealizeAppPalette(HWND window, bool forceBackground);

}  // namespace lumora
