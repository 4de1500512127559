// The one click path: a plan carried out step by step, one action at a time, and nothing
// touched of a region that went while a message loop ran.
#include "actions/click_run.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "actions/action_gate.h"
#include "config/ini_store.h"
#include "disc_fixture.h"

namespace lumora::testing {
namespace {

// What the boxes of this thread are answered with while a test waits in one of their loops:
// each box that shows is counted and closed with IDCANCEL, after `onBox` ran on this thread.
class BoxCloser {
  public:
    explicit BoxCloser(std::function<void()> onBox = nullptr) : onBox_(std::move(onBox)) {
        current() = this;
        timer_ = ::SetTimer(nullptr, 0, 20, Tick);
    }
    BoxCloser(const BoxCloser&) = delete;
    BoxCloser& operator=(const BoxCloser&) = delete;
    ~BoxCloser() {
        ::KillTimer(nullptr, timer_);
        current() = nullptr;
    }
    int boxes = 0;
    int mostAtOnce = 0;  // boxes of this thread shown at the same time

  private:
    static BoxCloser*& current() {
        static BoxCloser* closer = nullptr;
        return closer;
    }
    static BOOL CALLBACK FindBoxes(HWND window, LPARAM found) {
        char className[16] = {};
        ::GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770" && ::IsWindowVisible(window)) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        }
        return TRUE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        BoxCloser* closer = current();
        std::vector<HWND> boxes;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindBoxes, reinterpret_cast<LPARAM>(&boxes));
        if (!closer || boxes.empty()) {
            return;
        }
        closer->mostAtOnce = std::max(closer->mostAtOnce, static_cast<int>(boxes.size()));
        // The innermost box is answered first: the others wait in its loop.
        HWND box = boxes.front();
        if (::GetPropA(box, "counted")) {
            return;
        }
        ::SetPropA(box, "counted", reinterpret_cast<HANDLE>(1));
        ++closer->boxes;
        if (closer->onBox_) {
            closer->onBox_();
        }
        ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }

    std::function<void()> onBox_;
    UINT_PTR timer_ = 0;
};

ClickStep Step(ClickStepKind kind) {
    ClickStep step{kind, std::string(), std::nullopt, StringList(), 0, false, false};
    return step;
}

class ClickRunTest : public DiscFixture {
  protected:
    void SetUp() override {
        DiscFixture::SetUp();
        WriteIni("[Config]\nScreenNames=Main\n");
    }
    void TearDown() override {
        ClearSetupState();
        DiscFixture::TearDown();
    }
};

TEST_F(ClickRunTest, AClickWhileAnotherActionRunsDoesNothing) {
    ClickStep record = Step(ClickStepKind::kRecordSetup);
    record.data = "Viewer";
    const Lifetime region;
    ClickSite site;
    site.alive = region.Watch();
    {
        const ActionGate running;
        ASSERT_TRUE(running.held());
        EXPECT_EQ(RunClick({record}, site), ClickOutcome::kIgnored);
        EXPECT_EQ(lumora::Setup().setupPending, 0);
        // A setup that belongs to the running action goes on.
        EXPECT_EQ(CarryOutPlan({record}, site), ClickOutcome::kFinished);
        EXPECT_EQ(lumora::Setup().setupPending, 1);
    }
    ClearSetupState();
    EXPECT_EQ(RunClick({record}, site), ClickOutcome::kFinished);
    EXPECT_EQ(lumora::Setup().setupPending, 1);
    EXPECT_EQ(ReadSetting("Setup", "Application"), "Viewer");
    EXPECT_FALSE(ActionGate::Busy());
}

TEST_F(ClickRunTest, ADiscSearchIsKeptOnlyWithARegionThatIsStillThere) {
    ClickStep disc = Step(ClickStepKind::kCheckDisc);
    disc.requirement = {"NO SUCH LABEL 9", "The Missing Disc"};
    ClickStep record = Step(ClickStepKind::kRecordSetup);
    record.data = "Never";

    auto region = std::make_unique<Lifetime>();
    int stored = -2;
    ClickSite site;
    site.discDrive = 'Q';
    site.storeDiscDrive = [&stored](int drive) { stored = drive; };
    site.alive = region->Watch();
    {
        // Cancelled while the region lives: the search result (none) is kept with it.
        BoxCloser closer;
        EXPECT_EQ(RunClick({disc, record}, site), ClickOutcome::kStopped);
        EXPECT_EQ(closer.boxes, 1);
    }
    EXPECT_EQ(stored, 0);
    stored = -2;
    {
        // The region goes while the prompt is up: nothing is written back to it.
        BoxCloser closer([&region] { region.reset(); });
        EXPECT_EQ(RunClick({disc, record}, site), ClickOutcome::kStopped);
        EXPECT_EQ(closer.boxes, 1);
    }
    EXPECT_EQ(stored, -2);
    EXPECT_EQ(lumora::Setup().setupPending, 0);
}

TEST_F(ClickRunTest, ClicksQueuedDuringAnActionAreIgnoredNotNested) {
    // A region whose display check refuses: its box runs a loop, in which the other clicks
    // queued on the region arrive.
    SolidPicture("back.bmp", 200, 100, 5);
    WriteIni(
        "[Config]\nScreenNames=Main\nStartup=Main\n[Screen Main]\nBitmap=%r\\back.bmp\n"
        "RegionNames=Big\n[Main-Region Big]\nShape=0,0|200,0|200,100|0,100\n"
        "LaunchFunc=DispatchExit\nLaunchScreenReq=E|640X480|LOW\n");
    CMainWindow main;
    ASSERT_TRUE(StartMainWindow(main));
    HWND screen = main.screenWindow().hwnd();
    ASSERT_TRUE(screen);
    for (int click = 0; click < 3; ++click) {
        ::PostMessageA(screen, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
        ::PostMessageA(screen, WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    }
    BoxCloser closer;
    MSG message;
    const DWORD deadline = ::GetTickCount() + 3000;
    while (closer.boxes == 0 && static_cast<LONG>(deadline - ::GetTickCount()) > 0) {
        if (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageA(&message);
        }
    }
    // The other clicks came while the first one's box was up, and were dropped.
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageA(&message);
    }
    EXPECT_EQ(closer.boxes, 1);
    EXPECT_EQ(closer.mostAtOnce, 1);
    EXPECT_FALSE(ActionGate::Busy());
    App().mainWindow = nullptr;
}

}  // namespace
}  // namespace lumora::testing
