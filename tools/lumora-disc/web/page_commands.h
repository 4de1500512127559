// What the page's script carries out, in order: the commands of the core's machines in the
// browser's terms. The script decides nothing; it draws, times, sounds and reports as told.
#pragma once

#include <string>
#include <vector>

#include "imaging/pixel_rect.h"

namespace lumora::disc {

// The one timer the page runs for a screen.
constexpr int kBalloonTimer = 1;

enum class PageAction {
    kDraw,         // put `rect` of the canvas's pixels on the page
    kStartTimer,   // start `timer`, once, after `delayMs`
    kStopTimer,    // stop `timer`
    kHotCursor,    // the pointer over a region
    kPlainCursor,  // the pointer elsewhere
    kCapture,      // the canvas follows the pointer outside it
    kRelease,
    kSound,      // play `file`
    kRunRegion,  // the click of `region`, named `name`
};

struct PageCommand {
    PageAction action;
    PixelRect rect;
    int timer = 0;
    unsigned delayMs = 0;
    int region = -1;
    std::string name;
    std::string file;  // below the disc's root
};

using PageCommands = std::vector<PageCommand>;

// The commands as a JSON array of objects, each with "do" naming what to do.
std::string CommandsJson(const PageCommands& commands);

}  // namespace lumora::disc
