// Where the main window and the screen window go and how large they are, decided from facts that
// the caller gathers (display size, frame metrics, the matte setting). Portable.
#pragma once

#include <cstdint>

#include "imaging/pixel_rect.h"

namespace lumora {

// The window style bits that the main window uses, with their Win32 values.
constexpr uint32_t kStylePopup = 0x80000000;
constexpr uint32_t kStyleVisible = 0x10000000;
constexpr uint32_t kStyleMaximize = 0x01000000;
constexpr uint32_t kStyleCaption = 0x00C00000;  // border and dialog frame
constexpr uint32_t kStyleBorder = 0x00800000;
constexpr uint32_t kStyleSysMenu = 0x00080000;
constexpr uint32_t kStyleThickFrame = 0x00040000;
constexpr uint32_t kStyleMinimizeBox = 0x00020000;

// The edge being dragged in a sizing message, with the Win32 values.
enum SizingEdge : int {
    kSizingLeft = 1,
    kSizingRight = 2,
    kSizingTop = 3,
    kSizingTopLeft = 4,
    kSizingTopRight = 5,
    kSizingBottom = 6,
    kSizingBottomLeft = 7,
    kSizingBottomRight = 8,
};

// Wider than 640 and taller than 480: only there does the main window get a caption.
bool IsLargeDisplay(PixelSize display);

// The main window's style: a popup with border, system menu and minimise box; maximised under the
// matte; with caption and sizing frame on a large display without the matte.
uint32_t MainWindowStyle(bool blackMat, bool largeDisplay);

// The screen picture's size for the layout: a side of 0 or less (no picture) counts as 200 x 100.
PixelSize ScreenPictureSize(PixelSize picture);

// The frame metrics that the framed window is built from.
struct FrameMetrics {
    int frame = 0;    // SM_CXFRAME, counted on both axes
    int caption = 0;  // SM_CYCAPTION
};

// The outer size of the main window with caption around a picture (fallback applied).
PixelSize FramedWindowSize(PixelSize picture, FrameMetrics metrics);

// What the main window's layout starts from.
struct MainWindowFacts {
    PixelSize picture;  // the background as loaded; the fallback is applied here
    PixelSize display;  // SM_CXSCREEN x SM_CYSCREEN
    FrameMetrics metrics;
    bool largeDisplay = false;  // as decided when the window was made or the display changed
    bool blackMat = false;
    int currentLeft = 0;  // the window's present top-left corner
    int currentTop = 0;
    int scale = 1;  // every picture pixel shown as a scale x scale block
};

// What sizing the main window to its screen does.
struct MainWindowPlacement {
    bool move = false;      // false: the window stays as it is
    PixelRect rect;         // where it is moved, with repainting
    bool maximise = false;  // then maximised: under the matte, rect is only the restored size
};

// The screen's size in the window: the picture's (fallback applied) times the scale.
PixelSize ScaledPictureSize(PixelSize picture, int scale);

// Everything below is measured with the picture at the facts' scale. Large display: framed, centred
// on the display when `centre` (halved with an arithmetic shift), else kept at its present top-left
// corner. Small display: the picture's size at (0, 0). Matte: with `centre` a frame-sized restored
// window at (0, 0), then maximised; without it nothing.
MainWindowPlacement MainWindowLayout(const MainWindowFacts& facts, bool centre);

// A frame drag forced back to the window's outer size: the dragged sides move, the opposite
// sides stay where they are. Another edge value leaves the rectangle as it is.
PixelRect CorrectSizing(int edge, const PixelRect& dragged, PixelSize outer);

// Where a window goes that the system suggests a rectangle for (a move to a monitor of another
// dpi): the suggestion moved the least that puts it inside the monitor's work area; a side longer
// than the work area's starts where the work area does. The size is the suggestion's.
PixelRect KeptInWorkArea(const PixelRect& suggested, const PixelRect& workArea);

// The screen window inside the main window: the picture's size (fallback applied) at (0, 0), or
// under the matte centred on the display with an arithmetic shift, so a picture larger than the
// display gets negative offsets. The picture is shown at the scale.
PixelRect ScreenWindowRect(PixelSize picture, bool blackMat, PixelSize display, int scale = 1);

}  // namespace lumora
