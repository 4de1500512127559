// The disc shown in the page: its files in memory, the INI document, the shown screen's pictures
// and canvas, and the hover machine. Browser events come in as plain facts; what the page must do
// goes out as commands. Every rule is the core's, as lumora.exe follows it: the page's script
// only forwards events and carries out commands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_document.h"
#include "config/model_context.h"
#include "config/program_settings.h"
#include "imaging/dib_image.h"
#include "page_commands.h"
#include "page_files.h"
#include "screens/hover_machine.h"
#include "screens/screen_model.h"

namespace lumora::disc {

// The browser's keys as the Windows virtual-key codes the screen window handles.
constexpr int kKeyTab = 0x09;
constexpr int kKeyEnter = 0x0D;
constexpr int kKeyEscape = 0x1B;
constexpr int kKeySpace = 0x20;

// The browser's mouse buttons: which one changed in a press or release, and which are held.
constexpr int kLeftButton = 0;
constexpr int kLeftHeld = 1;
constexpr int kRightHeld = 2;

class PageSession {
  public:
    PageSession();

    // name: below the disc's root. Files are added before Open.
    void AddFile(const std::string& name, std::vector<uint8_t> bytes);
    // Reads the disc's INI text and its program settings; false without a "Config" section.
    bool Open(std::string_view iniText);

    // Shows the screen that the disc starts with: "Startup" when it shows, else the first one
    // listed that shows. False when no screen shows.
    bool ShowStartScreen(PageCommands& out);
    // Shows the named screen, drawn whole; false (and nothing changes) when it does not show.
    bool ShowScreen(const std::string& name, PageCommands& out);

    // (x, y) in canvas pixels; held: the buttons held (kLeftHeld, kRightHeld).
    PageCommands PointerMove(int x, int y, int held);
    PageCommands PointerLeave();
    PageCommands PointerDown(int x, int y, int button, int held);
    PageCommands PointerUp(int x, int y, int button);
    PageCommands Timer(int timer);
    PageCommands KeyDown(int key, bool shift, bool repeated);
    // The page lost the focus: as another program becoming active. Until it has it again, the
    // pointer highlights nothing.
    PageCommands Deactivate();
    void Activate() { active_ = true; }

    // The shown screen's canvas as red, green, blue and alpha, rows from the top; its size.
    const std::vector<uint8_t>& rgba() const { return rgba_; }
    int width() const { return background_.width(); }
    int height() const { return background_.height(); }

    // The shown screen for the page's outline view and region list: its name, description,
    // size and each region's name and shape, as JSON.
    std::string ScreenJson() const;

    // The region under (x, y), -1 for none: the first in list order where shapes overlap.
    int HitTest(int x, int y) const;

  private:
    struct PageRegion {
        RegionSpec spec;
        std::optional<DibImage> highlight;
        std::optional<DibImage> balloon;
    };

    std::optional<DibImage> LoadPicture(const std::optional<std::string>& path) const;
    void Carry(const HoverCommands& commands, PageCommands& out);
    void Place(const DibImage& picture, const RegionPicture& where);
    void Restore(const DibImage& picture, const RegionPicture& where);
    void Draw(PixelRect area, PageCommands& out);
    void Sound(const std::optional<std::string>& file, PageCommands& out) const;
    HoverMachine& Hover();

    PageFiles files_;
    std::optional<IniDocument> ini_;
    ProgramSettings settings_;
    ModelContext context_;

    std::string screenName_;
    DibImage background_;
    DibImage canvas_;
    std::vector<PageRegion> regions_;
    HoverMachine hover_;
    std::vector<uint8_t> rgba_;
    bool active_ = true;
};

}  // namespace lumora::disc
