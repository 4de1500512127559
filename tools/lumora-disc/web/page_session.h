// The disc shown in the page: its files in memory, the INI document, the screen session with its
// hover machine, the shown screen's canvas in window pixels and the menu shown last. Browser
// events come in as plain facts; what the page must do goes out as commands. Every rule is the
// core's, as lumora.exe follows it: the page's script only forwards events and carries out
// commands, and this session only turns them into the core's events and carries out its
// commands where lumora.exe's windows do.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "actions/click_plan.h"
#include "config/program_settings.h"
#include "imaging/pixel_rect.h"
#include "menus/menu_model.h"
#include "page_commands.h"
#include "page_screen.h"
#include "screens/screen_session.h"

namespace lumora::disc {

// The browser's mouse buttons: which one changed in a press or release, and which are held.
constexpr int kLeftButton = 0;
constexpr int kLeftHeld = 1;
constexpr int kRightHeld = 2;

class PageSession {
  public:
    PageSession();

    // name: below the disc's root. Files are added before Open.
    void AddFile(const std::string& name, std::vector<uint8_t> bytes);
    // Reads the disc's INI file and its program settings; false without a "Config" section.
    // codePage: the ANSI code page of the Windows that reads the disc, in which a file saved as
    // UTF-16 or UTF-8 is read.
    bool Open(std::string_view iniFile, int codePage = kDefaultCodePage);

    // The display the page is on: its dots per inch and its work area in device pixels. The
    // screen is shown at the whole-number scale lumora.exe would take there.
    PageCommands Display(int dpi, int workWidth, int workHeight);
    // The start screen, as lumora.exe's main window shows it when it is made, and the start sound.
    PageCommands Start();

    // (x, y) in window pixels of the canvas; held: the buttons held (kLeftHeld, kRightHeld).
    PageCommands PointerMove(int x, int y, int held);
    PageCommands PointerLeave();
    // clicks: the browser's count of quick presses in a row, 1 for the first.
    PageCommands PointerDown(int x, int y, int button, int held, int clicks = 1);
    PageCommands PointerUp(int x, int y, int button, int held);
    PageCommands Timer(int timer);
    // key: a Windows virtual-key code.
    PageCommands KeyDown(int key, bool shift, bool repeated);
    // The page lost the focus: as another program becoming active. Until it has it again, the
    // pointer highlights nothing.
    PageCommands Deactivate();
    void Activate() { active_ = true; }
    // The menu shown last closed with this item's command id, 0 for none.
    PageCommands MenuChoice(int commandId);

    // The canvas as red, green, blue and alpha in window pixels, rows from the top; its size.
    const std::vector<uint8_t>& rgba() const { return rgba_; }
    int width() const { return size_.width; }
    int height() const { return size_.height; }
    int scale() const { return session_.scale(); }
    const ScreenSession& screens() const { return session_; }

    // The shown screen for the page's outline view and region list: its name, description,
    // picture size, scale and each region's spoken name, shape and what a click does, as JSON.
    std::string ScreenJson() const;

    // The region under a point of the canvas in window pixels, -1 for none.
    int HitTest(int x, int y) const;

  private:
    ScreenSession& Screens();
    // The hover machine with the regions read and the settings in force.
    HoverMachine& Hover(PageCommands& out);
    // The scale for the shown screen on the display, as the main window lays itself out.
    void LayOut(PageCommands& out);
    void Carry(const SessionCommands& commands, PageCommands& out);
    void Carry(const HoverCommands& commands, PageCommands& out);
    void Carry(const HoverCommand& command, PageCommands& out);
    void OpenScreen(const std::string& name, PageCommands& out);
    void CloseScreen(PageCommands& out);
    // The end of every event: a screen shown anew is painted, and that lets its regions be read.
    void Finish(PageCommands& out);
    void Resize(PixelSize size, PageCommands& out);
    void DrawAll(PageCommands& out);
    void Draw(PixelRect artArea, PageCommands& out);
    void Sound(const std::optional<std::string>& file, PageCommands& out) const;
    // A click: its plan carried out where the page can and said in the panel.
    void RunRegion(int index, PageCommands& out);
    void RunPlan(const ClickPlan& plan, const ActionRecord& action, const std::string& name,
                 PageCommands& out);
    void CallAction(const ClickStep& step, PageCommands& out);
    void ShowMenu(const std::string& name, PageCommands& out);

    PageDisc disc_;
    ProgramSettings settings_;
    ScreenSession session_;
    std::unique_ptr<PageScreen> shown_;
    MenuItemTable menu_;
    int dpi_ = 96;
    PixelSize workArea_{0, 0};
    PixelSize size_{0, 0};
    std::vector<uint8_t> rgba_;
    bool active_ = true;
    bool redrawPending_ = false;
    bool screenChanged_ = false;
    int generation_ = 0;  // counts the screens opened
    // Where the pointer was last seen, to read the hover again after a click.
    struct Pointer {
        int x = 0, y = 0, held = 0;
        bool inside = false;
    } pointer_;
};

}  // namespace lumora::disc
