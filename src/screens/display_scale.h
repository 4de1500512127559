// The whole-number scale at which the screen is shown on a high-DPI monitor: every picture pixel
// becomes a k x k block. Decided from facts that the window layer gathers. Portable.
#pragma once

#include "imaging/pixel_rect.h"
#include "screens/layout.h"

namespace lumora {

// The dots per inch at which Windows draws 1:1.
constexpr int kDefaultDpi = 96;
// The largest scale ever chosen (1536 dpi).
constexpr int kMaxDisplayScale = 16;

// What the scale is decided from: the monitor that shows the window and the window's parts.
struct ScaleFacts {
    int dpi = kDefaultDpi;  // the monitor's dots per inch
    PixelSize workArea;     // the monitor's work area
    PixelSize picture;      // the background as loaded; the fallback size is applied here
    FrameMetrics metrics;   // counted only for a framed window
    bool largeDisplay = false;
    bool blackMat = false;
};

// The largest whole k not above dpi / 96 at which the whole window fits the work area: the frame
// and caption around the screen at k times its size on a large display, the screen alone on a
// small one or under the matte. Never below 1.
int DisplayScale(const ScaleFacts& facts);

}  // namespace lumora
