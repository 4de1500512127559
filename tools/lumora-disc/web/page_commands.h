// What the page's script carries out, in order: the commands of the core's machines in the
// browser's terms. The script decides nothing; it draws, times, sounds, shows and reports as told.
#pragma once

#include <string>
#include <vector>

#include "imaging/pixel_rect.h"

namespace lumora::disc {

// The one timer the page runs for a screen.
constexpr int kBalloonTimer = 1;

enum class PageAction {
    kResize,       // the canvas is `rect`'s size in window pixels, each picture pixel `scale`
    kDraw,         // put `rect` of the canvas's pixels (window pixels) on the page
    kStartTimer,   // start `timer`, once, after `delayMs`
    kStopTimer,    // stop `timer`
    kHotCursor,    // the pointer over a region
    kPlainCursor,  // the pointer elsewhere
    kCapture,      // the canvas follows the pointer outside it
    kRelease,
    kSound,   // play `file` and go on at once; a sound still playing is never cut off, and
              // the new one is then not played
    kTitle,   // `text`: the window's title; empty: the program's own
    kScreen,  // another screen is shown: its outline and region list are asked for again
    kMenu,    // a pop-up menu: `items`, its corner at `rect`'s top-left (window pixels) or,
              // with `atPointer`, at the pointer; the choice comes back by command id
    kSplash,  // show the picture `file` in the middle of the display for `seconds`
    kPanel,   // what a click does that the page does not: `text` names it, `lines` say it
};

struct PageMenuItem {
    int commandId = 0;
    std::string text;
    bool separator = false;  // a separator line, without text
};

struct PageCommand {
    PageAction action;
    PixelRect rect;
    int scale = 1;
    int timer = 0;
    unsigned delayMs = 0;
    unsigned seconds = 0;
    bool atPointer = false;
    std::string text;
    int file = -1;  // the id of a file of the disc
    std::vector<PageMenuItem> items;
    std::vector<std::string> lines;
};

using PageCommands = std::vector<PageCommand>;

PageCommand MakeCommand(PageAction action);

// The commands as a JSON array of objects, each with "do" naming what to do. Texts stay in the
// disc's 8-bit code page.
std::string CommandsJson(const PageCommands& commands);

}  // namespace lumora::disc
