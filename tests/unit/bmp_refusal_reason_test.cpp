// Why the BMP loader refuses a file: the reason the authors' kit shows beside the picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imaging/bmp_layout.h"
#include "support/bmp_writer.h"

namespace lumora {
namespace {

std::string Reason(std::vector<uint8_t> file, size_t offset = 0, std::vector<uint8_t> bytes = {}) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        file[offset + i] = bytes[i];
    }
    uint8_t headers[kBmpHeadersSize];
    std::copy(file.begin(), file.begin() + kBmpHeadersSize, headers);
    std::string reason = "accepted";
    const auto layout = ParseBmpHeaders(headers, file.size(), &reason);
    EXPECT_EQ(layout.has_value(), reason == "accepted");
    return reason;
}

TEST(BmpRefusalReason, NamesTheFirstRuleAFileBreaks) {
    const auto good = testing::Bitmap8(4, 4, {{1, 2, 3}, {4, 5, 6}}, [](int, int) { return 1; });
    EXPECT_EQ(Reason(good), "accepted");
    EXPECT_EQ(Reason(good, 0, {'P', 'K'}), "not a BMP file (it does not start with \"BM\")");
    EXPECT_EQ(Reason(good, 14, {12}), "its info header is not the 40-byte BITMAPINFOHEADER");
    EXPECT_EQ(Reason(good, 30, {1}), "compressed (only uncompressed pictures load)");
    EXPECT_EQ(Reason(good, 28, {32}), "not 8 or 24 bits per pixel");
    EXPECT_EQ(Reason(good, 26, {2}), "more than one plane");
    EXPECT_EQ(Reason(good, 22, {0xFC, 0xFF, 0xFF, 0xFF}), "stored top-down (negative height)");
    EXPECT_EQ(Reason(good, 18, {0, 0, 1, 0}), "its width or height is not 1 to 16384 pixels");
    EXPECT_EQ(Reason(good, 46, {0, 2}), "its colour table has more than 256 entries");
    EXPECT_EQ(Reason(good, 46, {200}), "the file ends inside its colour table");
    std::vector<uint8_t> cut = good;
    cut.resize(cut.size() - 1);
    EXPECT_EQ(Reason(cut), "the file ends before its last pixel row");
}

TEST(BmpRefusalReason, AShortFileIsShorterThanItsHeaders) {
    uint8_t headers[kBmpHeadersSize] = {'B', 'M'};
    std::string reason;
    EXPECT_FALSE(ParseBmpHeaders(headers, 20, &reason));
    EXPECT_EQ(reason, "shorter than the BMP headers");
    EXPECT_FALSE(ParseBmpHeaders(headers, 20));  // without a reason asked for
}

}  // namespace
}  // namespace lumora
