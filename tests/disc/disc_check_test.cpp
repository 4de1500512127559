// `check` on the planted-mistakes disc (each mistake reported at its line, nothing else) and on
// the demo disc (nothing at all).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "disc_check.h"

namespace lumora::disc {
namespace {

const std::string kData = LUMORA_TEST_DATA;

struct Expected {
    int line = 0;
    Severity severity = Severity::kError;
    std::string text;  // a part of the message
};

// An "; expect error: text" or "; expect warning: text" comment (after the prefix given).
bool ParseExpectation(const std::string& line, const std::string& prefix, Expected& out) {
    if (line.rfind(prefix, 0) != 0) {
        return false;
    }
    const std::string rest = line.substr(prefix.size());
    out.severity = rest.rfind("error: ", 0) == 0 ? Severity::kError : Severity::kWarning;
    out.text = rest.substr(rest.find(": ") + 2);
    return true;
}

// The "; expect" comments of a planted file: each names a diagnostic of the next line that is
// not one of them ("; expect-file": of the file as a whole, line 0).
std::vector<Expected> ExpectedDiagnostics(const std::string& path) {
    std::ifstream file(path);
    std::vector<Expected> expected;
    std::vector<Expected> pending;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        Expected e;
        if (ParseExpectation(line, "; expect-file ", e)) {
            expected.push_back(e);
        } else if (ParseExpectation(line, "; expect ", e)) {
            pending.push_back(e);
        } else {
            for (Expected& p : pending) {
                p.line = number;
                expected.push_back(p);
            }
            pending.clear();
        }
    }
    return expected;
}

std::string Describe(const Diagnostic& d) {
    return std::to_string(d.line) + (d.severity == Severity::kError ? " error: " : " warning: ") +
           d.message;
}

// Each "; expect" comment of the disc's Lumora.ini is reported, and nothing else.
void ExpectReportedAsPlanted(const std::string& folder, const CheckReport& report) {
    const std::vector<Expected> expected = ExpectedDiagnostics(folder + "/Lumora.ini");
    ASSERT_GE(expected.size(), 25u) << folder << " lost its expectations";
    std::vector<Diagnostic> found = report.diagnostics.Sorted();

    for (const Expected& e : expected) {
        auto match = std::find_if(found.begin(), found.end(), [&](const Diagnostic& d) {
            return d.line == e.line && d.severity == e.severity &&
                   d.message.find(e.text) != std::string::npos;
        });
        EXPECT_NE(match, found.end()) << "line " << e.line << ": not reported: " << e.text;
        if (match != found.end()) {
            found.erase(match);
        }
    }
    for (const Diagnostic& d : found) {
        ADD_FAILURE() << "reported but not planted: " << Describe(d);
    }
}

TEST(DiscCheck, ReportsEveryPlantedMistakeAtItsLineAndNothingElse) {
    const std::string folder = kData + "/discs/planted";
    const CheckReport report = CheckDisc(folder);
    ExpectReportedAsPlanted(folder, report);
    EXPECT_EQ(report.label, "PLANTED");
}

// A disc as an author writes it: misspelled keys in every kind of section, each with the key it
// was meant to be; values read otherwise than they look; paths that depend on the current
// folder, still looked for on the disc, so that the screen's picture, shapes and highlights are
// checked as any other.
TEST(DiscCheck, ReportsMisspelledKeysOddValuesAndPathsFromTheCurrentFolder) {
    const std::string folder = kData + "/discs/misspelled";
    ExpectReportedAsPlanted(folder, CheckDisc(folder));
}

// The demo's menu leaves out an item without Description on purpose, to show the rule: that
// warning is all the check has to say about the demo disc.
TEST(DiscCheck, FindsOnlyTheDeliberatelyDroppedMenuItemOnTheDemoDisc) {
    const CheckReport report = CheckDisc(std::string(LUMORA_SOURCE_DIR) + "/demo/disc");
    const auto diagnostics = report.diagnostics.Sorted();
    ASSERT_EQ(diagnostics.size(), 1u);
    const std::string text = Describe(diagnostics.front());
    EXPECT_NE(text.find("item 'Beta' of menu 'Disc' has no Description"), std::string::npos)
        << text;
    EXPECT_NE(text.find("warning"), std::string::npos) << text;
    EXPECT_EQ(report.iniName, "Lumora.ini");
}

// lumora.exe and its help program come with Lumora, autorun.inf with the image: actions may start
// them from the disc's root although the folder lacks them. Elsewhere on the disc they are
// looked for as any program is.
TEST(DiscCheck, ProgramsThatComeWithLumoraAreNotLookedForInTheFolder) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() /
                            ("lumora-disc-comes-with-" + std::to_string(std::random_device{}()));
    fs::remove_all(folder);
    fs::copy(std::string(LUMORA_SOURCE_DIR) + "/demo/disc", folder, fs::copy_options::recursive);
    std::stringstream text;
    text << std::ifstream(folder / "Lumora.ini", std::ios::binary).rdbuf();
    std::string ini = text.str();
    auto replace = [&ini](const std::string& from, const std::string& to) {
        const size_t at = ini.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        ini.replace(at, from.size(), to);
    };
    replace("LaunchData=%w\\notepad.exe %r\\README.TXT", "LaunchData=%r\\LUMORA.EXE");
    replace("LaunchFunc=DispatchHelp\r\nLaunchData=Using the demo disc",
            "LaunchFunc=DispatchProgram\r\nLaunchData=\"%r\\lnchhlp.exe\" Using the demo disc");
    replace("LaunchFunc=DispatchHelp\r\nLaunchData=Using the demo disc",
            "LaunchFunc=DispatchProgram\r\nLaunchData=%r\\art\\LNCHHLP.EXE Using");
    replace("LaunchFunc=DispatchHelp\r\nLaunchData=Using the demo disc",
            "LaunchFunc=DispatchProgramAndWait\r\nLaunchData=%d\\autorun.inf");
    std::ofstream(folder / "Lumora.ini", std::ios::binary) << ini;

    const CheckReport report = CheckDisc(folder);
    fs::remove_all(folder);
    std::string found;
    for (const Diagnostic& d : report.diagnostics.Sorted()) {
        found += Describe(d) + "\n";
    }
    EXPECT_EQ(report.diagnostics.errors(), 1) << found;
    EXPECT_NE(found.find("program 'art\\LNCHHLP.EXE' is not on the disc"), std::string::npos)
        << found;
    EXPECT_EQ(report.diagnostics.warnings(), 1) << found;
}

TEST(DiscCheck, AGivenLabelIsWhatDiscRequirementsAreComparedWith) {
    CheckOptions options;
    options.label = "OTHER";
    const CheckReport report = CheckDisc(kData + "/discs/planted", options);
    std::string text = FormatText(report.diagnostics, report.iniName);
    EXPECT_NE(text.find("asks for the disc labelled 'PLANTED' but the image is labelled 'OTHER'"),
              std::string::npos);
    EXPECT_EQ(text.find("labelled 'OTHER' but"), std::string::npos);
}

TEST(DiscCheck, AFolderWithoutLumoraIniIsOneError) {
    const CheckReport report = CheckDisc(kData + "/discs");
    ASSERT_EQ(report.diagnostics.errors(), 1);
    EXPECT_EQ(report.diagnostics.Sorted()[0].line, 0);
}

TEST(DiagnosticsFormat, TextLinesInLineOrderThenTheSummary) {
    Diagnostics d;
    d.Warning(12, "late");
    d.Error(3, "early");
    d.Warning(0, "whole file");
    EXPECT_EQ(FormatText(d, "Lumora.ini"),
              "Lumora.ini: warning: whole file\n"
              "Lumora.ini:3: error: early\n"
              "Lumora.ini:12: warning: late\n"
              "Lumora.ini: 1 error, 2 warnings\n");
}

TEST(DiagnosticsFormat, JsonEscapesMessages) {
    Diagnostics d;
    d.Error(7, "picture 'a\\b.bmp' said \"no\"\n");
    EXPECT_EQ(FormatJson(d, "Lumora.ini"),
              "{\"file\": \"Lumora.ini\", \"errors\": 1, \"warnings\": 0, \"diagnostics\": [\n"
              "  {\"line\": 7, \"severity\": \"error\", \"message\": "
              "\"picture 'a\\\\b.bmp' said \\\"no\\\"\\n\"}\n]}\n");
    EXPECT_EQ(JsonString(std::string("\x01", 1)), "\"\\u0001\"");
}

}  // namespace
}  // namespace lumora::disc
