// Window layout and the logo popup from sizes, metrics and positions anywhere in the int range,
// against the geometry they promise, worked out in 64 bits: the main window's style bits, the
// fallback picture size, the framed size, a centred window whose two gaps differ by at most one
// pixel (the odd one to the right or below), a sizing drag that keeps the opposite sides and
// gets the outer size back, and the logo frame centred with its offset. Sums that leave the int
// range are clamped to it, never wrapped.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstdint>

#include "actions/logo_layout.h"
#include "fuzz/fuzz_check.h"
#include "screens/layout.h"

namespace {

using lumora::PixelRect;
using lumora::PixelSize;

int64_t Clamp(int64_t value) {
    return std::clamp<int64_t>(value, INT_MIN, INT_MAX);
}

// Values near the places where the layout changes its mind, or anything.
int Value(FuzzedDataProvider& provider) {
    const int64_t anchors[] = {INT_MIN, -200, 0, 100, 200, 480, 640, 1024, INT_MAX};
    const size_t pick = provider.ConsumeIntegralInRange<size_t>(0, std::size(anchors));
    if (pick == std::size(anchors)) {
        return provider.ConsumeIntegral<int>();
    }
    return int(Clamp(anchors[pick] + provider.ConsumeIntegralInRange(-2, 2)));
}

PixelSize Size(FuzzedDataProvider& provider) {
    const int width = Value(provider);
    return PixelSize{width, Value(provider)};
}

// The rectangle at (x, y) of that size, its far sides clamped.
PixelRect Placed(int64_t x, int64_t y, int64_t width, int64_t height) {
    return PixelRect{int(x), int(y), int(Clamp(x + width)), int(Clamp(y + height))};
}

// Floor of a half, as an arithmetic shift gives it.
int64_t HalfDown(int64_t value) {
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

void CheckCentred(int64_t position, int64_t room, int64_t size) {
    // The gaps before and after differ by at most one, the odd pixel after.
    if (Clamp(HalfDown(room - size)) == HalfDown(room - size)) {
        const int64_t before = position, after = room - size - position;
        FUZZ_CHECK(after - before == 0 || after - before == 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    lumora::MainWindowFacts facts;
    facts.picture = Size(provider);
    facts.display = Size(provider);
    facts.metrics.frame = Value(provider);
    facts.metrics.caption = Value(provider);
    facts.largeDisplay = provider.ConsumeBool();
    facts.blackMat = provider.ConsumeBool();
    facts.currentLeft = Value(provider);
    facts.currentTop = Value(provider);
    const bool centre = provider.ConsumeBool();

    const bool large = lumora::IsLargeDisplay(facts.display);
    FUZZ_CHECK(large == (facts.display.width > 640 && facts.display.height > 480));
    const uint32_t style = lumora::MainWindowStyle(facts.blackMat, facts.largeDisplay);
    const uint32_t always = lumora::kStylePopup | lumora::kStyleVisible | lumora::kStyleBorder |
                            lumora::kStyleSysMenu | lumora::kStyleMinimizeBox;
    FUZZ_CHECK((style & always) == always);
    FUZZ_CHECK(((style & lumora::kStyleMaximize) != 0) == facts.blackMat);
    const bool framed = !facts.blackMat && facts.largeDisplay;
    FUZZ_CHECK(((style & lumora::kStyleCaption) == lumora::kStyleCaption) == framed);
    FUZZ_CHECK(((style & lumora::kStyleThickFrame) != 0) == framed);

    const PixelSize picture = lumora::ScreenPictureSize(facts.picture);
    FUZZ_CHECK(picture.width == (facts.picture.width > 0 ? facts.picture.width : 200));
    FUZZ_CHECK(picture.height == (facts.picture.height > 0 ? facts.picture.height : 100));

    const PixelSize outer = lumora::FramedWindowSize(facts.picture, facts.metrics);
    const int64_t frames = 2 * int64_t{facts.metrics.frame};
    FUZZ_CHECK(outer.width == Clamp(picture.width + frames));
    FUZZ_CHECK(outer.height == Clamp(picture.height + frames + facts.metrics.caption));

    const lumora::MainWindowPlacement placement = lumora::MainWindowLayout(facts, centre);
    if (facts.blackMat) {
        FUZZ_CHECK(placement.move == centre && placement.maximise == centre);
        if (centre) {
            FUZZ_CHECK(placement.rect == Placed(0, 0, facts.metrics.frame, facts.metrics.frame));
        }
    } else if (!facts.largeDisplay) {
        FUZZ_CHECK(placement.move && !placement.maximise);
        FUZZ_CHECK(placement.rect == Placed(0, 0, picture.width, picture.height));
    } else {
        FUZZ_CHECK(placement.move && !placement.maximise);
        const int64_t left = centre ? Clamp(HalfDown(int64_t{facts.display.width} - outer.width))
                                    : facts.currentLeft;
        const int64_t top = centre ? Clamp(HalfDown(int64_t{facts.display.height} - outer.height))
                                   : facts.currentTop;
        FUZZ_CHECK(placement.rect == Placed(left, top, outer.width, outer.height));
        if (centre) {
            CheckCentred(placement.rect.left, facts.display.width, outer.width);
            CheckCentred(placement.rect.top, facts.display.height, outer.height);
        }
    }

    // A drag on any edge: the dragged sides move to give the outer size, the others stay.
    const int edge = provider.ConsumeIntegralInRange(0, 9);
    PixelRect dragged;
    dragged.left = Value(provider);
    dragged.top = Value(provider);
    dragged.right = Value(provider);
    dragged.bottom = Value(provider);
    const PixelRect corrected = lumora::CorrectSizing(edge, dragged, outer);
    const bool left = edge == 1 || edge == 4 || edge == 7;
    const bool right = edge == 2 || edge == 5 || edge == 8;
    const bool top = edge == 3 || edge == 4 || edge == 5;
    const bool bottom = edge == 6 || edge == 7 || edge == 8;
    FUZZ_CHECK(corrected.left ==
               (left ? Clamp(int64_t{dragged.right} - outer.width) : dragged.left));
    FUZZ_CHECK(corrected.right ==
               (right ? Clamp(int64_t{dragged.left} + outer.width) : dragged.right));
    FUZZ_CHECK(corrected.top ==
               (top ? Clamp(int64_t{dragged.bottom} - outer.height) : dragged.top));
    FUZZ_CHECK(corrected.bottom ==
               (bottom ? Clamp(int64_t{dragged.top} + outer.height) : dragged.bottom));

    // The screen window: at (0, 0) with the picture's size, or centred on the display.
    const PixelRect screen = lumora::ScreenWindowRect(facts.picture, facts.blackMat, facts.display);
    if (!facts.blackMat) {
        FUZZ_CHECK(screen == Placed(0, 0, picture.width, picture.height));
    } else {
        FUZZ_CHECK(screen == Placed(Clamp(HalfDown(int64_t{facts.display.width} - picture.width)),
                                    Clamp(HalfDown(int64_t{facts.display.height} - picture.height)),
                                    picture.width, picture.height));
        CheckCentred(screen.left, facts.display.width, picture.width);
        CheckCentred(screen.top, facts.display.height, picture.height);
    }

    // The logo popup: the picture and its frame, centred on the display plus the frame.
    const PixelSize logo = Size(provider);
    const PixelSize frame = Size(provider);
    const PixelRect popup = lumora::LogoPopupRect(logo, facts.display, frame);
    const int64_t frameX = 2 * int64_t{frame.width}, frameY = 2 * int64_t{frame.height};
    const int64_t x = Clamp(HalfDown(facts.display.width + frameX - logo.width));
    const int64_t y = Clamp(HalfDown(facts.display.height + frameY - logo.height));
    FUZZ_CHECK(popup == Placed(x, y, Clamp(logo.width + frameX), Clamp(logo.height + frameY)));
    CheckCentred(popup.left, facts.display.width + frameX, logo.width);
    CheckCentred(popup.top, facts.display.height + frameY, logo.height);
    return 0;
}
