#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "dib_test_bmp.h"
#include "imaging/dib_image.h"

namespace lumora {
namespace {

using test::Bmp24;
using test::Bmp8;
using test::Put16;
using test::Put32;
using test::TestBmp;

bool Load(DibImage& image, const std::vector<uint8_t>& bytes) {
    return image.LoadBytes(bytes.data(), bytes.size());
}

uint32_t StoredField(const DibImage& image, size_t offset) {
    return ReadLe32(image.block() + offset);
}

void ExpectEmpty(const DibImage& image) {
    EXPECT_TRUE(image.empty());
    EXPECT_EQ(image.width(), 0);
    EXPECT_EQ(image.height(), 0);
    EXPECT_EQ(image.stride(), 0);
    EXPECT_EQ(image.colorTableOffset(), 0);
    EXPECT_EQ(image.bitsOffset(), 0);
    EXPECT_EQ(image.blockSize(), 0u);
}

// Every pixel as the builder wrote it, read through the bottom-up addressing.
void ExpectPixels(const DibImage& image, const TestBmp& bmp) {
    ASSERT_EQ(image.width(), bmp.width);
    ASSERT_EQ(image.height(), bmp.height);
    for (int y = 0; y < bmp.height; ++y) {
        for (int x = 0; x < bmp.width; ++x) {
            const uint8_t* p = image.pixel(x, y);
            const uint32_t expected = bmp.pixel(x, y);
            const uint32_t got = bmp.bitCount == 8 ? p[0] : uint32_t(p[0] | p[1] << 8 | p[2] << 16);
            ASSERT_EQ(got, bmp.bitCount == 8 ? (expected & 0xFF) : expected) << x << "," << y;
        }
    }
}

TEST(DibLoad, EightBitWithoutColourCountGets256Colours) {
    const TestBmp bmp = Bmp8(3, 2);
    DibImage image;
    ASSERT_TRUE(Load(image, bmp.Bytes()));
    EXPECT_EQ(image.format(), kFormat8Bit);
    EXPECT_EQ(image.colorCount(), 256u);
    EXPECT_EQ(StoredField(image, kBiClrUsed), 256u);
    EXPECT_EQ(image.colorTableOffset(), 40);
    EXPECT_EQ(image.bitsOffset(), 40 + 1024);
    EXPECT_EQ(image.blockSize(), 40u + 1024 + 4 * 2);
    EXPECT_EQ(ReadLe32(image.color(255)), test::TestColor(255));
    ExpectPixels(image, bmp);
}

TEST(DibLoad, EightBitKeepsItsShortColourTable) {
    TestBmp bmp = Bmp8(4, 4);
    bmp.clrUsed = bmp.tableEntries = 16;
    bmp.pixel = [](int x, int y) { return uint32_t(x + 4 * y); };
    DibImage image;
    ASSERT_TRUE(Load(image, bmp.Bytes()));
    EXPECT_EQ(image.colorCount(), 16u);
    EXPECT_EQ(image.bitsOffset(), 40 + 64);
    EXPECT_EQ(ReadLe32(image.color(15)), test::TestColor(15));
    ExpectPixels(image, bmp);
}

TEST(DibLoad, TwentyFourBitHasNoColourTableUnlessItCarriesOne) {
    TestBmp bmp = Bmp24(5, 3);
    DibImage image;
    ASSERT_TRUE(Load(image, bmp.Bytes()));
    EXPECT_EQ(image.format(), kFormat24Bit);
    EXPECT_EQ(image.colorTableOffset(), 0);
    EXPECT_EQ(image.bitsOffset(), 40);
    EXPECT_EQ(image.colorCount(), 0u);
    ExpectPixels(image, bmp);

    bmp.clrUsed = bmp.tableEntries = 3;
    ASSERT_TRUE(Load(image, bmp.Bytes()));
    EXPECT_EQ(image.colorTableOffset(), 40);
    EXPECT_EQ(image.bitsOffset(), 40 + 12);
    EXPECT_EQ(image.colorCount(), 3u);
    ExpectPixels(image, bmp);
}

TEST(DibLoad, RowsArePaddedToFourBytes) {
    const struct {
        int bitCount, width, stride;
    } cases[] = {{8, 1, 4}, {8, 5, 8}, {8, 127, 128}, {24, 1, 4}, {24, 5, 16}, {24, 127, 384}};
    for (const auto& c : cases) {
        TestBmp bmp = c.bitCount == 8 ? Bmp8(c.width, 3) : Bmp24(c.width, 3);
        DibImage image;
        ASSERT_TRUE(Load(image, bmp.Bytes())) << c.bitCount << " bits, width " << c.width;
        EXPECT_EQ(image.stride(), c.stride) << c.bitCount << " bits, width " << c.width;
        ExpectPixels(image, bmp);
    }
}

TEST(DibLoad, PixelsAreReadFromTheirOffsetAfterAGap) {
    TestBmp bmp = Bmp8(6, 2);
    bmp.gap = 37;
    DibImage image;
    ASSERT_TRUE(Load(image, bmp.Bytes()));
    EXPECT_EQ(image.bitsOffset(), 40 + 1024);
    ExpectPixels(image, bmp);
}

TEST(DibLoad, ImageSizeIsAlwaysStrideTimesHeight) {
    for (uint32_t sizeImage : {0u, 1u, 12u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        TestBmp bmp = Bmp24(5, 3);
        bmp.sizeImage = sizeImage;
        DibImage image;
        ASSERT_TRUE(Load(image, bmp.Bytes())) << sizeImage;
        EXPECT_EQ(StoredField(image, kBiSizeImage), 16u * 3) << sizeImage;
        EXPECT_EQ(image.blockSize(), 40u + 16 * 3) << sizeImage;
        ExpectPixels(image, bmp);
    }
}

TEST(DibLoad, LargestSideLoads) {
    TestBmp wide = Bmp24(kMaxDibSide, 1);
    TestBmp tall = Bmp8(1, kMaxDibSide);
    DibImage image;
    ASSERT_TRUE(Load(image, wide.Bytes()));
    EXPECT_EQ(image.stride(), kMaxDibSide * 3);
    ASSERT_TRUE(Load(image, tall.Bytes()));
    EXPECT_EQ(image.height(), kMaxDibSide);
}

// A change to a valid file that makes it unacceptable.
struct Refusal {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> spoil;
    int bitCount = 8;
};

std::vector<Refusal> Refusals() {
    auto set32 = [](size_t at, uint32_t v) {
        return [=](std::vector<uint8_t>& b) { Put32(b, at, v); };
    };
    auto set16 = [](size_t at, uint32_t v) {
        return [=](std::vector<uint8_t>& b) { Put16(b, at, v); };
    };
    auto truncate = [](size_t size) { return [=](std::vector<uint8_t>& b) { b.resize(size); }; };
    using namespace test;
    return {
        {"empty file", truncate(0)},
        {"file header only", truncate(14)},
        {"info header cut short", truncate(53)},
        {"not BM", [](std::vector<uint8_t>& b) { b[1] = 'A'; }},
        {"12-byte info header", set32(Info(kBiSize), 12)},
        {"108-byte info header", set32(Info(kBiSize), 108)},
        {"RLE8", set32(Info(kBiCompression), 1)},
        {"bit fields", set32(Info(kBiCompression), 3), 24},
        {"1 bit", set16(Info(kBiBitCount), 1)},
        {"4 bits", set16(Info(kBiBitCount), 4)},
        {"16 bits", set16(Info(kBiBitCount), 16), 24},
        {"32 bits", set16(Info(kBiBitCount), 32), 24},
        {"two planes", set16(Info(kBiPlanes), 2)},
        {"no plane", set16(Info(kBiPlanes), 0)},
        {"width 0", set32(Info(kBiWidth), 0)},
        {"negative width", set32(Info(kBiWidth), uint32_t(-4))},
        {"width above the limit", set32(Info(kBiWidth), kMaxDibSide + 1)},
        {"width INT_MIN", set32(Info(kBiWidth), 0x80000000u)},
        {"height 0", set32(Info(kBiHeight), 0)},
        {"top-down", set32(Info(kBiHeight), uint32_t(-3))},
        {"top-down INT_MIN", set32(Info(kBiHeight), 0x80000000u)},
        {"height above the limit", set32(Info(kBiHeight), kMaxDibSide + 1)},
        {"257 colours", set32(Info(kBiClrUsed), 257)},
        {"4G colours", set32(Info(kBiClrUsed), 0xFFFFFFFFu)},
        {"colour table past the end", set32(Info(kBiClrUsed), 0x40000000u), 24},
        {"pixels past the end", set32(kOffBfOffBits, 0x10000u)},
        {"pixels before the start", set32(kOffBfOffBits, 0xFFFFFFF0u)},
        {"pixels over the headers", set32(kOffBfOffBits, 0)},
        {"pixels over the headers of a 24-bit file", set32(kOffBfOffBits, 53), 24},
        {"pixels over the last colour", set32(kOffBfOffBits, 54 + 4 * 255)},
        {"pixel array one byte short", [](std::vector<uint8_t>& b) { b.pop_back(); }},
        {"pixel offset one byte too far",
         [](std::vector<uint8_t>& b) {
             Put32(b, kOffBfOffBits, ReadLe32(b.data() + kOffBfOffBits) + 1);
         }},
        {"huge picture in a small file",
         [](std::vector<uint8_t>& b) {
             Put32(b, Info(kBiWidth), kMaxDibSide);
             Put32(b, Info(kBiHeight), kMaxDibSide);
         },
         24},
    };
}

TEST(DibLoad, RefusesEveryBrokenHeaderAndEmptiesTheImage) {
    const TestBmp previous = Bmp24(7, 5);
    for (const Refusal& refusal : Refusals()) {
        TestBmp bmp = refusal.bitCount == 8 ? Bmp8(6, 4) : Bmp24(6, 4);
        std::vector<uint8_t> bytes = bmp.Bytes();
        DibImage image;
        ASSERT_TRUE(Load(image, bytes)) << "the unspoilt file for " << refusal.what;
        refusal.spoil(bytes);
        ASSERT_TRUE(Load(image, previous.Bytes()));
        EXPECT_FALSE(Load(image, bytes)) << refusal.what;
        ExpectEmpty(image);
        // Refused from the headers and the file size alone, before any allocation.
        if (bytes.size() >= kBmpHeadersSize) {
            uint8_t headers[kBmpHeadersSize];
            std::copy(bytes.begin(), bytes.begin() + kBmpHeadersSize, headers);
            EXPECT_FALSE(ParseBmpHeaders(headers, bytes.size())) << refusal.what;
        }
    }
}

TEST(DibLoad, FileLoadsLikeItsBytes) {
    const TestBmp bmp = Bmp8(9, 7);
    const std::string path = ::testing::TempDir() + "dib_load_test.bmp";
    ASSERT_TRUE(test::WriteBytes(path, bmp.Bytes()));
    DibImage fromFile, fromBytes;
    ASSERT_TRUE(fromFile.LoadFile(path));
    ASSERT_TRUE(Load(fromBytes, bmp.Bytes()));
    EXPECT_EQ(std::vector<uint8_t>(fromFile.block(), fromFile.block() + fromFile.blockSize()),
              std::vector<uint8_t>(fromBytes.block(), fromBytes.block() + fromBytes.blockSize()));
    std::remove(path.c_str());

    EXPECT_FALSE(fromFile.LoadFile(path));
    ExpectEmpty(fromFile);
    EXPECT_FALSE(fromFile.LoadFile(::testing::TempDir()));
}

TEST(DibCopy, CopyIsIndependentAndKeepsTheDirtyRectangle) {
    DibImage original, picture, copy;
    ASSERT_TRUE(Load(original, Bmp8(20, 10).Bytes()));
    ASSERT_TRUE(Load(picture, Bmp8(4, 4).Bytes()));
    original.Compose(picture, 2, 3, -1);
    ASSERT_TRUE(copy.CopyFrom(original));
    EXPECT_EQ(copy.dirty(), (PixelRect{2, 3, 6, 7}));
    EXPECT_EQ(copy.stride(), original.stride());
    EXPECT_EQ(copy.bitsOffset(), original.bitsOffset());
    copy.pixel(0, 0)[0] ^= 0xFF;
    EXPECT_NE(copy.pixel(0, 0)[0], original.pixel(0, 0)[0]);
}

TEST(DibCopy, CopyFromEmptyOrItselfFailsAndEmpties) {
    DibImage image, empty;
    ASSERT_TRUE(Load(image, Bmp8(4, 4).Bytes()));
    EXPECT_FALSE(image.CopyFrom(empty));
    ExpectEmpty(image);
    ASSERT_TRUE(Load(image, Bmp8(4, 4).Bytes()));
    EXPECT_FALSE(image.CopyFrom(image));
    ExpectEmpty(image);
}

// Each file in the seed corpus says by its name whether it loads.
TEST(DibLoad, SeedCorpusFilesLoadOrAreRefusedByName) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(LUMORA_TEST_DATA "/bmp")) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".bmp") {
            continue;
        }
        ++files;
        DibImage image;
        const bool loaded = image.LoadFile(entry.path().string());
        EXPECT_EQ(loaded, name.rfind("ok-", 0) == 0) << name;
        if (!loaded) {
            ExpectEmpty(image);
        }
    }
    EXPECT_GE(files, 10);
}

}  // namespace
}  // namespace lumora
