// Memory figures, printed and never judged. The memory of lumora.exe showing a screen whose twenty
// regions share one large balloon; then a soak: 1,000 screen switches and 10,000 hovers in and
// out of a region with a highlight and a balloon, with the program's working set, private bytes
// and GDI and USER object counts printed as they go (beside the Linux sizes of the same process,
// which stand in for what Wine does not count). What still grows after the first hundred
// switches or thousand hovers is a leak. Run by the bench level (scripts/e2e.sh --soak).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "lumora_test.h"

namespace e2e {
namespace {

constexpr int kRegions = 12;
constexpr int kSwitches = 1000;
constexpr int kSwitchStep = 100;
constexpr int kHovers = 10000;
constexpr int kHoverStep = 1000;
constexpr int kHoverBatch = 250;         // passes per probe question, well inside its answer time
constexpr int kRealTimerEvery = 50;      // passes between those that let the balloon timer fire
constexpr unsigned kBalloonTimer = 102;  // the screen window's balloon timer id
constexpr unsigned kMouseMove = 0x200, kButtonDown = 0x201, kButtonUp = 0x202, kLeftButton = 1;

constexpr disc::Box kSwitchRegion{10, 10, 130, 90};  // region 0: to the other screen
constexpr disc::Box kHoverRegion{140, 10, 260, 90};  // region 1
constexpr disc::Box kHoverLight{150, 20, 250, 80};
constexpr disc::Box kHoverBalloon{150, 95, 250, 115};
constexpr Point kPlain{630, 470};

long Lparam(Point p) {
    return static_cast<long>((static_cast<unsigned>(p.y) << 16) | static_cast<unsigned>(p.x));
}

// What Windows tells of the process, and what Linux tells of the same process (Wine's process
// is a Linux one): Wine gives no private bytes and no GUI object counts, but its private memory
// (GDI and USER objects included, which Wine keeps in the process) is the process's anonymous
// resident memory and its data segment.
struct Sample {
    ProcessMemory windows;
    long residentKb = -1, anonymousKb = -1, dataKb = -1;
};

long StatusField(const std::string& status, const std::string& name) {
    const size_t at = status.find("\n" + name + ":");
    return at == std::string::npos ? -1 : std::atol(status.c_str() + at + name.size() + 2);
}

Sample Measure(Probe& probe, Hwnd window, pid_t pid) {
    Sample sample;
    sample.windows = probe.Memory(window);
    std::ifstream file("/proc/" + std::to_string(pid) + "/status");
    const std::string status = "\n" + std::string(std::istreambuf_iterator<char>(file), {});
    sample.residentKb = StatusField(status, "VmRSS");
    sample.anonymousKb = StatusField(status, "RssAnon");
    sample.dataKb = StatusField(status, "VmData");
    return sample;
}

// A figure that Wine leaves at 0 is shown as n/a.
std::string Figure(long value, const char* unit) {
    return value > 0 ? std::to_string(value) + unit : "n/a";
}

std::string Series(const Sample& m) {
    char line[200];
    std::snprintf(line, sizeof line,
                  "working set %6s  private %6s  GDI %4s  USER %4s | Linux: resident %6ld KB  "
                  "anonymous %6ld KB  data %7ld KB",
                  Figure(m.windows.workingSetKb, " KB").c_str(),
                  Figure(m.windows.privateKb, " KB").c_str(),
                  Figure(m.windows.gdiObjects, "").c_str(),
                  Figure(m.windows.userObjects, "").c_str(), m.residentKb, m.anonymousKb, m.dataKb);
    return line;
}

// Growth from the sample after the first step to the last one.
void PrintGrowth(const char* what, const Sample& first, const Sample& last) {
    std::printf(
        "soak: %s growth after the first step: working set %+ld KB, private %+ld KB, "
        "GDI %+ld, USER %+ld; Linux resident %+ld KB, anonymous %+ld KB, data %+ld KB\n",
        what, last.windows.workingSetKb - first.windows.workingSetKb,
        last.windows.privateKb - first.windows.privateKb,
        last.windows.gdiObjects - first.windows.gdiObjects,
        last.windows.userObjects - first.windows.userObjects, last.residentKb - first.residentKb,
        last.anonymousKb - first.anonymousKb, last.dataKb - first.dataKb);
    if (last.windows.privateKb <= 0 || last.windows.gdiObjects <= 0) {
        std::printf(
            "soak: n/a: Wine gives 0 for private bytes (GetProcessMemoryInfo) and for "
            "the GDI and USER counts (GetGuiResources); the Linux figures stand for them\n");
    }
}

class Soak : public LumoraTest {
  protected:
    // Two 640 x 480 screens of 12 regions (a 5-wide grid), each region with a highlight and a
    // balloon of its own; region 0 goes to the other screen. Fewer than a full screen's 20
    // keeps the run within a few minutes; each switch still loads 24 pictures.
    void MakeDisc() {
        ini_ = IniText();
        ini_.Set("Config", "ScreenNames", "One|Two");
        ini_.Set("Config", "Startup", "One");
        ini_.Set("Config", "BalloonHelp", "1");
        ini_.Set("Config", "BalloonDelay", "0");
        // The winmm stand-in logs each sound: one highlight and one balloon sound per hover
        // show that every pass went through the whole hover path.
        ini_.Set("Config", "UseSound", "1");
        ini_.Set("Config", "HighlightSound", "%rhighlight.wav");
        ini_.Set("Config", "BalloonSound", "%rballoon.wav");
        for (const std::string screen : {"One", "Two"}) {
            const Paint paint = screen == "One" ? Paint::kNavy : Paint::kMaroon;
            ASSERT_TRUE(WriteSolidBitmap(Path(screen + ".bmp"), 640, 480, paint));
            std::string names;
            for (int i = 0; i < kRegions; ++i) {
                const std::string name = "R" + std::to_string(i);
                const std::string section = screen + "-Region " + name;
                const int x = 10 + (i % 5) * 130, y = 10 + (i / 5) * 110;
                names += (i ? "|" : "") + name;
                ini_.Set(section, "Shape", disc::ShapeOf({x, y, x + 120, y + 80}));
                const std::string light = screen + name + "h.bmp",
                                  balloon = screen + name + "b.bmp";
                ASSERT_TRUE(WriteSolidBitmap(Path(light), 100, 60, Paint::kYellow));
                ASSERT_TRUE(WriteSolidBitmap(Path(balloon), 100, 20, Paint::kGreen));
                ini_.Set(section, "HighlightBitmap", "%r" + light);
                ini_.Set(section, "HighlightPosition",
                         std::to_string(x + 10) + "," + std::to_string(y + 10));
                ini_.Set(section, "BalloonBitmap", "%r" + balloon);
                ini_.Set(section, "BalloonPosition",
                         std::to_string(x + 10) + "," + std::to_string(y + 85));
            }
            const std::string first = screen + "-Region R0";
            ini_.Set(first, "LaunchFunc", "DispatchScreen");
            ini_.Set(first, "LaunchData", screen == "One" ? "Two" : "One");
            ini_.Set("Screen " + screen, "Bitmap", "%r" + screen + ".bmp");
            ini_.Set("Screen " + screen, "RegionNames", names);
            ini_.Set("Screen " + screen, "Description", "Soak " + screen);
        }
    }

    // Clicks the switch region through the screen window's own button messages and waits for
    // the other screen's title.
    bool SwitchScreen() {
        const Hwnd shown = ScreenWindow();
        const std::string title = probe().Text(main_);
        const long at = Lparam(kSwitchRegion.Center());
        probe().Send(shown, kMouseMove, 0, at);
        probe().Send(shown, kButtonDown, kLeftButton, at);
        probe().Send(shown, kButtonUp, 0, at);
        return WaitUntil([&] { return ScreenWindow() != 0 && probe().Text(main_) != title; });
    }
};

// A screen of 20 regions whose balloons and highlights are all one 2000 x 2000 8-bit picture.
TEST_F(Soak, SharedPictureMemory) {
    ini_ = IniText();
    ini_.Set("Config", "ScreenNames", "Big");
    ini_.Set("Config", "Startup", "Big");
    ASSERT_TRUE(WriteSolidBitmap(Path("Big.bmp"), 640, 480, Paint::kNavy));
    ASSERT_TRUE(WriteSolidBitmap(Path("shared.bmp"), 2000, 2000, Paint::kGreen));
    std::string names;
    for (int i = 0; i < 20; ++i) {
        const std::string name = "R" + std::to_string(i);
        const int x = 10 + (i % 5) * 130, y = 10 + (i / 5) * 110;
        names += (i ? "|" : "") + name;
        ini_.Set("Big-Region " + name, "Shape", disc::ShapeOf({x, y, x + 120, y + 80}));
        ini_.Set("Big-Region " + name, "BalloonBitmap", "%rshared.bmp");
        ini_.Set("Big-Region " + name, "HighlightBitmap", "%rshared.bmp");
    }
    ini_.Set("Screen Big", "Bitmap", "%rBig.bmp");
    ini_.Set("Screen Big", "RegionNames", names);
    const auto start = Clock::now();
    ASSERT_TRUE(Start({1, 1}, Paint::kNavy));
    const double shownMs = MillisecondsSince(start);
    const Sample m = Measure(probe(), main_, pid_);
    std::printf("memory: 20 regions sharing one 2000x2000 8-bit picture: %s\n", Series(m).c_str());
    std::printf("memory: start -> that screen painted %.0f ms\n", shownMs);
}

TEST_F(Soak, SwitchesAndHovers) {
    MakeDisc();
    ASSERT_TRUE(Start({1, 1}, Paint::kNavy));
    std::printf("soak: start %s\n", Series(Measure(probe(), main_, pid_)).c_str());

    Sample first, last;
    const auto switching = Clock::now();
    for (int i = 1; i <= kSwitches; ++i) {
        ASSERT_TRUE(SwitchScreen()) << "switch " << i << " did not change the screen";
        if (i % kSwitchStep == 0) {
            last = Measure(probe(), main_, pid_);
            if (i == kSwitchStep) {
                first = last;
            }
            std::printf("soak: %5d switches  %s\n", i, Series(last).c_str());
            std::fflush(stdout);
        }
    }
    std::printf("soak: %d switches in %.1f s\n", kSwitches, MillisecondsSince(switching) / 1000);
    PrintGrowth("switches", first, last);
    // After an even number of switches the first screen shows again, whole.
    ASSERT_TRUE(WaitForPixel(kPlain, Paint::kNavy));

    const Hwnd screen = ScreenWindow();
    const Point in = {kHoverRegion.right - 5, kHoverRegion.bottom - 5};
    long hoverMs = 0;
    for (int done = 0; done < kHovers;) {
        const HoverRun run =
            probe().Hover(screen, in, kPlain, kHoverBatch, kBalloonTimer, kRealTimerEvery);
        ASSERT_EQ(run.answered, kHoverBatch) << "after " << done << " hovers";
        hoverMs += run.ms;
        done += kHoverBatch;
        if (done % kHoverStep == 0) {
            last = Measure(probe(), main_, pid_);
            if (done == kHoverStep) {
                first = last;
            }
            std::printf("soak: %5d hovers    %s\n", done, Series(last).c_str());
            std::fflush(stdout);
        }
    }
    std::printf("soak: %d hovers in %.1f s\n", kHovers, hoverMs / 1000.0);
    PrintGrowth("hovers", first, last);
    EXPECT_GE(CountSounds("highlight.wav"), kHovers);
    EXPECT_GE(CountSounds("balloon.wav"), kHovers);
    // The hover path still works with the real pointer: highlight at once, balloon on its timer.
    MoveTo(in);
    EXPECT_TRUE(WaitForPixel(kHoverLight.Center(), Paint::kYellow));
    EXPECT_TRUE(WaitForPixel(kHoverBalloon.Center(), Paint::kGreen));
    MoveTo(kPlain);
    EXPECT_TRUE(WaitForPixel(kHoverLight.Center(), Paint::kNavy));
}

}  // namespace
}  // namespace e2e
