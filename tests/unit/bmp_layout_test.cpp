// The limits of the header check that keep the loader's block and every offset small: colour
// tables, parts of the file that overlap, and files near and past 2 GB, checked from the headers
// alone so that nothing of that size is ever allocated.
#include "imaging/bmp_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "dib_test_bmp.h"
#include "imaging/dib_image.h"

namespace lumora {
namespace {

using test::Info;
using test::kOffBfOffBits;
using test::Put16;
using test::Put32;

struct Headers {
    uint32_t offBits = 54;
    int bitCount = 24;
    uint32_t width = 1;
    uint32_t height = 1;
    uint32_t clrUsed = 0;

    std::vector<uint8_t> Bytes() const {
        std::vector<uint8_t> bytes(kBmpHeadersSize, 0);
        bytes[0] = 'B';
        bytes[1] = 'M';
        Put32(bytes, kOffBfOffBits, offBits);
        Put32(bytes, Info(kBiSize), 40);
        Put32(bytes, Info(kBiWidth), width);
        Put32(bytes, Info(kBiHeight), height);
        Put16(bytes, Info(kBiPlanes), 1);
        Put16(bytes, Info(kBiBitCount), static_cast<uint32_t>(bitCount));
        Put32(bytes, Info(kBiClrUsed), clrUsed);
        return bytes;
    }

    std::optional<BmpLayout> Parse(uint64_t fileSize) const {
        const std::vector<uint8_t> bytes = Bytes();
        uint8_t headers[kBmpHeadersSize];
        std::copy(bytes.begin(), bytes.end(), headers);
        return ParseBmpHeaders(headers, fileSize);
    }
};

// The 24-bit file of the reported fault: a 2 GB colour table, the pixels after it.
Headers HugeTable() {
    Headers h;
    h.clrUsed = 0x20000000;
    h.offBits = 54 + 0x80000000u;
    return h;
}

TEST(BmpLayout, HugeColourTableOfA24BitFileIsRefused) {
    const Headers huge = HugeTable();
    EXPECT_FALSE(huge.Parse(uint64_t{huge.offBits} + 4));
    EXPECT_FALSE(huge.Parse(uint64_t{1} << 40));
}

TEST(BmpLayout, SparseTwoGigabyteFileIsRefusedBeforeAnyAllocation) {
    const std::string path = ::testing::TempDir() + "bmp_layout_sparse.bmp";
    const Headers huge = HugeTable();
    ASSERT_TRUE(test::WriteBytes(path, huge.Bytes()));
    std::error_code error;
    std::filesystem::resize_file(path, uint64_t{huge.offBits} + 4, error);
    if (error) {
        std::remove(path.c_str());
        GTEST_SKIP() << "no sparse file here: " << error.message();
    }
    DibImage image;
    EXPECT_FALSE(image.LoadFile(path));
    EXPECT_TRUE(image.empty());
    std::remove(path.c_str());
}

TEST(BmpLayout, TwentyFourBitColourTableIsBoundedByWhatAPaletteCounts) {
    Headers h;
    h.clrUsed = kMaxColorTable24;
    h.offBits = 54 + 4 * kMaxColorTable24;
    const std::optional<BmpLayout> longest = h.Parse(h.offBits + 4);
    ASSERT_TRUE(longest);
    EXPECT_EQ(longest->colorCount, kMaxColorTable24);
    EXPECT_EQ(longest->bitsOffset, int32_t(40 + 4 * kMaxColorTable24));

    h.clrUsed = kMaxColorTable24 + 1;
    h.offBits += 4;
    EXPECT_FALSE(h.Parse(h.offBits + 4));

    // And it loads: the table follows the header, the pixels follow the table.
    test::TestBmp bmp = test::Bmp24(3, 2);
    bmp.clrUsed = bmp.tableEntries = kMaxColorTable24;
    const std::vector<uint8_t> bytes = bmp.Bytes();
    DibImage image;
    ASSERT_TRUE(image.LoadBytes(bytes.data(), bytes.size()));
    EXPECT_EQ(image.colorCount(), kMaxColorTable24);
    EXPECT_EQ(ReadLe32(image.color(kMaxColorTable24 - 1)), test::TestColor(kMaxColorTable24 - 1));
}

TEST(BmpLayout, PixelsThatOverlapTheColourTableAreRefused) {
    // 1024 x 2 8-bit pixels as large as the whole file, read from its start: the block would hold
    // the 1 KB colour table twice over.
    Headers h;
    h.bitCount = 8;
    h.width = 1024;
    h.height = 2;
    h.offBits = 0;
    EXPECT_FALSE(h.Parse(2048));
    h.offBits = 54 + 1024 - 1;
    EXPECT_FALSE(h.Parse(h.offBits + 2048));
    h.offBits = 54 + 1024;
    EXPECT_TRUE(h.Parse(h.offBits + 2048));
}

TEST(BmpLayout, EveryFileOffsetEndsWithinTheInt32Range) {
    Headers h;
    h.width = h.height = kMaxDibSide;
    const uint32_t pixelBytes = uint32_t{kMaxDibSide} * 3 * kMaxDibSide;
    const uint64_t farFile = uint64_t{1} << 33;
    h.offBits = INT32_MAX - pixelBytes;
    const std::optional<BmpLayout> last = h.Parse(farFile);
    ASSERT_TRUE(last);
    EXPECT_EQ(int64_t{last->pixelOffset} + last->pixelBytes, INT32_MAX);
    EXPECT_EQ(last->blockSize, int32_t(40 + pixelBytes));
    h.offBits += 1;
    EXPECT_FALSE(h.Parse(farFile));
    h.offBits = UINT32_MAX;
    EXPECT_FALSE(h.Parse(farFile));
}

// Random headers over file sizes from tiny to far beyond 4 GB: whatever is accepted keeps the
// promise of bmp_layout.h, and its numbers agree with each other.
TEST(BmpLayout, AcceptedLayoutsNeverNeedMoreThanTheFileHolds) {
    std::mt19937_64 random(11);
    auto pick = [&](std::initializer_list<uint64_t> choices) {
        return *(choices.begin() + random() % choices.size());
    };
    int accepted = 0;
    for (int i = 0; i < 60000; ++i) {
        Headers h;
        h.bitCount = random() % 2 ? 8 : 24;
        h.width = uint32_t(pick({1, 2, 3, 5, 1024, kMaxDibSide, random() % 64 + 1}));
        h.height = uint32_t(pick({1, 2, 7, kMaxDibSide, random() % 64 + 1}));
        h.clrUsed =
            uint32_t(pick({0, 1, 256, 257, 300, kMaxColorTable24, 0x20000000, random() % 1024}));
        h.offBits = uint32_t(pick({0, 53, 54, 1078, 0x80000036u, INT32_MAX, random() % 8192,
                                   random() % (uint64_t{1} << 32)}));
        const uint64_t fileSize = pick({54, 100, 5000, 70000, uint64_t{1} << 31, uint64_t{1} << 34,
                                        random() % 20000, random() % (uint64_t{1} << 33)});
        const std::optional<BmpLayout> layout = h.Parse(fileSize);
        if (!layout) {
            continue;
        }
        ++accepted;
        const uint64_t blockSize = uint64_t(layout->blockSize);
        ASSERT_LE(blockSize + kBmpFileHeaderSize, fileSize) << i;
        ASSERT_EQ(layout->tableBytes, int32_t(4 * layout->colorCount)) << i;
        ASSERT_EQ(layout->bitsOffset, 40 + layout->tableBytes) << i;
        ASSERT_EQ(blockSize, uint64_t(layout->bitsOffset) + uint64_t(layout->pixelBytes)) << i;
        ASSERT_EQ(layout->pixelBytes, layout->stride * layout->height) << i;
        ASSERT_GE(uint64_t(layout->pixelOffset), 54 + uint64_t(layout->tableBytes)) << i;
        ASSERT_LE(uint64_t(layout->pixelOffset) + uint64_t(layout->pixelBytes),
                  std::min<uint64_t>(fileSize, INT32_MAX))
            << i;
        ASSERT_LE(layout->colorCount, h.bitCount == 8 ? 256u : kMaxColorTable24) << i;
    }
    // The draw reaches the accepted side often enough to mean something.
    EXPECT_GT(accepted, 300);
}

}  // namespace
}  // namespace lumora
