#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "dib_test_bmp.h"
#include "imaging/dib_image.h"
#include "imaging/row_copy.h"

namespace lumora {
namespace {

using test::Bmp24;
using test::Bmp8;
using test::TestBmp;

DibImage Load(const TestBmp& bmp) {
    DibImage image;
    const std::vector<uint8_t> bytes = bmp.Bytes();
    EXPECT_TRUE(image.LoadBytes(bytes.data(), bytes.size()));
    return image;
}

DibImage Copy(const DibImage& image) {
    DibImage copy;
    EXPECT_TRUE(copy.CopyFrom(image));
    return copy;
}

std::vector<uint8_t> Bytes(const DibImage& image) {
    return {image.block(), image.block() + image.blockSize()};
}

// The rule written out pixel by pixel: what the canvas must hold after a composition.
DibImage Expected(const DibImage& canvas, const DibImage& source, int x, int y, int transparency,
                  const PixelRect* clip) {
    DibImage expected = Copy(canvas);
    const int bpp = canvas.bytesPerPixel();
    for (int cy = 0; cy < canvas.height(); ++cy) {
        for (int cx = 0; cx < canvas.width(); ++cx) {
            const int64_t sx = int64_t{cx} - x, sy = int64_t{cy} - y;
            const bool inClip = !clip || (cx >= clip->left && cx < clip->right && cy >= clip->top &&
                                          cy < clip->bottom);
            if (!inClip || sx < 0 || sy < 0 || sx >= source.width() || sy >= source.height()) {
                continue;
            }
            const uint8_t* from = source.pixel(int(sx), int(sy));
            uint8_t* to = expected.pixel(cx, cy);
            if (bpp == 1 && transparency >= 0 && from[0] == (transparency & 0xFF)) {
                continue;
            }
            std::copy(from, from + bpp, to);
        }
    }
    return expected;
}

// Half the pixels of the test pictures are index 0, the key of most tests.
TestBmp Picture8(int width, int height) {
    TestBmp bmp = Bmp8(width, height);
    bmp.pixel = [](int x, int y) { return (x + y) % 2 ? 0u : uint32_t(1 + (x * 3 + y) % 250); };
    return bmp;
}

TEST(DibCompose, PictureLeftOfTheCanvasWritesOnlyItsVisibleColumns) {
    DibImage canvas = Load(Bmp8(640, 480));
    const DibImage picture = Load(Picture8(100, 50));
    const DibImage expected = Expected(canvas, picture, -20, 10, -1, nullptr);
    canvas.Compose(picture, -20, 10, -1);
    EXPECT_EQ(canvas.dirty(), (PixelRect{0, 10, 80, 60}));
    EXPECT_EQ(Bytes(canvas), Bytes(expected));
    EXPECT_EQ(*canvas.pixel(0, 10), *picture.pixel(20, 0));
    EXPECT_EQ(*canvas.pixel(79, 59), *picture.pixel(99, 49));
}

TEST(DibCompose, ClipsAtEveryEdgeForEveryRule) {
    const struct {
        int x, y;
    } places[] = {{-20, 10}, {120, 10}, {10, -30}, {10, 110}, {-50, -40}, {110, 100},
                  {-100, 0}, {160, 0},  {0, 120},  {0, -50},  {5, 7},     {-1, -1}};
    const PixelRect clips[] = {
        {0, 0, 160, 120}, {15, 5, 90, 33}, {-10, -10, 5, 5}, {130, 100, 900, 900}};
    for (int bits : {8, 24}) {
        const DibImage base = Load(bits == 8 ? Bmp8(160, 120) : Bmp24(160, 120));
        const DibImage picture = Load(bits == 8 ? Picture8(100, 50) : Bmp24(100, 50));
        for (const auto& place : places) {
            for (int transparency : {-1, 0, 7}) {
                for (const PixelRect* clip : {static_cast<const PixelRect*>(nullptr), &clips[0],
                                              &clips[1], &clips[2], &clips[3]}) {
                    DibImage canvas = Copy(base);
                    canvas.Compose(picture, place.x, place.y, transparency, clip);
                    const DibImage expected =
                        Expected(base, picture, place.x, place.y, transparency, clip);
                    ASSERT_EQ(Bytes(canvas), Bytes(expected))
                        << bits << " bits at " << place.x << "," << place.y << " key "
                        << transparency;
                    PixelRect written =
                        IntersectRect({0, 0, 160, 120}, PlacedRect(place.x, place.y, 100, 50));
                    if (clip) {
                        written = IntersectRect(written, *clip);
                    }
                    ASSERT_EQ(canvas.dirty(), written);
                }
            }
        }
    }
}

TEST(DibCompose, ClipOutsideThePictureChangesNothing) {
    DibImage canvas = Load(Bmp8(64, 48));
    const std::vector<uint8_t> before = Bytes(canvas);
    const PixelRect clip{40, 0, 64, 10};
    canvas.Compose(Load(Picture8(10, 10)), 5, 5, -1, &clip);
    EXPECT_EQ(Bytes(canvas), before);
    EXPECT_TRUE(canvas.dirty().empty());
}

TEST(DibCompose, KeyUsesOnlyItsLowEightBits) {
    const DibImage base = Load(Bmp8(32, 16));
    const DibImage picture = Load(Picture8(20, 10));
    auto composed = [&](int transparency) {
        DibImage canvas = Copy(base);
        canvas.Compose(picture, 3, 2, transparency);
        return Bytes(canvas);
    };
    EXPECT_EQ(composed(0), Bytes(Expected(base, picture, 3, 2, 0, nullptr)));
    EXPECT_NE(composed(0), composed(-1));
    EXPECT_EQ(composed(256), composed(0));
    EXPECT_EQ(composed(-1), composed(INT_MIN));
    EXPECT_EQ(composed(-1), Bytes(Expected(base, picture, 3, 2, -1, nullptr)));
    // Under a key pixel the canvas keeps its own pixel.
    DibImage canvas = Copy(base);
    canvas.Compose(picture, 3, 2, 0);
    ASSERT_EQ(*picture.pixel(1, 0), 0);
    EXPECT_EQ(*canvas.pixel(4, 2), *base.pixel(4, 2));
}

TEST(DibCompose, TwentyFourBitIgnoresTheKey) {
    const DibImage base = Load(Bmp24(32, 16));
    TestBmp keyed = Bmp24(10, 10);
    keyed.pixel = [](int, int) { return 0x000005u; };  // every byte a possible key
    const DibImage picture = Load(keyed);
    DibImage canvas = Copy(base);
    canvas.Compose(picture, 1, 1, 5);
    EXPECT_EQ(Bytes(canvas), Bytes(Expected(base, picture, 1, 1, -1, nullptr)));
}

TEST(DibCompose, MismatchedFormatsOrEmptyImagesChangeNothing) {
    DibImage canvas8 = Load(Bmp8(32, 16));
    DibImage canvas24 = Load(Bmp24(32, 16));
    const PixelRect earlier{1, 1, 3, 3};
    canvas8.Compose(Load(Picture8(2, 2)), 1, 1, -1);
    const std::vector<uint8_t> before8 = Bytes(canvas8), before24 = Bytes(canvas24);

    canvas8.Compose(canvas24, 0, 0, -1);
    canvas24.Compose(Load(Picture8(4, 4)), 0, 0, -1);
    canvas8.Compose(DibImage{}, 0, 0, -1);
    EXPECT_EQ(Bytes(canvas8), before8);
    EXPECT_EQ(Bytes(canvas24), before24);
    EXPECT_EQ(canvas8.dirty(), earlier);
    EXPECT_TRUE(canvas24.dirty().empty());

    DibImage empty;
    empty.Compose(canvas8, 0, 0, -1);
    EXPECT_TRUE(empty.empty());
    EXPECT_TRUE(empty.dirty().empty());
}

TEST(DibCompose, DirtyRectangleGrowsByUnionUntilCleared) {
    DibImage canvas = Load(Bmp8(200, 200));
    const DibImage picture = Load(Picture8(10, 10));
    canvas.Compose(picture, 0, 0, -1);
    canvas.Compose(picture, 100, 100, 0);
    EXPECT_EQ(canvas.dirty(), (PixelRect{0, 0, 110, 110}));
    canvas.Compose(picture, 50, 50, -1);
    EXPECT_EQ(canvas.dirty(), (PixelRect{0, 0, 110, 110}));
    canvas.ClearDirty();
    canvas.Compose(picture, 195, 20, -1);
    EXPECT_EQ(canvas.dirty(), (PixelRect{195, 20, 200, 30}));
}

TEST(DibCompose, BackgroundRestoresExactlyThePictureRectangle) {
    const DibImage background = Load(Bmp8(120, 90));
    DibImage canvas = Copy(background);
    const DibImage highlight = Load(Picture8(30, 20));
    const DibImage balloon = Load(Picture8(50, 40));
    canvas.Compose(highlight, 10, 15, 0);
    canvas.Compose(balloon, 80, 60, -1);
    ASSERT_NE(Bytes(canvas), Bytes(background));

    const PixelRect highlightRect = PlacedRect(10, 15, 30, 20);
    const PixelRect balloonRect = PlacedRect(80, 60, 50, 40);
    canvas.Compose(background, 0, 0, -1, &highlightRect);
    canvas.Compose(background, 0, 0, -1, &balloonRect);
    EXPECT_EQ(Bytes(canvas), Bytes(background));
}

TEST(DibCompose, ComposingAnImageOntoItselfReadsThePixelsBeforeTheChange) {
    const DibImage original = Load(Picture8(40, 30));
    DibImage image = Copy(original);
    image.Compose(image, 3, 2, 0);
    EXPECT_EQ(Bytes(image), Bytes(Expected(original, original, 3, 2, 0, nullptr)));
}

TEST(DibCompose, PositionsAndClipsAtTheIntLimitsAreSafe) {
    const DibImage base = Load(Bmp8(16, 16));
    const DibImage picture = Load(Picture8(8, 8));
    const int far[] = {INT_MIN, INT_MIN + 5, -9, INT_MAX - 5, INT_MAX};
    const PixelRect wide{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    for (int x : far) {
        for (int y : far) {
            DibImage canvas = Copy(base);
            canvas.Compose(picture, x, y, 0, &wide);
            EXPECT_EQ(Bytes(canvas), Bytes(base)) << x << "," << y;
            EXPECT_TRUE(canvas.dirty().empty());
        }
    }
}

// The plain rule that the fast row copies must match byte for byte.
void PlainKeyedCopy(uint8_t* dst, const uint8_t* src, size_t count, uint8_t key) {
    for (size_t i = 0; i < count; ++i) {
        if (src[i] != key) {
            dst[i] = src[i];
        }
    }
}

TEST(CopyRowKeyed, EveryWayMatchesThePlainRule) {
    using Copier = void (*)(uint8_t*, const uint8_t*, size_t, uint8_t);
    std::vector<Copier> copiers = {CopyRowKeyed, CopyRowKeyedWords};
#ifdef LUMORA_HAVE_SSE2
    copiers.push_back(CopyRowKeyedSse2);
#endif
    std::mt19937 random(7);
    for (size_t count = 0; count <= 300; ++count) {
        for (size_t offset : {0, 1, 3, 7}) {
            const uint8_t key = static_cast<uint8_t>(random());
            std::vector<uint8_t> src(count + 16), dst(count + 16);
            for (size_t i = 0; i < src.size(); ++i) {
                // Keys in runs and alone, and bytes one bit away from the key.
                const uint32_t r = random() % 8;
                src[i] = r < 3    ? key
                         : r == 3 ? uint8_t(key ^ (1u << random() % 8))
                                  : static_cast<uint8_t>(random());
                dst[i] = static_cast<uint8_t>(random());
            }
            std::vector<uint8_t> expected = dst;
            PlainKeyedCopy(expected.data() + offset, src.data() + offset, count, key);
            for (Copier copy : copiers) {
                std::vector<uint8_t> got = dst;
                copy(got.data() + offset, src.data() + offset, count, key);
                ASSERT_EQ(got, expected) << "count " << count << " offset " << offset;
            }
        }
    }
}

}  // namespace
}  // namespace lumora
