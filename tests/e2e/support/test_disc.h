// The disc that most tests start from: two screens of solid colour with regions laid out on a
// grid, each region's highlight and balloon a colour of its own. Coordinates are pixels of the
// screen's picture, which is also the screen window's client area.
#pragma once

#include <string>

#include "ini_text.h"
#include "pointer.h"
#include "test_pictures.h"

namespace e2e::disc {

struct Box {
    int left, top, right, bottom;
    Point Center() const { return {(left + right) / 2, (top + bottom) / 2}; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

constexpr char kMainWindowClass[] = "*Tavlen*Splash*Main*Window*Class*";
constexpr char kAppTitle[] = "Tavlen Splash";

// Screen "Main", 400 x 300, navy, "Main screen".
constexpr Box kMain{0, 0, 400, 300};
constexpr Paint kMainPaint = Paint::kNavy;
constexpr char kMainTitle[] = "Main screen";
constexpr Point kMainPlain{395, 295};  // background, outside every region and picture

// Regions of Main. A and B have a highlight and a balloon; C and D overlap (C is listed first).
constexpr Box kRegionA{20, 20, 100, 80};
constexpr Box kHighlightA{20, 20, 80, 60};   // yellow
constexpr Box kBalloonA{20, 200, 100, 230};  // green
constexpr Point kInsideAOnly{90, 70};        // in region A, under neither picture
constexpr Box kRegionB{120, 20, 200, 80};
constexpr Box kHighlightB{120, 20, 180, 60};  // cyan
constexpr Box kBalloonB{120, 200, 200, 230};  // magenta
constexpr Box kRegionNext{220, 20, 300, 80};  // DispatchScreen Second
constexpr Point kExitTip{355, 30};            // inside the triangle (320,20) (390,20) (355,80)
constexpr Box kRegionC{20, 100, 120, 160};
constexpr Box kHighlightC{20, 100, 60, 120};  // teal
constexpr Box kRegionD{60, 100, 180, 160};
constexpr Box kHighlightD{140, 140, 180, 160};  // orange
constexpr Point kOverlapCD{90, 130};
constexpr Box kRegionMinimize{220, 100, 300, 160};  // DispatchMinimize
constexpr Box kRegionBack{320, 100, 390, 160};      // DispatchPreviousScreen
constexpr Box kRegionQuiet{20, 250, 100, 290};      // "dispatchexit": wrong letter case
constexpr Box kRegionSync{120, 250, 200, 290};      // a sound only
constexpr Box kRegionLogo{220, 250, 300, 290};      // Splash logo.bmp, DispatchHelp
constexpr Box kLogo{0, 0, 120, 80};                 // white
constexpr Box kRegionMenu{320, 180, 390, 240};      // DispatchMenu Tools

// Screen "Second", 300 x 200, maroon, "Second screen".
constexpr Box kSecond{0, 0, 300, 200};
constexpr Paint kSecondPaint = Paint::kMaroon;
constexpr char kSecondTitle[] = "Second screen";
constexpr Point kSecondPlain{295, 195};
constexpr Box kRegionPrevious{20, 20, 100, 80};   // DispatchPreviousScreen
constexpr Box kRegionHome{120, 20, 200, 80};      // DispatchScreen Main
constexpr Box kRegionMissing{20, 100, 100, 160};  // DispatchScreen Missing (not in ScreenNames)
constexpr Box kRegionBroken{120, 100, 200, 160};  // DispatchScreen Broken (its bitmap is missing)

// The INI text of the disc; tests change it before starting the program.
IniText StandardIni();

// Writes every picture the standard disc names into `folder`; false on failure.
bool WritePictures(const std::string& folder);

// The INI value of a rectangle as a Shape list.
std::string ShapeOf(const Box& box);

}  // namespace e2e::disc
