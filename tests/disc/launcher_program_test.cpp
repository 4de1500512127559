// The lumora.exe of a disc image: the disc's own, one given, or the build's beside the kit, and
// always a 32-bit Windows program.
#include "launcher_program.h"

#include <gtest/gtest.h>

#include <fstream>

#include "iso_image.h"

namespace lumora::disc {
namespace {

namespace fs = std::filesystem;

// The first bytes of a Windows program for the machine type (0x14C i386, 0x8664 x64).
void WriteProgram(const fs::path& path, uint16_t machine) {
    fs::create_directories(path.parent_path());
    std::string bytes(0x200, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    bytes[0x3C] = static_cast<char>(0x80);
    bytes.replace(0x80, 4, std::string("PE\0\0", 4));
    bytes[0x84] = static_cast<char>(machine & 0xFF);
    bytes[0x85] = static_cast<char>(machine >> 8);
    std::ofstream(path, std::ios::binary) << bytes;
}

class ImageProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        top_ =
            fs::temp_directory_path() /
            ("lumora-program-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(top_ / "disc");
        std::ofstream(top_ / "disc" / "Lumora.ini") << "[Config]\n";
    }
    void TearDown() override { fs::remove_all(top_); }

    fs::path top_;
};

TEST_F(ImageProgramTest, TheDiscsOwnComesFirstAndAGivenOneMayNotReplaceIt) {
    WriteProgram(top_ / "disc" / "LUMORA.EXE", 0x14C);
    WriteProgram(top_ / "win" / "lumora.exe", 0x14C);
    const ProgramChoice own = ImageProgram(top_ / "disc", std::nullopt, {top_ / "win/lumora.exe"});
    EXPECT_EQ(own.problem, "");
    EXPECT_TRUE(own.add.empty()) << "the folder's own file goes in with the others";

    const ProgramChoice both = ImageProgram(top_ / "disc", (top_ / "win/lumora.exe").string(), {});
    EXPECT_EQ(both.problem, "the disc folder has its own LUMORA.EXE: remove it or leave out --exe");
}

TEST_F(ImageProgramTest, WithoutItsOwnTheGivenOneThenTheFirstBuildThatExists) {
    WriteProgram(top_ / "given.exe", 0x14C);
    WriteProgram(top_ / "win" / "lumora.exe", 0x14C);
    const std::vector<fs::path> built = {top_ / "native/lumora.exe", top_ / "win/lumora.exe"};
    EXPECT_EQ(ImageProgram(top_ / "disc", (top_ / "given.exe").string(), built).add,
              top_ / "given.exe");
    EXPECT_EQ(ImageProgram(top_ / "disc", std::nullopt, built).add, top_ / "win/lumora.exe");

    const ProgramChoice none = ImageProgram(top_ / "disc", std::nullopt, {top_ / "x/lumora.exe"});
    EXPECT_TRUE(none.add.empty());
    EXPECT_EQ(none.problem.rfind("no lumora.exe: the disc folder has none and no build was found "
                                 "beside the kit (" +
                                     (top_ / "x/lumora.exe").string(),
                                 0),
              0u)
        << none.problem;
}

TEST_F(ImageProgramTest, OnlyA32BitWindowsProgramGoesIn) {
    WriteProgram(top_ / "x64.exe", 0x8664);
    std::ofstream(top_ / "text.exe") << "MZ but nothing more";
    EXPECT_NE(ImageProgram(top_ / "disc", (top_ / "x64.exe").string(), {})
                  .problem.find("is a 64-bit build"),
              std::string::npos);
    EXPECT_NE(ImageProgram(top_ / "disc", (top_ / "text.exe").string(), {})
                  .problem.find("is not a Windows program"),
              std::string::npos);
    EXPECT_NE(ImageProgram(top_ / "disc", (top_ / "missing.exe").string(), {})
                  .problem.find("cannot be read"),
              std::string::npos);
}

TEST(BuiltPrograms, TheKitsOwnBuildFolderOrTheOneBesideIt) {
    EXPECT_EQ(BuiltPrograms("/b/native", "win"), (std::vector<fs::path>{"/b/win/lumora.exe"}));
    EXPECT_EQ(BuiltPrograms("/b/win", "win"), (std::vector<fs::path>{"/b/win/lumora.exe"}));
    EXPECT_EQ(BuiltPrograms("/b/native", "win64"), (std::vector<fs::path>{"/b/win64/lumora.exe"}));
}

TEST(IsoImage, TheChosenProgramIsAddedAsLumoraExe) {
    const DiscTree tree;
    EXPECT_EQ(PathList(tree, "/b/win/lumora.exe", "", "/t/empty"),
              "lumora.exe=/b/win/lumora.exe\n");
    // A disc with its own lumora.exe gets none added.
    EXPECT_EQ(PathList(tree, "", "", "/t/empty"), "");
}

}  // namespace
}  // namespace lumora::disc
