// Composition geometry: random picture sizes, positions and clips near 0, the picture edges and
// the int limits, opaque and keyed, onto another picture or onto itself. Every byte of the canvas
// block must be what the plain per-pixel rule gives, and the dirty rectangle must grow by exactly
// the bounding box of the pixels that the rule lets through.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "imaging/dib_image.h"
#include "unit/dib_test_bmp.h"

namespace {

using lumora::DibImage;
using lumora::PixelRect;

constexpr int kMaxSide = 40;

DibImage MakePicture(int bits, int width, int height, uint32_t seed, int key) {
    lumora::test::TestBmp bmp =
        bits == 8 ? lumora::test::Bmp8(width, height) : lumora::test::Bmp24(width, height);
    // Every third 8-bit pixel is the key, so that keyed copies skip some and copy others.
    bmp.pixel = [seed, key](int x, int y) {
        std::minstd_rand random(seed ^ uint32_t(x * 73 + y * 9151 + 1));
        const uint32_t value = random();
        return value % 3 == 0 ? uint32_t(key & 0xFF) : value & 0xFFFFFF;
    };
    const std::vector<uint8_t> bytes = bmp.Bytes();
    DibImage image;
    FUZZ_CHECK(image.LoadBytes(bytes.data(), bytes.size()));
    return image;
}

// A coordinate near one of the places where composition changes its mind.
int Coordinate(FuzzedDataProvider& provider, int canvasSide, int sourceSide) {
    const int64_t anchors[] = {INT_MIN, -int64_t{sourceSide}, 0, canvasSide, INT_MAX};
    const uint8_t pick = provider.ConsumeIntegralInRange<uint8_t>(0, 5);
    if (pick == 5) {
        return provider.ConsumeIntegral<int>();
    }
    const int64_t value = anchors[pick] + provider.ConsumeIntegralInRange(-3, 3);
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

// The smallest rectangle holding both; an empty one adds nothing.
PixelRect Union(const PixelRect& a, const PixelRect& b) {
    if (a.empty() || b.empty()) {
        return a.empty() ? b : a;
    }
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

std::vector<uint8_t> Block(const DibImage& image) {
    return {image.block(), image.block() + image.blockSize()};
}

// What the canvas must hold, pixel by pixel, and the box of the pixels written.
DibImage Expected(const DibImage& canvas, const DibImage& source, int x, int y, int transparency,
                  const PixelRect* clip, PixelRect& written) {
    DibImage expected;
    FUZZ_CHECK(expected.CopyFrom(canvas));
    const int bpp = canvas.bytesPerPixel();
    int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
    for (int cy = 0; cy < canvas.height(); ++cy) {
        for (int cx = 0; cx < canvas.width(); ++cx) {
            const int64_t sx = int64_t{cx} - x, sy = int64_t{cy} - y;
            const bool inClip = !clip || (cx >= clip->left && cx < clip->right && cy >= clip->top &&
                                          cy < clip->bottom);
            if (!inClip || sx < 0 || sy < 0 || sx >= source.width() || sy >= source.height()) {
                continue;
            }
            left = std::min<int64_t>(left, cx), top = std::min<int64_t>(top, cy);
            right = std::max<int64_t>(right, cx + 1), bottom = std::max<int64_t>(bottom, cy + 1);
            const uint8_t* from = source.pixel(int(sx), int(sy));
            if (bpp == 1 && transparency >= 0 && from[0] == (transparency & 0xFF)) {
                continue;
            }
            std::copy(from, from + bpp, expected.pixel(cx, cy));
        }
    }
    written = right < 0 ? PixelRect{} : PixelRect{int(left), int(top), int(right), int(bottom)};
    return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    const int bits = provider.ConsumeBool() ? 8 : 24;
    const int canvasWidth = provider.ConsumeIntegralInRange(1, kMaxSide);
    const int canvasHeight = provider.ConsumeIntegralInRange(1, kMaxSide);
    const int key = provider.ConsumeIntegralInRange(0, 255);
    DibImage canvas =
        MakePicture(bits, canvasWidth, canvasHeight, provider.ConsumeIntegral<uint32_t>(), key);

    // A few compositions in a row, so that the dirty rectangle grows from what came before.
    for (int step = 0; step < 3 && provider.remaining_bytes() > 0; ++step) {
        const bool ontoItself = provider.ConsumeIntegralInRange(0, 7) == 0;
        const DibImage picture = MakePicture(bits, provider.ConsumeIntegralInRange(1, kMaxSide),
                                             provider.ConsumeIntegralInRange(1, kMaxSide),
                                             provider.ConsumeIntegral<uint32_t>(), key);
        DibImage before;
        FUZZ_CHECK(before.CopyFrom(canvas));
        const DibImage& source = ontoItself ? before : picture;
        const int x = Coordinate(provider, canvasWidth, source.width());
        const int y = Coordinate(provider, canvasHeight, source.height());
        const int transparency = provider.ConsumeBool() ? provider.ConsumeIntegral<int>()
                                                        : (provider.ConsumeBool() ? key : -1);
        PixelRect clip;
        const bool clipped = provider.ConsumeBool();
        if (clipped) {
            clip.left = Coordinate(provider, canvasWidth, source.width());
            clip.top = Coordinate(provider, canvasHeight, source.height());
            clip.right = Coordinate(provider, canvasWidth, source.width());
            clip.bottom = Coordinate(provider, canvasHeight, source.height());
        }

        PixelRect written;
        const DibImage expected =
            Expected(before, source, x, y, transparency, clipped ? &clip : nullptr, written);
        canvas.Compose(ontoItself ? canvas : picture, x, y, transparency,
                       clipped ? &clip : nullptr);
        FUZZ_CHECK(Block(canvas) == Block(expected));
        FUZZ_CHECK(canvas.dirty() == Union(before.dirty(), written));
    }

    // A picture of the other format changes nothing at all.
    const DibImage other = MakePicture(bits == 8 ? 24 : 8, 4, 4, 1, key);
    DibImage before;
    FUZZ_CHECK(before.CopyFrom(canvas));
    canvas.Compose(other, 0, 0, -1);
    FUZZ_CHECK(Block(canvas) == Block(before) && canvas.dirty() == before.dirty());
    return 0;
}
