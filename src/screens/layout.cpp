#include "screens/layout.h"

#include "imaging/pixel_scale.h"

namespace lumora {

namespace {

// Sizes come from the system and from bitmap headers: add in 64 bits and clamp, so that no sum
// can overflow.
int Sum(int64_t a, int64_t b, int64_t c = 0) {
    return detail::ClampToInt(a + b + c);
}

// Halving by an arithmetic shift: an odd negative difference goes one pixel further left or up.
int HalfDown(int64_t value) {
    return detail::ClampToInt(value >> 1);
}

// The start of a span of `length` moved the least that puts it inside [areaStart, areaEnd), or
// areaStart when it is longer.
int KeptInside(int start, int64_t length, int areaStart, int areaEnd) {
    const int64_t lastStart = int64_t{areaEnd} - length;
    return detail::ClampToInt(std::max<int64_t>(areaStart, std::min<int64_t>(start, lastStart)));
}

}  // namespace

bool IsLargeDisplay(PixelSize display) {
    return display.width > 640 && display.height > 480;
}

uint32_t MainWindowStyle(bool blackMat, bool largeDisplay) {
    uint32_t style = kStylePopup | kStyleVisible | kStyleBorder | kStyleSysMenu | kStyleMinimizeBox;
    if (blackMat) {
        style |= kStyleMaximize;
    } else if (largeDisplay) {
        style |= kStyleCaption | kStyleThickFrame;
    }
    return style;
}

PixelSize ScreenPictureSize(PixelSize picture) {
    return PixelSize{picture.width > 0 ? picture.width : 200,
                     picture.height > 0 ? picture.height : 100};
}

PixelSize ScaledPictureSize(PixelSize picture, int scale) {
    return ScaleSize(ScreenPictureSize(picture), scale);
}

PixelSize FramedWindowSize(PixelSize picture, FrameMetrics metrics) {
    const PixelSize size = ScreenPictureSize(picture);
    const int64_t frames = 2 * int64_t{metrics.frame};
    return PixelSize{Sum(size.width, frames), Sum(size.height, frames, metrics.caption)};
}

MainWindowPlacement MainWindowLayout(const MainWindowFacts& facts, bool centre) {
    MainWindowPlacement placement;
    if (facts.blackMat) {
        if (centre) {
            placement.move = true;
            placement.rect = PlacedRect(0, 0, facts.metrics.frame, facts.metrics.frame);
            placement.maximise = true;
        }
        return placement;
    }
    placement.move = true;
    if (!facts.largeDisplay) {
        const PixelSize size = ScaledPictureSize(facts.picture, facts.scale);
        placement.rect = PlacedRect(0, 0, size.width, size.height);
        return placement;
    }
    const PixelSize outer =
        FramedWindowSize(ScaledPictureSize(facts.picture, facts.scale), facts.metrics);
    int left = facts.currentLeft;
    int top = facts.currentTop;
    if (centre) {
        left = HalfDown(int64_t{facts.display.width} - outer.width);
        top = HalfDown(int64_t{facts.display.height} - outer.height);
    }
    placement.rect = PlacedRect(left, top, outer.width, outer.height);
    return placement;
}

PixelRect CorrectSizing(int edge, const PixelRect& dragged, PixelSize outer) {
    const bool left = edge == kSizingLeft || edge == kSizingTopLeft || edge == kSizingBottomLeft;
    const bool right =
        edge == kSizingRight || edge == kSizingTopRight || edge == kSizingBottomRight;
    const bool top = edge == kSizingTop || edge == kSizingTopLeft || edge == kSizingTopRight;
    const bool bottom =
        edge == kSizingBottom || edge == kSizingBottomLeft || edge == kSizingBottomRight;
    PixelRect corrected = dragged;
    if (top) {
        corrected.top = Sum(dragged.bottom, -int64_t{outer.height});
    }
    if (bottom) {
        corrected.bottom = Sum(dragged.top, outer.height);
    }
    if (left) {
        corrected.left = Sum(dragged.right, -int64_t{outer.width});
    }
    if (right) {
        corrected.right = Sum(dragged.left, outer.width);
    }
    return corrected;
}

PixelRect ScreenWindowRect(PixelSize picture, bool blackMat, PixelSize display, int scale) {
    const PixelSize size = ScaledPictureSize(picture, scale);
    if (!blackMat) {
        return PlacedRect(0, 0, size.width, size.height);
    }
    return PlacedRect(HalfDown(int64_t{display.width} - size.width),
                      HalfDown(int64_t{display.height} - size.height), size.width, size.height);
}

PixelRect KeptInWorkArea(const PixelRect& suggested, const PixelRect& workArea) {
    const int64_t width = std::max<int64_t>(0, int64_t{suggested.right} - suggested.left);
    const int64_t height = std::max<int64_t>(0, int64_t{suggested.bottom} - suggested.top);
    const int left = KeptInside(suggested.left, width, workArea.left, workArea.right);
    const int top = KeptInside(suggested.top, height, workArea.top, workArea.bottom);
    return PlacedRect(left, top, detail::ClampToInt(width), detail::ClampToInt(height));
}

}  // namespace lumora
