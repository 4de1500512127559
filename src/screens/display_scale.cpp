#include "screens/display_scale.h"

#include <algorithm>
#include <cstdint>

namespace lumora {

namespace {

// The window's outer width or height at the scale, in 64 bits: nothing is clamped into fitting.
bool Fits(int64_t picture, int64_t frame, int scale, int workArea) {
    return picture * scale + frame <= workArea;
}

}  // namespace

int DisplayScale(const ScaleFacts& facts) {
    const PixelSize picture = ScreenPictureSize(facts.picture);
    const bool framed = facts.largeDisplay && !facts.blackMat;
    const int64_t frameWidth = framed ? 2 * int64_t{facts.metrics.frame} : 0;
    const int64_t frameHeight = framed ? frameWidth + facts.metrics.caption : 0;
    // A dpi of 0 or less (a failed query) counts as the default; no monitor needs more than 16.
    for (int scale = std::min(facts.dpi / kDefaultDpi, kMaxDisplayScale); scale > 1; --scale) {
        if (Fits(picture.width, frameWidth, scale, facts.workArea.width) &&
            Fits(picture.height, frameHeight, scale, facts.workArea.height)) {
            return scale;
        }
    }
    return 1;
}

}  // namespace lumora
