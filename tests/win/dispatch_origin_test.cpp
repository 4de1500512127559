// The dispatch message comes from anywhere: only this process's own requests are read through
// lParam; codes with data and anything else there are ignored, codes without data still work.
#include "actions/dispatch.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "launch_fixture.h"
#include "message_box_answerer.h"

namespace lumora::testing {
namespace {

class DispatchOriginTest : public LaunchFixture {
  protected:
    void SetUp() override {
        LaunchFixture::SetUp();
        WriteIni(
            "[Config]\nScreenNames=One|Two\nStartup=One\n"
            "[Screen One]\nBitmap=%r\\one.bmp\nRegionNames=A\n"
            "[Screen Two]\nBitmap=%r\\one.bmp\nRegionNames=A\n");
        main_.ShowScreen("One");
    }
    void Send(WPARAM code, LPARAM lParam) {
        ::SendMessageA(main_.hwnd(), App().dispatchMessageId, code, lParam);
    }
    void Post(WPARAM code, LPARAM lParam) {
        ::PostMessageA(main_.hwnd(), App().dispatchMessageId, code, lParam);
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageA(&message);
        }
    }
};

// Counts the property sheets of this thread shown at once while the preferences are open, and
// closes them all a while after the first one showed.
class SheetWatch {
  public:
    SheetWatch() {
        current() = this;
        timer_ = ::SetTimer(nullptr, 0, 20, Tick);
    }
    SheetWatch(const SheetWatch&) = delete;
    SheetWatch& operator=(const SheetWatch&) = delete;
    ~SheetWatch() {
        ::KillTimer(nullptr, timer_);
        current() = nullptr;
    }
    std::function<void()> whileOpen;  // runs once, at the first tick with a sheet
    int mostAtOnce = 0;

  private:
    static SheetWatch*& current() {
        static SheetWatch* watch = nullptr;
        return watch;
    }
    static BOOL CALLBACK FindSheets(HWND window, LPARAM found) {
        if (::IsWindowVisible(window) && ::SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0)) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        }
        return TRUE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        SheetWatch* watch = current();
        std::vector<HWND> sheets;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindSheets, reinterpret_cast<LPARAM>(&sheets));
        if (!watch || sheets.empty()) {
            return;
        }
        watch->mostAtOnce = std::max(watch->mostAtOnce, static_cast<int>(sheets.size()));
        if (watch->whileOpen) {
            std::exchange(watch->whileOpen, nullptr)();
        } else if (++watch->ticks_ > 5) {
            for (HWND sheet : sheets) {
                ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            }
        }
    }

    UINT_PTR timer_ = 0;
    int ticks_ = 0;
};

// While the preferences are open (an action), the same message from another program opens no
// second sheet over the first, and no other action runs.
TEST_F(DispatchOriginTest, OneActionAtATimeOpensOneSheet) {
    SheetWatch watch;
    watch.whileOpen = [this] {
        for (WPARAM code : {kActionPreferences, kActionAbout, kActionReloadScreen}) {
            ::PostMessageA(main_.hwnd(), App().dispatchMessageId, code, 0);
        }
    };
    const Liveness screen = main_.screenWindow().WatchShown();
    DispatchPreferences(0, nullptr);
    EXPECT_EQ(watch.mostAtOnce, 1);
    EXPECT_TRUE(screen.alive()) << "the screen was not reloaded meanwhile";
    // Once it has closed, another program's message works again.
    Post(kActionReloadScreen, 0);
    EXPECT_FALSE(screen.alive());
}

TEST_F(DispatchOriginTest, ForeignDataIsNeverRead) {
    const std::string probe = InstallProbe(folder() + "app.exe");
    // A record that looks right but was not made by an exported function here.
    DispatchArgs forged{0, "Two"};
    DispatchArgs forgedProgram{0, probe.c_str()};
    const LPARAM values[] = {0, 0x10, static_cast<LPARAM>(0xFFFFFFFFu),
                             reinterpret_cast<LPARAM>(&forged)};
    for (WPARAM code : {kActionScreen, kActionMenu, kActionHelp}) {
        for (LPARAM value : values) {
            Send(code, value);
            Post(code, value);
        }
    }
    for (WPARAM code : {kActionProgram, kActionProgramAndWait}) {
        Send(code, reinterpret_cast<LPARAM>(&forgedProgram));
        Post(code, 0x10);
    }
    EXPECT_EQ(main_.currentScreen(), "One");
    ASSERT_TRUE(main_.exists());
    ::Sleep(300);
    EXPECT_FALSE(Started(probe));
    // The exported function's own request is read.
    DispatchScreen(0, "Two");
    EXPECT_EQ(main_.currentScreen(), "Two");
}

TEST_F(DispatchOriginTest, CodesWithoutDataStillWorkFromOutside) {
    Send(kActionScreen, 0);
    Send(kActionPreviousScreen, 0x10);
    EXPECT_EQ(main_.currentScreen(), "One");
    DispatchScreen(0, "Two");
    Post(kActionPreviousScreen, static_cast<LPARAM>(0xFFFFFFFFu));
    EXPECT_EQ(main_.currentScreen(), "One");
    Post(kActionExit, 0x10);
    EXPECT_FALSE(main_.exists());
}

TEST_F(DispatchOriginTest, ProgramActionClosesTheLauncherOnlyAfterAStart) {
    const std::string probe = InstallProbe(folder() + "app.exe");
    // Nothing to start: a message, and the launcher stays.
    {
        MessageBoxAnswerer answerer(IDOK);
        DispatchProgram(-1, (folder() + "missing.exe").c_str());
        EXPECT_TRUE(answerer.Stop().shown);
    }
    EXPECT_TRUE(main_.exists());
    DispatchProgramAndWait(-1, probe.c_str());
    EXPECT_TRUE(TakeReport(probe));
    EXPECT_TRUE(main_.exists()) << "waiting, the launcher comes back";
    DispatchProgram(-1, probe.c_str());
    EXPECT_FALSE(main_.exists());
}

}  // namespace
}  // namespace lumora::testing
