// Speed figures, printed and never judged: from a mouse move onto a region to its highlight on
// the screen, and from a click on a go-to-screen region to the next screen fully painted, for
// lumora.exe on a 640 x 480 screen of 20 regions with two pictures each, and beside each the
// same for bare_window.exe, which only blits bitmaps. The pointer is moved with xdotool, whose
// start-up (a few milliseconds before its event leaves) is inside every figure alike. Then the
// files lumora.exe opens on such a switch, which from a real disc cost a seek each.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "display_dpi.h"
#include "lumora_test.h"
#include "process.h"
#include "wine_log.h"

namespace e2e {
namespace {

constexpr int kRuns = 20;
constexpr Point kPlain{630, 470};
constexpr disc::Box kHoverRegion{140, 10, 260, 90};  // region 1 of the grid
constexpr disc::Box kHoverLight{150, 20, 250, 80};
constexpr disc::Box kSwitchRegion{10, 10, 130, 90};  // region 0: to the other screen

struct Figures {
    double median = 0, worst = 0;
    int missed = 0;
};

// Runs `measure` kRuns times; each returns milliseconds, or a negative number when it timed out.
Figures Measure(const std::function<double()>& measure) {
    std::vector<double> times;
    Figures figures;
    for (int i = 0; i < kRuns; ++i) {
        const double ms = measure();
        if (ms < 0) {
            ++figures.missed;
        } else {
            times.push_back(ms);
        }
    }
    if (!times.empty()) {
        std::sort(times.begin(), times.end());
        figures.median = times[times.size() / 2];
        figures.worst = times.back();
    }
    return figures;
}

void Print(const char* what, const char* who, const Figures& f) {
    std::printf("speed: %-22s %-12s median %6.1f ms  worst %6.1f ms", what, who, f.median, f.worst);
    if (f.missed) {
        std::printf("  (%d of %d timed out)", f.missed, kRuns);
    }
    std::printf("\n");
}

// Milliseconds from `act` until `done` holds, or -1 after two seconds.
double Time(const std::function<void()>& act, const std::function<bool()>& done) {
    const auto start = Clock::now();
    act();
    return WaitUntil(done, milliseconds(2000)) ? MillisecondsSince(start) : -1;
}

class Speed : public LumoraTest {
  protected:
    // Two 640 x 480 screens of 20 regions (a 5 x 4 grid), each region with its own highlight
    // and balloon; region 0 goes to the other screen. Halved: the same disc at 320 x 240, which
    // a 192 dpi display shows at twice its size, so at the same window pixels.
    void MakeDisc(int half = 1) {
        auto h = [half](int n) { return n / half; };
        ini_ = IniText();
        ini_.Set("Config", "ScreenNames", "One|Two");
        ini_.Set("Config", "Startup", "One");
        ini_.Set("Config", "BalloonHelp", "1");
        ini_.Set("Config", "BalloonDelay", "60000");
        for (const std::string screen : {"One", "Two"}) {
            const Paint paint = screen == "One" ? Paint::kNavy : Paint::kMaroon;
            ASSERT_TRUE(WriteSolidBitmap(Path(screen + ".bmp"), h(640), h(480), paint));
            std::string names;
            for (int i = 0; i < 20; ++i) {
                const std::string name = "R" + std::to_string(i);
                const std::string section = screen + "-Region " + name;
                const int x = h(10 + (i % 5) * 130), y = h(10 + (i / 5) * 110);
                names += (i ? "|" : "") + name;
                ini_.Set(section, "Shape", disc::ShapeOf({x, y, x + h(120), y + h(80)}));
                const std::string light = screen + name + "h.bmp",
                                  balloon = screen + name + "b.bmp";
                ASSERT_TRUE(WriteSolidBitmap(Path(light), h(100), h(60), Paint::kYellow));
                ASSERT_TRUE(WriteSolidBitmap(Path(balloon), h(100), h(20), Paint::kGreen));
                ini_.Set(section, "HighlightBitmap", "%r" + light);
                ini_.Set(section, "HighlightPosition",
                         std::to_string(x + h(10)) + "," + std::to_string(y + h(10)));
                ini_.Set(section, "BalloonBitmap", "%r" + balloon);
                ini_.Set(section, "BalloonPosition",
                         std::to_string(x + h(10)) + "," + std::to_string(y + h(85)));
            }
            ini_.Set(section(screen, 0), "LaunchFunc", "DispatchScreen");
            ini_.Set(section(screen, 0), "LaunchData", screen == "One" ? "Two" : "One");
            ini_.Set("Screen " + screen, "Bitmap", "%r" + screen + ".bmp");
            ini_.Set("Screen " + screen, "RegionNames", names);
        }
    }
    static std::string section(const std::string& screen, int i) {
        return screen + "-Region R" + std::to_string(i);
    }

    // Hover and screen-switch figures for whatever shows at `origin` (the picture's top-left);
    // a click at `switchAt` changes the screen. The median of the switch.
    double MeasureWindow(const char* who, const std::function<Point()>& origin, Point switchAt) {
        auto at = [&](Point p) { return Point{origin().x + p.x, origin().y + p.y}; };
        auto shows = [&](Point p, Paint paint) {
            const Point s = at(p);
            return Env().screen->Pixel(s.x, s.y) == ColorOf(paint);
        };
        const Point light = kHoverLight.Center();
        Paint background = Paint::kNavy;
        const Figures hover = Measure([&] {
            MovePointer(at(kPlain));
            if (!WaitUntil([&] { return shows(light, background); })) {
                return -1.0;
            }
            return Time([&] { MovePointer(at(kHoverRegion.Center())); },
                        [&] { return shows(light, Paint::kYellow); });
        });
        Print("hover -> highlight", who, hover);
        const Figures change = Measure([&] {
            MovePointer(at(switchAt));
            const Paint next = background == Paint::kNavy ? Paint::kMaroon : Paint::kNavy;
            // Timed from the release, which is what starts the action; xdotool's own pause
            // between press and release stays out of the figure.
            PressButton();
            const double ms = Time(
                [&] { ReleaseButton(); },
                [&] {
                    return shows({1, 1}, next) && shows({639, 479}, next) && shows(kPlain, next);
                });
            background = next;
            return ms;
        });
        Print("click -> next screen", who, change);
        return change.median;
    }
};

// lumora.exe's switch at 1x, beside which the bare window's is printed.
double lumoraSwitchMs = 0;

// Start-up, timed as a person sees it: from starting the program to its screen painted, for
// lumora.exe and for bare_window.exe showing the same picture, in pairs, one after the other.
TEST_F(Speed, StartUp) {
    MakeDisc();
    ASSERT_TRUE(WriteSolidBitmap(Path("light.bmp"), kHoverLight.Width(), kHoverLight.Height(),
                                 Paint::kYellow));
    std::filesystem::copy_file(Env().toolsFolder + "/bare_window.exe", Path("bare_window.exe"));
    std::ofstream(Path("Lumora.ini"), std::ios::binary) << ini_.Text();
    const SpawnOptions options{
        Path(""), {"WINEDLLOVERRIDES=mscoree,mshtml=;winmm=n,b"}, Path("wine.log")};
    auto startUp = [&](const std::vector<std::string>& argv, const char* className) {
        MovePointer(ParkingSpot());
        const auto start = Clock::now();
        pid_ = Spawn(argv, options);
        Hwnd window = 0;
        const bool painted = WaitUntil(
            [&] {
                if (!window && !(window = probe().Find(className))) {
                    return false;
                }
                const Rect client = probe().ClientRect(window);
                return Env().screen->Pixel(client.left + kPlain.x, client.top + kPlain.y) ==
                       ColorOf(Paint::kNavy);
            },
            milliseconds(15000));
        const double ms = painted ? MillisecondsSince(start) : -1;
        Terminate(pid_);
        pid_ = -1;
        WaitUntil([&] { return probe().Find(className) == 0; }, milliseconds(10000));
        return ms;
    };
    std::vector<double> lumora, bare;
    for (int i = 0; i < kRuns / 2; ++i) {
        lumora.push_back(startUp({"wine", "lumora.exe"}, disc::kMainWindowClass));
        bare.push_back(
            startUp({"wine", "bare_window.exe", "One.bmp", "light.bmp", "0", "0", "Two.bmp"},
                    "LumoraBareWindow"));
    }
    auto median = [](std::vector<double> times) {
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    const double lumoraMedian = median(lumora), bareMedian = median(bare);
    std::printf("speed: %-22s %-12s median %6.1f ms\n", "start -> screen painted", "lumora.exe",
                lumoraMedian);
    std::printf("speed: %-22s %-12s median %6.1f ms\n", "start -> screen painted", "bare window",
                bareMedian);
    std::printf("speed: start-up ratio lumora.exe / bare window %.2f\n", lumoraMedian / bareMedian);
}

TEST_F(Speed, Lumora) {
    MakeDisc();
    ASSERT_TRUE(Start({1, 1}, Paint::kNavy));
    lumoraSwitchMs = MeasureWindow(
        "lumora.exe",
        [&] {
            const Rect r = probe().ClientRect(ScreenWindow());
            return Point{r.left, r.top};
        },
        kSwitchRegion.Center());
}

// The same figures with every picture pixel a 2 x 2 block: the halved disc at 192 dpi.
TEST_F(Speed, LumoraAtTwice) {
    MakeDisc(2);
    const DisplayDpi dpi(192, Path("reg-query.txt"));
    ASSERT_TRUE(dpi.set());
    ASSERT_TRUE(Start({1, 1}, Paint::kNavy));
    const Rect screen = probe().ClientRect(ScreenWindow());
    ASSERT_EQ(screen.Width(), 640) << "not shown at twice its size";
    MeasureWindow(
        "lumora.exe k=2",
        [&] {
            const Rect r = probe().ClientRect(ScreenWindow());
            return Point{r.left, r.top};
        },
        kSwitchRegion.Center());
}

// Counted by Wine's file channel, from the click until the next screen's regions answer the
// pointer and the program has stopped reading (what it reads in idle time is counted too).
TEST_F(Speed, FilesOpenedPerSwitch) {
    MakeDisc();
    environment_ = {"WINEDEBUG=trace+file"};
    ASSERT_TRUE(Start({1, 1}, Paint::kNavy));
    const std::string log = Path("wine.log");
    ASSERT_TRUE(WaitForQuietLog(log));
    const int switches = kRuns / 2;
    OpenedFiles all;
    Paint shown = Paint::kNavy;
    for (int i = 0; i < switches; ++i) {
        const long from = LogSize(log);
        ClickAt(kSwitchRegion.Center());
        shown = shown == Paint::kNavy ? Paint::kMaroon : Paint::kNavy;
        ASSERT_TRUE(WaitForPixel(kPlain, shown));
        MoveTo(kHoverRegion.Center());
        ASSERT_TRUE(WaitForPixel(kHoverLight.Center(), Paint::kYellow));
        ASSERT_TRUE(WaitForQuietLog(log));
        const OpenedFiles opened = FilesOpened(log, from);
        all.pictures += opened.pictures;
        all.ini += opened.ini;
    }
    std::printf("speed: %-22s %-12s pictures %4.1f  Lumora.ini %4.1f  (%d switches)\n",
                "files opened per switch", "lumora.exe", double(all.pictures) / switches,
                double(all.ini) / switches, switches);
}

TEST_F(Speed, BareWindow) {
    MakeDisc();
    ASSERT_TRUE(WriteSolidBitmap(Path("light.bmp"), kHoverLight.Width(), kHoverLight.Height(),
                                 Paint::kYellow));
    std::filesystem::copy_file(Env().toolsFolder + "/bare_window.exe", Path("bare_window.exe"));
    MovePointer(ParkingSpot());
    SpawnOptions options{
        Path(""), {"WINEDLLOVERRIDES=mscoree,mshtml=;winmm=n,b"}, Path("wine.log")};
    pid_ = Spawn({"wine", "bare_window.exe", "One.bmp", "light.bmp",
                  std::to_string(kHoverLight.left), std::to_string(kHoverLight.top), "Two.bmp"},
                 options);
    Hwnd bare = 0;
    ASSERT_TRUE(WaitUntil([&] { return (bare = probe().Find("LumoraBareWindow")) != 0; },
                          milliseconds(15000)));
    ASSERT_TRUE(probe().WaitForIdle(bare, 10000));
    const Rect client = probe().ClientRect(bare);
    ASSERT_TRUE(WaitUntil([&] {
        return Env().screen->Pixel(client.left + 1, client.top + 1) == ColorOf(Paint::kNavy);
    }));
    // The bare window changes its picture on a click on its highlight.
    const double bareSwitchMs = MeasureWindow(
        "bare window",
        [&] {
            return Point{client.left, client.top};
        },
        kHoverLight.Center());
    if (lumoraSwitchMs > 0 && bareSwitchMs > 0) {
        std::printf("speed: switch ratio lumora.exe / bare window %.2f\n",
                    lumoraSwitchMs / bareSwitchMs);
    }
}

}  // namespace
}  // namespace e2e
