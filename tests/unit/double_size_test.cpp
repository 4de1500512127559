// Authors' 2x pictures: the sibling's name, what makes a sibling fit its picture, and a picture
// doubled into 2 x 2 blocks.
#include "imaging/double_size.h"

#include <gtest/gtest.h>

#include <cstring>

#include "unit/dib_test_bmp.h"

namespace lumora {
namespace {

using test::Bmp24;
using test::Bmp8;
using test::TestBmp;

DibImage Load(const TestBmp& bmp) {
    const std::vector<uint8_t> bytes = bmp.Bytes();
    DibImage image;
    EXPECT_TRUE(image.LoadBytes(bytes.data(), bytes.size()));
    return image;
}

TEST(DoubleSizePath, PutsTheMarkBeforeTheFileNamesExtension) {
    EXPECT_EQ(DoubleSizePath("D:\\art\\main.bmp"), "D:\\art\\main@2x.bmp");
    EXPECT_EQ(DoubleSizePath("main.BMP"), "main@2x.BMP");
    EXPECT_EQ(DoubleSizePath("a.b\\logo.final.bmp"), "a.b\\logo.final@2x.bmp");
    // A dot in a folder name is no extension.
    EXPECT_EQ(DoubleSizePath("D:\\v1.2\\logo"), "D:\\v1.2\\logo@2x");
    EXPECT_EQ(DoubleSizePath("x/y.z/logo"), "x/y.z/logo@2x");
    EXPECT_EQ(DoubleSizePath(""), "@2x");
}

TEST(CheckDoubleSize, WantsTwiceTheSizeTheSameDepthAndTheSameColours) {
    const DibImage picture = Load(Bmp8(5, 3));
    EXPECT_EQ(CheckDoubleSize(picture, Load(Bmp8(10, 6))), DoubleSizeFault::kNone);
    EXPECT_EQ(CheckDoubleSize(picture, Load(Bmp8(10, 7))), DoubleSizeFault::kSize);
    EXPECT_EQ(CheckDoubleSize(picture, Load(Bmp8(9, 6))), DoubleSizeFault::kSize);
    EXPECT_EQ(CheckDoubleSize(picture, Load(Bmp8(5, 3))), DoubleSizeFault::kSize);
    EXPECT_EQ(CheckDoubleSize(picture, Load(Bmp24(10, 6))), DoubleSizeFault::kDepth);
    TestBmp fewer = Bmp8(10, 6);
    fewer.tableEntries = 16;
    fewer.clrUsed = 16;
    EXPECT_EQ(CheckDoubleSize(picture, Load(fewer)), DoubleSizeFault::kColorTable);
    // One colour changed in the last entry.
    std::vector<uint8_t> bytes = Bmp8(10, 6).Bytes();
    bytes[54 + 4 * 255] ^= 1;
    DibImage recoloured;
    ASSERT_TRUE(recoloured.LoadBytes(bytes.data(), bytes.size()));
    EXPECT_EQ(CheckDoubleSize(picture, recoloured), DoubleSizeFault::kColorTable);
    // Only blue, green and red count.
    bytes = Bmp8(10, 6).Bytes();
    bytes[54 + 4 * 7 + 3] = 0x55;
    ASSERT_TRUE(recoloured.LoadBytes(bytes.data(), bytes.size()));
    EXPECT_EQ(CheckDoubleSize(picture, recoloured), DoubleSizeFault::kNone);
    EXPECT_EQ(CheckDoubleSize(Load(Bmp24(3, 2)), Load(Bmp24(6, 4))), DoubleSizeFault::kNone);
}

TEST(DoubleImage, EveryPixelBecomesATwoByTwoBlockOfItsValue) {
    for (const TestBmp& bmp : {Bmp8(5, 3), Bmp24(7, 2)}) {
        const DibImage source = Load(bmp);
        DibImage doubled;
        ASSERT_TRUE(DoubleImage(source, doubled));
        ASSERT_EQ(doubled.width(), 2 * bmp.width);
        ASSERT_EQ(doubled.height(), 2 * bmp.height);
        EXPECT_EQ(CheckDoubleSize(source, doubled), DoubleSizeFault::kNone);
        const size_t bytes = size_t(source.bytesPerPixel());
        for (int y = 0; y < doubled.height(); ++y) {
            for (int x = 0; x < doubled.width(); ++x) {
                ASSERT_EQ(std::memcmp(doubled.pixel(x, y), source.pixel(x / 2, y / 2), bytes), 0)
                    << bmp.bitCount << " bits at " << x << "," << y;
            }
        }
    }
}

TEST(DoubleImage, RefusesWhatCannotBeDoubled) {
    DibImage doubled;
    EXPECT_FALSE(DoubleImage(DibImage(), doubled));
    EXPECT_TRUE(doubled.empty());
    TestBmp wide = Bmp8(kMaxDibSide / 2 + 1, 1);
    const DibImage tooWide = Load(wide);
    EXPECT_FALSE(DoubleImage(tooWide, doubled));
    EXPECT_TRUE(doubled.empty());
}

}  // namespace
}  // namespace lumora
