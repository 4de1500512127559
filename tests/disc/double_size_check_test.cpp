// `check` on 2x pictures: a sibling that fits says nothing; one of the wrong size, depth or
// colour table is reported at the line of the picture it stands beside.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "disc_check.h"
#include "support/bmp_writer.h"

namespace lumora::disc {
namespace {

namespace fs = std::filesystem;
using lumora::testing::Rgb;
using lumora::testing::WriteBitmap24;
using lumora::testing::WriteBitmap8;

std::vector<Rgb> Palette(uint8_t shift) {
    std::vector<Rgb> palette;
    for (int i = 0; i < 16; ++i) {
        palette.push_back({uint8_t(i * 16 + shift), uint8_t(255 - i * 16), 0});
    }
    return palette;
}

bool Write8(const fs::path& path, int width, int height, uint8_t shift = 0) {
    return WriteBitmap8(path.string(), width, height, Palette(shift), [](int, int) { return 1; });
}

class DoubleSizeCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("lumora-2x-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
        std::ofstream(folder_ / "Lumora.ini") << "[Config]\r\n"
                                                 "ScreenNames=Main\r\n"
                                                 "Startup=Main\r\n"
                                                 "[Screen Main]\r\n"
                                                 "Bitmap=%rmain.bmp\r\n"
                                                 "RegionNames=A\r\n"
                                                 "[Main-Region A]\r\n"
                                                 "Shape=0,0,10,0,10,10\r\n"
                                                 "HighlightBitmap=%rlight.bmp\r\n"
                                                 "HighlightPosition=0,0\r\n";
        ASSERT_TRUE(Write8(folder_ / "main.bmp", 32, 24));
        ASSERT_TRUE(Write8(folder_ / "light.bmp", 8, 6));
    }
    void TearDown() override { fs::remove_all(folder_); }

    // The diagnostics that mention a 2x picture, as "line: message".
    std::vector<std::string> Reported() {
        std::vector<std::string> out;
        for (const Diagnostic& d : CheckDisc(folder_.string()).diagnostics.Sorted()) {
            if (d.message.find("2x picture") != std::string::npos) {
                EXPECT_EQ(d.severity, Severity::kWarning) << d.message;
                out.push_back(std::to_string(d.line) + ": " + d.message);
            }
        }
        return out;
    }

    fs::path folder_;
};

TEST_F(DoubleSizeCheck, FittingSiblingsSayNothing) {
    ASSERT_TRUE(Write8(folder_ / "main@2x.bmp", 64, 48));
    ASSERT_TRUE(Write8(folder_ / "light@2x.bmp", 16, 12));
    EXPECT_TRUE(Reported().empty());
}

TEST_F(DoubleSizeCheck, WrongSizeDepthAndColourTableAreReportedAtTheirPictures) {
    ASSERT_TRUE(Write8(folder_ / "main@2x.bmp", 64, 47));
    ASSERT_TRUE(Write8(folder_ / "light@2x.bmp", 16, 12, 1));
    std::vector<std::string> reported = Reported();
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_NE(reported[0].find("5: "), std::string::npos) << reported[0];
    EXPECT_NE(reported[0].find("'main@2x.bmp' is 64x47, not 64x48"), std::string::npos)
        << reported[0];
    EXPECT_NE(reported[1].find("9: "), std::string::npos) << reported[1];
    EXPECT_NE(reported[1].find("another colour table"), std::string::npos) << reported[1];

    ASSERT_TRUE(WriteBitmap24((folder_ / "light@2x.bmp").string(), 16, 12, [](int, int) {
        return Rgb{1, 2, 3};
    }));
    reported = Reported();
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_NE(reported[1].find("is 24-bit but the picture is 8-bit"), std::string::npos)
        << reported[1];
}

TEST_F(DoubleSizeCheck, ARefusedSiblingIsReported) {
    std::ofstream(folder_ / "main@2x.bmp") << "not a picture";
    const std::vector<std::string> reported = Reported();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NE(reported[0].find("refused"), std::string::npos) << reported[0];
}

}  // namespace
}  // namespace lumora::disc
