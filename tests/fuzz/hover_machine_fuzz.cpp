// The hover machine fed random event sequences over random screens: regions with or without
// shape, highlight and balloon, shapes and pictures at random places on a small canvas, pointer
// moves, presses and releases, the balloon timer (only while it runs, as a real timer), other
// timers, Tab, Shift+Tab, Enter, Escape, a screen reader's focus and press on any index,
// deactivation, new settings, reloaded regions and new screens. The commands are carried out on a
// model window whose canvas cells remember what was drawn on them, and checked as they come:
// - at most one highlight is shown, only the hovered region's, and only if the region has one;
// - a balloon shows only for the hovered region, with balloons on, after its timer fired (or at
//   once with no delay), and is never shown twice;
// - nothing is removed that is not shown, except the hovered region's balloon area, which is
//   restored whether or not it shows while balloons are on;
// - the timer is started only when stopped and stopped only when running;
// - a click runs only the region pressed and released under the pointer, the focused one by
//   the keyboard, or the one a reader pressed, and is the last command;
// - a reader's focus and press reach exactly the regions Tab reaches;
// - after every event the window shows what the canvas holds, the canvas holds exactly the
//   shown pictures over the background (balloon on top), and the machine's own view agrees;
// - leaving the window, deactivation and Escape leave nothing shown and no timer running.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "screens/balloon_delay.h"
#include "screens/hover_machine.h"

namespace {

using lumora::HoverAction;
using lumora::HoverCommand;
using lumora::HoverCommands;
using lumora::HoverMachine;
using lumora::HoverRegionFacts;
using lumora::HoverSettings;

constexpr int kSide = 8;  // the canvas is kSide x kSide cells
constexpr int kBackground = 0;

struct Area {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Holds(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct ModelRegion {
    HoverRegionFacts facts;
    Area shape, highlight, balloon;
};

Area RandomArea(FuzzedDataProvider& provider) {
    Area area;
    area.left = provider.ConsumeIntegralInRange(0, kSide - 1);
    area.top = provider.ConsumeIntegralInRange(0, kSide - 1);
    area.right = provider.ConsumeIntegralInRange(area.left, kSide);
    area.bottom = provider.ConsumeIntegralInRange(area.top, kSide);
    return area;
}

HoverRegionFacts RandomFacts(FuzzedDataProvider& provider) {
    const uint8_t bits = provider.ConsumeIntegral<uint8_t>();
    // Mostly shaped, so that the pointer and the keyboard find regions.
    return HoverRegionFacts{(bits & 3) != 0, (bits & 4) != 0, (bits & 8) != 0};
}

enum class Event {
    kMove,
    kDown,
    kUp,
    kBalloonTimer,
    kOtherTimer,
    kDeactivate,
    kTab,
    kActivate,
    kEscape,
    kReaderFocus,
    kReaderPress,
    kSettings,
    kUpdate,
    kNewScreen,
    kLast = kNewScreen
};

// FUZZ_TRACE=1 prints every event and command, to follow a failing input.
const bool kTrace = std::getenv("FUZZ_TRACE") != nullptr;

class World {
  public:
    explicit World(FuzzedDataProvider& provider) : provider_(provider) { NewScreen(); }

    void Step() {
        const auto event =
            static_cast<Event>(provider_.ConsumeIntegralInRange(0, static_cast<int>(Event::kLast)));
        before_ = Snapshot{machine_.hoverRegion(), machine_.focusRegion(), timerRunning_};
        event_ = event;
        runHit_ = -1;
        if (kTrace) {
            std::fprintf(stderr, "event %d (hover %d, focus %d)\n", static_cast<int>(event),
                         before_.hover, before_.focus);
        }
        switch (event) {
            case Event::kMove: {
                inside_ = provider_.ConsumeIntegralInRange(0, 15) != 0;
                pointerX_ = provider_.ConsumeIntegralInRange(0, kSide - 1);
                pointerY_ = provider_.ConsumeIntegralInRange(0, kSide - 1);
                const bool held = provider_.ConsumeIntegralInRange(0, 7) == 0;
                const bool active = provider_.ConsumeIntegralInRange(0, 15) != 0;
                const int hit = Hit();
                Carry(machine_.MouseMove(hit, inside_, held, active));
                if (active && !regions_.empty()) {
                    if (!inside_) {
                        CheckNothingShown();
                        FUZZ_CHECK(!captured_ && !hot_);
                    } else if (!held && machine_.focusRegion() == -1) {
                        FUZZ_CHECK(machine_.hoverRegion() == hit);
                    }
                }
                break;
            }
            case Event::kDown: {
                const bool right = provider_.ConsumeIntegralInRange(0, 7) == 0;
                const int hit = Hit();
                Carry(machine_.LeftButtonDown(hit, right));
                if (!right && hit >= 0) {
                    pressed_ = hit;
                }
                break;
            }
            case Event::kUp:
                runHit_ = Hit();
                Carry(machine_.LeftButtonUp(runHit_));
                pressed_ = -1;
                break;
            case Event::kBalloonTimer:
                // A real timer fires only while it runs.
                if (timerRunning_) {
                    Carry(machine_.BalloonTimer());
                    FUZZ_CHECK(!timerRunning_);
                }
                break;
            case Event::kOtherTimer:
                Carry(machine_.OtherTimer());
                break;
            case Event::kDeactivate:
                Carry(machine_.AppDeactivated());
                CheckNothingShown();
                FUZZ_CHECK(!captured_ && !hot_);
                break;
            case Event::kTab:
                Carry(machine_.TabKey(provider_.ConsumeBool()));
                if (machine_.focusRegion() != -1) {
                    FUZZ_CHECK(Facts(machine_.focusRegion()).hasShape);
                    FUZZ_CHECK(machine_.hoverRegion() == machine_.focusRegion());
                }
                break;
            case Event::kActivate:
                Carry(machine_.ActivateKey());
                break;
            case Event::kEscape:
                Carry(machine_.EscapeKey());
                if (before_.focus != -1) {
                    CheckNothingShown();
                }
                break;
            case Event::kReaderFocus:
            case Event::kReaderPress: {
                readerTarget_ = provider_.ConsumeIntegralInRange(-1, 7);
                Carry(event == Event::kReaderFocus ? machine_.FocusRegion(readerTarget_)
                                                   : machine_.PressRegion(readerTarget_));
                const bool reachable =
                    readerTarget_ >= 0 && readerTarget_ < Count() && Facts(readerTarget_).hasShape;
                FUZZ_CHECK(machine_.focusRegion() == (reachable ? readerTarget_ : before_.focus));
                if (reachable) {
                    FUZZ_CHECK(machine_.hoverRegion() == readerTarget_);
                }
                break;
            }
            case Event::kSettings: {
                const int delays[] = {0, 1, 300, -1, 500};
                settings_.balloonHelp = provider_.ConsumeIntegralInRange(0, 3) != 0;
                settings_.balloonDelay = delays[provider_.ConsumeIntegralInRange(0, 4)];
                machine_.UseSettings(settings_);
                break;
            }
            case Event::kUpdate: {
                // A setup reloaded a region: its facts may change, its pictures' places do not.
                const int index = provider_.ConsumeIntegralInRange(-1, 6);
                const HoverRegionFacts facts = RandomFacts(provider_);
                machine_.UpdateRegion(index, facts);
                if (index >= 0 && index < Count()) {
                    regions_[size_t(index)].facts = facts;
                }
                break;
            }
            case Event::kNewScreen:
                Carry(machine_.WindowDestroyed());
                // The window, its timer and its pictures are gone.
                FUZZ_CHECK(!captured_ && !hot_);
                NewScreen();
                break;
        }
        CheckAfterEvent();
    }

  private:
    struct Snapshot {
        int hover = -1;
        int focus = -1;
        bool timerRunning = false;
    };

    int Count() const { return static_cast<int>(regions_.size()); }
    const HoverRegionFacts& Facts(int index) const {
        FUZZ_CHECK(index >= 0 && index < Count());
        return regions_[size_t(index)].facts;
    }

    void NewScreen() {
        regions_.assign(provider_.ConsumeIntegralInRange<size_t>(0, 6), ModelRegion{});
        std::vector<HoverRegionFacts> facts;
        for (ModelRegion& region : regions_) {
            region.facts = RandomFacts(provider_);
            region.shape = RandomArea(provider_);
            region.highlight = RandomArea(provider_);
            region.balloon = RandomArea(provider_);
            facts.push_back(region.facts);
        }
        canvas_.fill(kBackground);
        window_.fill(kBackground);
        highlight_ = balloon_ = -1;
        timerRunning_ = captured_ = hot_ = false;
        pressed_ = -1;
        machine_.ShowScreen(facts);
        machine_.UseSettings(settings_);
    }

    // The first shaped region in list order under the pointer.
    int Hit() const {
        if (!inside_) {
            return -1;
        }
        for (int i = 0; i < Count(); ++i) {
            const ModelRegion& region = regions_[size_t(i)];
            if (region.facts.hasShape && region.shape.Holds(pointerX_, pointerY_)) {
                return i;
            }
        }
        return -1;
    }

    void Paint(const Area& area, int value) {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                canvas_[size_t(y * kSide + x)] = value;
            }
        }
    }

    void Carry(const HoverCommands& commands) {
        for (size_t i = 0; i < commands.size(); ++i) {
            const HoverCommand& command = commands[i];
            const int r = command.region;
            const bool isRegion = r >= 0 && r < Count();
            if (kTrace) {
                std::fprintf(stderr, "  command %d region %d\n", static_cast<int>(command.action),
                             r);
            }
            switch (command.action) {
                case HoverAction::kPlaceHighlight:
                    FUZZ_CHECK(isRegion && Facts(r).hasHighlight);
                    FUZZ_CHECK(r == machine_.hoverRegion());
                    FUZZ_CHECK(highlight_ == -1 || highlight_ == r);  // a first show or a refresh
                    FUZZ_CHECK(balloon_ == -1);                       // a balloon stays on top
                    highlight_ = r;
                    Paint(regions_[size_t(r)].highlight, 1 + r);
                    break;
                case HoverAction::kRestoreHighlight:
                    FUZZ_CHECK(isRegion && highlight_ == r);
                    FUZZ_CHECK(balloon_ == -1);
                    highlight_ = -1;
                    Paint(regions_[size_t(r)].highlight, kBackground);
                    break;
                case HoverAction::kPlaceBalloon:
                    FUZZ_CHECK(isRegion && Facts(r).hasBalloon && settings_.balloonHelp);
                    FUZZ_CHECK(r == machine_.hoverRegion() && balloon_ == -1);
                    FUZZ_CHECK((event_ == Event::kBalloonTimer && before_.timerRunning) ||
                               settings_.balloonDelay == 0);
                    balloon_ = r;
                    Paint(regions_[size_t(r)].balloon, 100 + r);
                    break;
                case HoverAction::kRestoreBalloon:
                    FUZZ_CHECK(isRegion);
                    // The hovered region's balloon area is restored whether or not it shows;
                    // with balloons off, only a balloon that shows. A reader's press hovers its
                    // region and runs it in one event.
                    FUZZ_CHECK(balloon_ == r ||
                               (balloon_ == -1 && settings_.balloonHelp && Facts(r).hasBalloon &&
                                (r == before_.hover ||
                                 (event_ == Event::kReaderPress && r == readerTarget_))));
                    balloon_ = -1;
                    Paint(regions_[size_t(r)].balloon, kBackground);
                    break;
                case HoverAction::kDrawCanvas:
                    window_ = canvas_;
                    break;
                case HoverAction::kStartBalloonTimer:
                    FUZZ_CHECK(!timerRunning_ && command.delayMs > 0);
                    FUZZ_CHECK(command.delayMs == lumora::BalloonDelayMs(settings_.balloonDelay));
                    timerRunning_ = true;
                    break;
                case HoverAction::kStopBalloonTimer:
                    FUZZ_CHECK(timerRunning_);
                    timerRunning_ = false;
                    break;
                case HoverAction::kHotCursorOn:
                    FUZZ_CHECK(event_ == Event::kMove && Hit() != -1);
                    hot_ = true;
                    break;
                case HoverAction::kHotCursorOff:
                    hot_ = false;
                    break;
                case HoverAction::kCaptureMouse:
                    FUZZ_CHECK(event_ == Event::kMove && inside_);
                    captured_ = true;
                    break;
                case HoverAction::kReleaseMouse:
                    captured_ = false;
                    break;
                case HoverAction::kPlayHighlightSound:
                    FUZZ_CHECK(i > 0 && commands[i - 1].action == HoverAction::kDrawCanvas);
                    break;
                case HoverAction::kPlayBalloonSound:
                    FUZZ_CHECK(balloon_ != -1);
                    break;
                case HoverAction::kRunRegion: {
                    FUZZ_CHECK(i + 1 == commands.size());
                    const bool click = event_ == Event::kUp && r == runHit_ && r == pressed_;
                    const bool key = event_ == Event::kActivate && r == before_.focus;
                    const bool reader = event_ == Event::kReaderPress && r == readerTarget_;
                    FUZZ_CHECK(isRegion && (click || key || reader));
                    FUZZ_CHECK(Facts(r).hasShape);
                    break;
                }
            }
        }
    }

    void CheckNothingShown() const {
        FUZZ_CHECK(highlight_ == -1 && balloon_ == -1 && !timerRunning_);
        FUZZ_CHECK(machine_.hoverRegion() == -1 && machine_.focusRegion() == -1);
    }

    void CheckAfterEvent() const {
        // Every change is drawn, and the canvas holds the shown pictures over the background.
        FUZZ_CHECK(window_ == canvas_);
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                int expected = kBackground;
                if (balloon_ != -1 && regions_[size_t(balloon_)].balloon.Holds(x, y)) {
                    expected = 100 + balloon_;
                } else if (highlight_ != -1 && regions_[size_t(highlight_)].highlight.Holds(x, y)) {
                    expected = 1 + highlight_;
                }
                FUZZ_CHECK(canvas_[size_t(y * kSide + x)] == expected);
            }
        }
        FUZZ_CHECK(highlight_ == -1 || highlight_ == machine_.hoverRegion());
        FUZZ_CHECK(balloon_ == -1 || balloon_ == machine_.hoverRegion());
        FUZZ_CHECK(machine_.highlightShown() == (highlight_ != -1));
        FUZZ_CHECK(machine_.balloonTimerPending() == timerRunning_);
        FUZZ_CHECK(!timerRunning_ || machine_.hoverRegion() != -1);
        const int hover = machine_.hoverRegion();
        FUZZ_CHECK(hover == -1 || (hover >= 0 && hover < Count()));
        FUZZ_CHECK(machine_.focusRegion() == -1 || machine_.focusRegion() == hover);
    }

    FuzzedDataProvider& provider_;
    HoverMachine machine_;
    HoverSettings settings_;
    std::vector<ModelRegion> regions_;
    std::array<int, kSide * kSide> canvas_{};
    std::array<int, kSide * kSide> window_{};
    int highlight_ = -1;  // the region whose highlight is on the canvas
    int balloon_ = -1;
    bool timerRunning_ = false;
    bool captured_ = false;
    bool hot_ = false;
    int pressed_ = -1;  // the last press on a region since the last release
    bool inside_ = false;
    int pointerX_ = 0, pointerY_ = 0;
    Event event_ = Event::kMove;
    Snapshot before_;
    int runHit_ = -1;
    int readerTarget_ = -1;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) {
        return 0;
    }
    FuzzedDataProvider provider(data, size);
    World world(provider);
    for (int step = 0; step < 400 && provider.remaining_bytes() > 0; ++step) {
        world.Step();
    }
    return 0;
}
