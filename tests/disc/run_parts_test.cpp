// The parts of `lumora-disc run` that decide without Wine: the folder a disc is shown from, and
// finding the painted screen in a capture of the display.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>

#include "run_stage.h"
#include "screen_match.h"

namespace lumora::disc {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

class StageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        top_ =
            fs::temp_directory_path() /
            ("lumora-stage-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(top_ / "disc" / "art");
        fs::create_directories(top_ / "stage");
        std::ofstream(top_ / "disc" / "LUMORA.INI") << "[Config]\n";
        std::ofstream(top_ / "disc" / "art" / "main.bmp") << "picture";
        std::ofstream(top_ / "disc" / "Lumora.exe") << "the disc's own";
        std::ofstream(top_ / "build.exe") << "the build's";
        std::ofstream(top_ / "help.exe") << "help";
    }
    void TearDown() override { fs::remove_all(top_); }

    fs::path top_;
};

TEST_F(StageTest, TheProgramBesideACopyOfTheIniAndLinksToEverythingElse) {
    ASSERT_EQ(StageDisc({top_ / "disc", top_ / "stage", top_ / "build.exe", top_ / "help.exe"}),
              std::nullopt);
    const fs::path stage = top_ / "stage";
    EXPECT_EQ(Read(stage / "lumora.exe"), "the build's") << "in place of the disc's own";
    int programs = 0;
    for (const auto& entry : fs::directory_iterator(stage)) {
        std::string name = entry.path().filename().string();
        for (char& c : name) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        programs += name == "lumora.exe";
    }
    EXPECT_EQ(programs, 1) << "the disc's own Lumora.exe is left out";
    ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(stage / "LUMORA.INI")));
    std::ofstream(stage / "LUMORA.INI", std::ios::app) << "[Setup]\n";
    EXPECT_EQ(Read(top_ / "disc/LUMORA.INI"), "[Config]\n") << "Lumora's writes stay in the copy";
    EXPECT_TRUE(fs::is_symlink(stage / "art"));
    EXPECT_EQ(Read(stage / "art/main.bmp"), "picture");
    EXPECT_EQ(Read(stage / "LNCHHLP.EXE"), "help") << "a disc without one gets the build's";
}

TEST_F(StageTest, TheDiscsOwnHelpProgramStaysAndAFolderWithoutIniIsRefused) {
    std::ofstream(top_ / "disc" / "lnchhlp.exe") << "the disc's help";
    ASSERT_EQ(StageDisc({top_ / "disc", top_ / "stage", top_ / "build.exe", top_ / "help.exe"}),
              std::nullopt);
    EXPECT_EQ(Read(top_ / "stage/lnchhlp.exe"), "the disc's help");
    EXPECT_FALSE(fs::exists(top_ / "stage/LNCHHLP.EXE") &&
                 Read(top_ / "stage/LNCHHLP.EXE") == "help");

    fs::create_directories(top_ / "empty");
    fs::create_directories(top_ / "stage2");
    EXPECT_EQ(StageDisc({top_ / "empty", top_ / "stage2", top_ / "build.exe", {}}),
              "no Lumora.ini in " + (top_ / "empty").string());
}

RgbImage Filled(int width, int height, Rgb colour) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.Set(x, y, colour);
        }
    }
    return image;
}

TEST(ScreenMatch, FindsThePictureWhereTheCaptureShowsItWithinTheTolerance) {
    // A 40 x 30 picture with a pattern, shown at (7, 19) of a grey window.
    RgbImage picture(40, 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            picture.Set(x, y, {uint8_t(x * 6), uint8_t(y * 8), uint8_t((x + y) % 2 * 200)});
        }
    }
    RgbImage capture = Filled(60, 55, {128, 128, 128});
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            capture.Set(7 + x, 19 + y, picture.At(x, y));
        }
    }
    EXPECT_EQ(FindPicture(capture, picture, 0), (Point{7, 19}));
    EXPECT_EQ(Crop(capture, 7, 19, 40, 30).samples, picture.samples);

    // One pixel off by 5: found only with a tolerance, as on a display of 16 bits.
    Rgb off = capture.At(7 + 33, 19 + 21);
    off.r = static_cast<uint8_t>(off.r + 5);
    capture.Set(7 + 33, 19 + 21, off);
    EXPECT_EQ(FindPicture(capture, picture, 0), std::nullopt) << "every pixel is compared";
    EXPECT_EQ(FindPicture(capture, picture, 8), (Point{7, 19}));

    EXPECT_EQ(FindPicture(Filled(30, 30, {}), picture, 0), std::nullopt) << "larger than it";
    EXPECT_EQ(FindPicture(capture, RgbImage(), 0), std::nullopt);
    EXPECT_EQ(Crop(capture, 50, 50, 20, 20).At(19, 19), (Rgb{})) << "outside stays black";
}

}  // namespace
}  // namespace lumora::disc
