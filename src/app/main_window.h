// The launcher's one top-level window: sized to the current screen, never resized, and the place
// where actions are carried out.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "actions/dispatch.h"
#include "screens/screen_window.h"
#include "win/window.h"

namespace lumora {

class CMainWindow : public Window {
  public:
    // Registers the window class (string 2) and creates the window; false when either fails.
    bool Create();

    // Makes a screen current; a name that is not in "ScreenNames" only resets the title.
    void ShowScreen(const std::string& name);
    // Sizes and places the window for the current screen.
    void SizeToScreen(bool centre);

    CScreenWindow& screenWindow() { return screen_; }
    const std::string& currentScreen() const { return currentScreen_; }
    const std::string& previousScreen() const { return previousScreen_; }

    // The message box caption query: the current screen's description, or 0.
    static constexpr UINT kCaptionQuery = WM_USER + 100;
    static constexpr WPARAM kAppExitCommand = 0xE141;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    DWORD WindowStyle() const;
    SIZE ScreenSize() const;
    LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam);
    void OnSizing(WPARAM edge, RECT* rect) const;
    void OnActivateApp(bool active);
    void OnDisplayChange(LPARAM size);
    void OnDispatch(WPARAM action, const DispatchArgs* args);
    // Codes 7 and 8: starts the program of a launch id, then closes after an ordinary program.
    void RunProgramAction(int launchId, const std::optional<std::string>& command, bool wait);
    void DestroyScreenWindow();
    void Close();

    bool largeDisplay_ = false;
    CScreenWindow screen_;
    std::string currentScreen_;
    std::string previousScreen_;
};

// Makes palette the application palette and realizes it in window; false for none.
bool SetAppPalette(HWND window, HPALETTE palette);
// Realizes the application palette in window; the number of entries realized.
UINT RealizeAppPalette(HWND window, bool forceBackground);

}  // namespace lumora
