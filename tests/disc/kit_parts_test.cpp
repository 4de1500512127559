// The kit's own parts: sound files, region masks, paths on the disc, command lines, labels.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "actions/action_table.h"
#include "disc_folder.h"
#include "image_names.h"
#include "disc_files.h"
#include "iso_image.h"
#include "polygon_mask.h"
#include "wave_file.h"

namespace lumora::disc {
namespace {

namespace fs = std::filesystem;

using testing::DiscFolder;

std::string Le32(uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
}

std::string Wave(uint16_t tag, uint32_t dataSize, bool formatFirst = true) {
    std::string fmt = "fmt " + Le32(16) +
                      std::string{static_cast<char>(tag), static_cast<char>(tag >> 8)} +
                      std::string(14, '\x01');
    std::string data = "data" + Le32(dataSize) + std::string(4, '\0');
    std::string body = "WAVE" + (formatFirst ? fmt + data : data + fmt);
    return "RIFF" + Le32(static_cast<uint32_t>(body.size())) + body;
}

TEST(WaveFile, TellsPcmFromEverythingElse) {
    DiscFolder folder;
    EXPECT_EQ(WaveProblem(folder.Write("ok.wav", Wave(1, 4))), std::nullopt);
    EXPECT_EQ(WaveProblem(folder.Write("adpcm.wav", Wave(2, 4))), "not PCM (format tag 2)");
    EXPECT_EQ(WaveProblem(folder.Write("text.wav", "hello, this is no sound")),
              "not a RIFF WAVE file");
    EXPECT_EQ(WaveProblem(folder.Write("order.wav", Wave(1, 4, false))),
              "its samples come before their format chunk");
    EXPECT_EQ(WaveProblem((folder.path() / "absent.wav").string()), "cannot be read");
}

TEST(WaveFile, HostileChunkSizesEndTheWalk) {
    DiscFolder folder;
    // A chunk that claims 4 GB before the format: the walk must end, not wrap around.
    const std::string huge = "RIFF" + Le32(100) + "WAVE" + "junk" + Le32(0xFFFFFFF8u) + "abcd";
    EXPECT_EQ(WaveProblem(folder.Write("huge.wav", huge)), "it has no format chunk");
    std::string cut = Wave(1, 4).substr(0, 24);
    EXPECT_EQ(WaveProblem(folder.Write("cut.wav", cut)), "its format chunk is cut short");
}

TEST(PolygonMask, FillsPixelCentresWithTheAlternateRule) {
    PolygonMask square(10, 10);
    square.Fill({{2, 2}, {6, 2}, {6, 5}, {2, 5}});
    EXPECT_TRUE(square.At(2, 2));
    EXPECT_TRUE(square.At(5, 4));
    EXPECT_FALSE(square.At(6, 4));
    EXPECT_FALSE(square.At(5, 5));
    EXPECT_FALSE(square.At(1, 2));

    // Two passes over the same area (a doubled outline) enclose it an even number of times.
    PolygonMask twice(10, 10);
    twice.Fill({{0, 0}, {8, 0}, {8, 8}, {0, 8}, {0, 0}, {8, 0}, {8, 8}, {0, 8}});
    EXPECT_TRUE(twice.Empty());

    PolygonMask line(10, 10);
    line.Fill({{1, 1}, {5, 5}});
    EXPECT_TRUE(line.Empty());
}

TEST(PolygonMask, WithinTellsAHiddenShape) {
    PolygonMask big(20, 20), small(20, 20), apart(20, 20);
    big.Fill({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    small.Fill({{2, 2}, {5, 2}, {5, 5}});
    apart.Fill({{8, 8}, {15, 8}, {15, 15}, {8, 15}});
    EXPECT_TRUE(small.Within(big));
    EXPECT_FALSE(apart.Within(big));
    big.Add(apart);
    EXPECT_TRUE(apart.Within(big));
}

TEST(PolygonMask, ShapesFarOutsideThePictureAreClipped) {
    PolygonMask mask(8, 8);
    mask.Fill({{-2000000000, -5}, {2000000000, -5}, {2000000000, 3}, {-2000000000, 3}});
    EXPECT_TRUE(mask.At(0, 0));
    EXPECT_TRUE(mask.At(7, 2));
    EXPECT_FALSE(mask.At(0, 3));
}

TEST(DiscFiles, MacrosLeadToTheDiscAndNamesIgnoreLetterCase) {
    DiscFolder folder;
    folder.Write("Art/Main.BMP", "x");
    const DiscFiles files(folder.path());
    std::string path = "%r\\art\\main.bmp";
    files.Expand(path, nullptr);
    EXPECT_TRUE(files.OnDisc(path));
    EXPECT_EQ(files.Shown(path), "art\\main.bmp");
    ASSERT_TRUE(files.Find(path));
    EXPECT_EQ(files.Find(path)->filename(), "Main.BMP");

    std::string drive = "%d\\ART\\MAIN.BMP";
    files.Expand(drive, nullptr);
    EXPECT_TRUE(files.Find(drive));

    std::string windows = "%w\\notepad.exe";
    files.Expand(windows, nullptr);
    EXPECT_FALSE(files.OnDisc(windows));
    EXPECT_FALSE(files.Find(windows));

    std::string above = "%r\\..\\art\\main.bmp";
    files.Expand(above, nullptr);
    EXPECT_FALSE(files.Find(above));
}

TEST(DiscFiles, TheProgramOfACommandLine) {
    EXPECT_EQ(CommandProgram("D:\\SETUP.EXE /s"), "D:\\SETUP.EXE");
    EXPECT_EQ(CommandProgram("  \"D:\\My App\\run.exe\" -x"), "D:\\My App\\run.exe");
    EXPECT_EQ(CommandProgram("\"D:\\unclosed"), "D:\\unclosed");
    EXPECT_EQ(CommandProgram("   "), "");
}

TEST(ImageNames, WhatTheImageAndWindowsHoldAsWritten) {
    for (const std::string& name :
         {std::string("main.bmp"), std::string("caf\xC3\xA9 menu.bmp"), std::string(" lead"),
          std::string("a\xF0\x9F\x98\x80.bmp"), std::string(99, 'n') + ".bmp",
          std::string("console.txt"), std::string("com0")}) {
        EXPECT_EQ(ImageNameProblem(name), std::nullopt) << name;
    }
    for (const std::string& name :
         {std::string(100, 'n') + ".bmp", std::string("tab\there"), std::string("CON"),
          std::string("lpt1.txt"), std::string("Aux.bmp"), std::string("end "), std::string("a<b"),
          std::string("back\\slash"), std::string("\xC3")}) {
        EXPECT_TRUE(ImageNameProblem(name)) << name;
    }
    EXPECT_EQ(ShownName("lat\xE9.bmp"), "lat\\xE9.bmp");
    EXPECT_EQ(ShownName("caf\xC3\xA9"), "caf\xC3\xA9");
}

TEST(ActionTable, NamesTheExportsOfTheProgram) {
    std::ifstream def(std::string(LUMORA_SOURCE_DIR) + "/src/actions/lumora.def");
    std::vector<std::string> exported;
    for (std::string word; def >> word;) {
        if (word != "EXPORTS") {
            exported.push_back(word);
        }
    }
    ASSERT_EQ(exported.size(), kActions.size());
    for (size_t i = 0; i < exported.size(); ++i) {
        EXPECT_EQ(exported[i], kActions[i].exportName);
    }
}

TEST(IsoImage, LabelsThatComeBackUnchanged) {
    EXPECT_EQ(VolumeLabelProblem("LUMORA_DEMO"), std::nullopt);
    EXPECT_TRUE(VolumeLabelProblem(""));
    EXPECT_TRUE(VolumeLabelProblem("lumora"));
    EXPECT_TRUE(VolumeLabelProblem("A_LABEL_OF_17_CHR"));
    EXPECT_TRUE(VolumeLabelProblem("TWO WORDS"));
}

TEST(IsoImage, AutorunOpensLumoraWithItsIconAndLabel) {
    EXPECT_EQ(AutorunText("DEMO"),
              "[autorun]\r\nopen=lumora.exe\r\nicon=lumora.exe,0\r\nlabel=DEMO\r\n");
}

TEST(IsoImage, TheListOfFilesEscapesGraftPointsAndNamesEmptyFoldersAndAutorun) {
    DiscTree tree;
    tree.entries = {{"a=b", "/d/x=y", false, false},
                    {"art", "/d/art", true, false},
                    {"art/main.bmp", "/d/shared/main.bmp", false, false},
                    {"bin", "/d/bin", true, true}};
    EXPECT_EQ(PathList(tree, "", "/t/auto.inf", "/t/empty"),
              "a\\=b=/d/x\\=y\n"
              "art/main.bmp=/d/shared/main.bmp\n"
              "bin=/t/empty\n"
              "autorun.inf=/t/auto.inf\n");
    EXPECT_EQ(PathList(tree, "", "", "/t/empty").find("autorun"), std::string::npos);
    const auto command = XorrisoCommand({"/d", "/o/x.iso", "L", {}}, "/t/files.txt");
    ASSERT_GE(command.size(), 2u);
    EXPECT_EQ(command[command.size() - 2], "-path-list");
    EXPECT_EQ(command.back(), "/t/files.txt");
}

}  // namespace
}  // namespace lumora::disc
