// `check` and `preview` on hostile or careless discs: menus that open themselves, links and
// special files, names the image cannot hold, pictures larger than any display, Lumora.ini saved
// as UTF-16. Each ends, at once, and reports what Lumora would meet at its line.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "disc_check.h"
#include "disc_folder.h"
#include "preview.h"
#include "support/bmp_writer.h"

namespace lumora::disc {
namespace {

using testing::DiscFolder;
namespace fs = std::filesystem;

// A disc whose screen Main has one region, Open, with the action given, and the sections given.
std::string Disc(const std::string& openAction, const std::string& more = "") {
    return "[Config]\r\nScreenNames=Main\r\nStartup=Main\r\n"
           "[Setup]\r\nApplication=\r\nExitDuringSetup=0\r\n"
           "[Screen Main]\r\nBitmap=%r\\main.bmp\r\nRegionNames=Open\r\n"
           "[Main-Region Open]\r\nShape=0,0|20,0|20,10\r\n" +
           openAction + more;
}

void WriteScreen(const DiscFolder& folder, const std::string& name, int width, int height) {
    fs::create_directories((folder.path() / name).parent_path());
    std::vector<lumora::testing::Rgb> palette(16, {10, 20, 30});
    ASSERT_TRUE(lumora::testing::WriteBitmap8((folder.path() / name).string(), width, height,
                                              palette, [](int, int) { return 1; }));
}

// The 1-based line of the first line of the file that holds text, after the line given.
int LineOf(const std::string& ini, const std::string& text, int after = 0) {
    int line = 1;
    for (size_t at = 0; at < ini.size();) {
        const size_t end = std::min(ini.find('\n', at), ini.size());
        if (line > after && ini.substr(at, end - at).find(text) != std::string::npos) {
            return line;
        }
        at = end + 1;
        ++line;
    }
    return 0;
}

std::vector<Diagnostic> Matching(const CheckReport& report, const std::string& text) {
    std::vector<Diagnostic> found;
    for (const Diagnostic& d : report.diagnostics.Sorted()) {
        if (d.message.find(text) != std::string::npos) {
            found.push_back(d);
        }
    }
    return found;
}

std::string All(const CheckReport& report) {
    return FormatText(report.diagnostics, report.iniName);
}

// Lumora opens the menu again after each choice (the chosen command arrives after the menu has
// closed), so a menu that opens itself works and is only worth a warning.
TEST(HostileDisc, AMenuThatOpensItselfIsAWarningAtItsLineAndThePreviewEnds) {
    DiscFolder folder;
    WriteScreen(folder, "main.bmp", 40, 30);
    const std::string ini = Disc("LaunchFunc=DispatchMenu\r\nLaunchData=A\r\n",
                                 "[Menu A]\r\nMenuItems=Again|Exit\r\n"
                                 "[A-MenuItem Again]\r\nDescription=Again\r\n"
                                 "LaunchFunc=DispatchMenu\r\nLaunchData=A\r\n"
                                 "[A-MenuItem Exit]\r\nDescription=Exit\r\n"
                                 "LaunchFunc=DispatchExit\r\n");
    folder.Write("Lumora.ini", ini);
    EXPECT_EQ(WritePreview(folder.path(), folder.path() / "preview"), std::nullopt);
    const CheckReport report = CheckDisc(folder.path());
    const auto cycles = Matching(report, "opens itself");
    ASSERT_EQ(cycles.size(), 1u) << All(report);
    EXPECT_EQ(cycles[0].severity, Severity::kWarning);
    EXPECT_EQ(cycles[0].line, LineOf(ini, "LaunchData=A", LineOf(ini, "[A-MenuItem Again]")));
    EXPECT_EQ(report.diagnostics.errors(), 0) << All(report);
}

TEST(HostileDisc, AChainOfThousandsOfMenusIsFollowedWithoutRecursion) {
    DiscFolder folder;
    WriteScreen(folder, "main.bmp", 40, 30);
    constexpr int kMenus = 5000;
    std::string menus;
    for (int i = 0; i < kMenus; ++i) {
        const std::string name = "M" + std::to_string(i);
        menus += "[Menu " + name + "]\r\nMenuItems=Next\r\n[" + name +
                 "-MenuItem Next]\r\nDescription=Next\r\nLaunchFunc=DispatchMenu\r\n"
                 "LaunchData=M" +
                 std::to_string((i + 1) % kMenus) + "\r\n";
    }
    const std::string ini = Disc("LaunchFunc=DispatchMenu\r\nLaunchData=M0\r\n", menus);
    folder.Write("Lumora.ini", ini);
    EXPECT_EQ(WritePreview(folder.path(), folder.path() / "preview"), std::nullopt);
    const CheckReport report = CheckDisc(folder.path());
    // The last menu leads back to the first: one cycle, at the line that closes it.
    const auto cycles = Matching(report, "opens itself");
    ASSERT_EQ(cycles.size(), 1u) << All(report).substr(0, 2000);
    EXPECT_EQ(cycles[0].line, LineOf(ini, "LaunchData=M0", LineOf(ini, "[M4999-MenuItem")));
    EXPECT_EQ(report.diagnostics.Sorted().size(), 1u) << All(report).substr(0, 2000);
}

// A disc file is a regular file inside the disc folder: a link that stays inside stands for the
// file it names; one that leaves, a FIFO or a device is an error at the line that names it, or
// at its path when nothing does. Nothing waits on a FIFO.
TEST(HostileDisc, LinksThatLeaveTheFolderAndSpecialFilesAreErrorsAndNothingWaits) {
    DiscFolder folder, elsewhere;
    WriteScreen(folder, "art/real.bmp", 40, 30);
    WriteScreen(elsewhere, "away.bmp", 40, 30);
    folder.Link("main.bmp", "art/real.bmp");
    folder.Link("art/away.bmp", elsewhere.path() / "away.bmp");
    folder.Fifo("sounds/click.wav");
    folder.Fifo("stray");
    folder.Link("etc", "/etc");
    const std::string ini = Disc(
        "HighlightBitmap=%r\\art\\away.bmp\r\nSound=%r\\sounds\\click.wav\r\n"
        "LaunchFunc=DispatchExit\r\n");
    folder.Write("Lumora.ini", ini);
    const CheckReport report = folder.RunUnblocked([&] { return CheckDisc(folder.path()); });
    const std::string all = All(report);
    EXPECT_TRUE(Matching(report, "'main.bmp'").empty()) << all;
    const auto away = Matching(report, "'art\\away.bmp'");
    ASSERT_EQ(away.size(), 1u) << all;
    EXPECT_EQ(away[0].line, LineOf(ini, "HighlightBitmap"));
    EXPECT_NE(away[0].message.find("out of the disc folder"), std::string::npos) << all;
    const auto click = Matching(report, "'sounds\\click.wav'");
    ASSERT_EQ(click.size(), 1u) << all;
    EXPECT_EQ(click[0].line, LineOf(ini, "Sound="));
    EXPECT_NE(click[0].message.find("FIFO"), std::string::npos) << all;
    // Named by no line: reported at their paths, each once.
    for (const char* path : {"'stray'", "'etc'"}) {
        const auto found = Matching(report, path);
        ASSERT_EQ(found.size(), 1u) << path << "\n" << all;
        EXPECT_EQ(found[0].line, 0);
        EXPECT_EQ(found[0].severity, Severity::kError);
    }
    EXPECT_EQ(report.diagnostics.errors(), 4) << all;
}

TEST(HostileDisc, ALumoraIniThatIsAFifoOrADeviceIsAnErrorAtOnce) {
    DiscFolder fifo, device;
    fifo.Fifo("Lumora.ini");
    device.Link("Lumora.ini", "/dev/zero");
    for (const DiscFolder* folder : {&fifo, &device}) {
        const CheckReport report = folder->RunUnblocked([&] { return CheckDisc(folder->path()); });
        ASSERT_GE(report.diagnostics.errors(), 1);
        EXPECT_NE(All(report).find("Lumora.ini"), std::string::npos);
        const auto problem = folder->RunUnblocked(
            [&] { return WritePreview(folder->path(), folder->path() / "no-preview"); });
        EXPECT_TRUE(problem && problem->find("Lumora.ini") != std::string::npos);
    }
}

// Joliet, as the image is made, replaces '*', '/', ':', ';', '?', '\' and control characters
// and holds 103 characters of a name; Windows opens no name with '"', '<', '>' or '|', none
// that ends in a dot or blank, and tells no letter case apart.
TEST(HostileDisc, NamesTheImageOrWindowsCannotHoldAsWrittenAreErrors) {
    DiscFolder folder;
    WriteScreen(folder, "main.bmp", 40, 30);
    WriteScreen(folder, "art/caf\xC3\xA9.bmp", 40, 30);  // é as UTF-8 on the disc
    const std::string longName = std::string(100, 'n') + ".bmp";
    const std::vector<std::string> bad = {"col:on.bmp", "semi;1.bmp", "ask?.bmp",    "pipe|.bmp",
                                          "dot.",       "Case.bmp",   "lat\xE9.bmp", longName};
    for (const std::string& name : bad) {
        folder.Write("art/" + name, "x");
    }
    folder.Write("art/case.BMP", "x");
    // Lumora.ini names the picture in the ANSI code page, where é is one byte.
    const std::string ini =
        Disc("HighlightBitmap=%r\\art\\caf\xE9.bmp\r\nLaunchFunc=DispatchExit\r\n");
    folder.Write("Lumora.ini", ini);
    const CheckReport report = CheckDisc(folder.path());
    const std::string all = All(report);
    EXPECT_TRUE(Matching(report, "caf").empty()) << all;
    for (const std::string& name :
         {std::string("col:on.bmp"), std::string("semi;1.bmp"), std::string("ask?.bmp"),
          std::string("pipe|.bmp"), std::string("dot."), std::string("lat\\xE9.bmp"), longName}) {
        const auto found = Matching(report, "'art\\" + name + "'");
        ASSERT_EQ(found.size(), 1u) << name << "\n" << all;
        EXPECT_EQ(found[0].severity, Severity::kError);
    }
    EXPECT_EQ(Matching(report, "letter case").size(), 1u) << all;
    EXPECT_EQ(report.diagnostics.errors(), 8) << all;
}

// JSON is UTF-8: the INI's names are converted from its ANSI code page.
TEST(HostileDisc, JsonIsUtf8) {
    DiscFolder folder;
    WriteScreen(folder, "main.bmp", 40, 30);
    folder.Write("Lumora.ini",
                 Disc("HighlightBitmap=%r\\ni\xF1o.bmp\r\nLaunchFunc=DispatchExit\r\n"));
    const CheckReport report = CheckDisc(folder.path());
    const std::string json = FormatJson(report.diagnostics, report.iniName);
    EXPECT_NE(json.find("'ni\xC3\xB1o.bmp' is missing"), std::string::npos) << json;
}

// A picture wider or higher than any display (8K, either way up) is never seen whole: reported,
// and the preview leaves its screen out rather than draw it.
TEST(HostileDisc, APictureLargerThanAnyDisplayIsReportedAndNotDrawn) {
    DiscFolder folder;
    WriteScreen(folder, "main.bmp", 40, 30);
    WriteScreen(folder, "wide.bmp", 7681, 2);
    const std::string ini =
        Disc("LaunchFunc=DispatchScreen\r\nLaunchData=Wide\r\n",
             "[Screen Wide]\r\nBitmap=%r\\wide.bmp\r\nRegionNames=Back\r\n"
             "[Wide-Region Back]\r\nShape=0,0|20,0|20,2\r\nLaunchFunc=DispatchPreviousScreen\r\n");
    std::string text = ini;
    text.replace(text.find("ScreenNames=Main"), 16, "ScreenNames=Main|Wide");
    folder.Write("Lumora.ini", text);
    const CheckReport report = CheckDisc(folder.path());
    const auto large = Matching(report, "7681x2");
    ASSERT_EQ(large.size(), 1u) << All(report);
    EXPECT_EQ(large[0].line, LineOf(text, "Bitmap=%r\\wide.bmp"));
    EXPECT_EQ(WritePreview(folder.path(), folder.path() / "preview"), std::nullopt);
    EXPECT_TRUE(fs::exists(folder.path() / "preview" / "screen1.png"));
    EXPECT_FALSE(fs::exists(folder.path() / "preview" / "screen2.png"));
    std::stringstream page;
    page << std::ifstream(folder.path() / "preview" / "index.html").rdbuf();
    EXPECT_NE(page.str().find("The screen 'Wide' is not shown: its picture is 7681x2"),
              std::string::npos);
}

// The preview names every screen of ScreenNames that it leaves out, and why.
TEST(HostileDisc, ThePreviewNamesEachScreenItLeavesOutWithItsReason) {
    DiscFolder folder;
    WriteScreen(folder, "main.bmp", 40, 30);
    folder.Write("cut.bmp", "BM\x10");
    std::string text = Disc("LaunchFunc=DispatchExit\r\n",
                            "[Screen Gone]\r\nBitmap=%r\\gone.bmp\r\nRegionNames=A\r\n"
                            "[Screen Bare]\r\nRegionNames=A\r\n"
                            "[Screen Cut]\r\nBitmap=%r\\cut.bmp\r\nRegionNames=A\r\n");
    text.replace(text.find("ScreenNames=Main"), 16, "ScreenNames=Gone|Main|Bare|Ghost|Cut");
    folder.Write("Lumora.ini", text);
    std::vector<std::string> notes;
    EXPECT_EQ(WritePreview(folder.path(), folder.path() / "preview", kDefaultCodePage, "", &notes),
              std::nullopt);
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0], "The screen 'Gone' is not shown: picture 'gone.bmp' is missing.");
    EXPECT_EQ(notes[1], "The screen 'Bare' is not shown: its section has no Bitmap.");
    EXPECT_EQ(notes[2], "The screen 'Ghost' is not shown: it has no section [Screen Ghost].");
    EXPECT_EQ(
        notes[3].rfind("The screen 'Cut' is not shown: Lumora refuses picture 'cut.bmp': ", 0), 0u)
        << notes[3];
    EXPECT_TRUE(fs::exists(folder.path() / "preview" / "screen1.png"));
    EXPECT_FALSE(fs::exists(folder.path() / "preview" / "screen2.png"));
}

// Notepad's "Unicode": the same disc saved as UTF-16 checks as the ANSI one does.
TEST(HostileDisc, ALumoraIniSavedAsUtf16ChecksAsTheAnsiOne) {
    DiscFolder ansi, unicode;
    const std::string ini = Disc("LaunchFunc=DispatchScreen\r\nLaunchData=Nowhere\r\n");
    std::string utf16 = "\xFF\xFE";
    for (const char c : ini) {
        utf16 += c;
        utf16 += '\0';
    }
    ansi.Write("Lumora.ini", ini);
    unicode.Write("Lumora.ini", utf16);
    const CheckReport expected = CheckDisc(ansi.path());
    const CheckReport report = CheckDisc(unicode.path());
    EXPECT_EQ(All(report), All(expected));
    EXPECT_EQ(Matching(report, "no [Config]").size(), 0u) << All(report);
}

}  // namespace
}  // namespace lumora::disc
