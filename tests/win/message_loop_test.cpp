// What Lumora's message loops and the system's modal loops make of what another program posts:
// messages that only the system sends and timers that are not Lumora's are never dispatched, and
// a quit message ends every loop and stays for the main one.
#include "win/message_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "disc_fixture.h"
#include "exception_watch.h"
#include "menus/popup_menu.h"
#include "other_thread.h"
#include "prefs/preferences_sheet.h"
#include "resource.h"
#include "win/message_box.h"
#include "win/messages.h"
#include "win/program_timers.h"
#include "win/window.h"

namespace lumora::testing {
namespace {

constexpr UINT kDpiChanged = 0x02E0;
constexpr char kRecordingClass[] = "LumoraLoopRecorder";

// A window of Lumora's kind that notes every message it is handed after its creation.
class Recorder : public Window {
  public:
    bool Open() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Window::WindowProc;
        windowClass.hInstance = ProgramInstance();
        windowClass.lpszClassName = kRecordingClass;
        ::RegisterClassA(&windowClass);
        return CreateEx(0, kRecordingClass, "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                        nullptr);
    }
    bool Heard(UINT message, WPARAM wParam = 0) const {
        return std::find(heard_.begin(), heard_.end(), Entry{message, wParam}) != heard_.end();
    }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        heard_.push_back(Entry{message, wParam});
        return Default(message, wParam, lParam);
    }

  private:
    using Entry = std::pair<UINT, WPARAM>;
    std::vector<Entry> heard_;
};

// A modeless dialog of Lumora's kind that counts its timer messages.
class TimedDialog : public ModelessDialog {
  public:
    bool Open() { return Create(IDD_LOGO_POPUP, nullptr); }
    int timers = 0;

  protected:
    INT_PTR HandleMessage(UINT message, WPARAM, LPARAM) override {
        timers += message == WM_TIMER ? 1 : 0;
        return message == WM_INITDIALOG;
    }
};

// Every message that only the system sends, each with a pointer that means nothing here, and
// timer messages that are no timer of Lumora's.
void PostWhatOnlyTheSystemSends(HWND window) {
    for (UINT message : {UINT{WM_NOTIFY}, UINT{WM_INITDIALOG}, kDpiChanged, UINT{WM_DESTROY},
                         UINT{WM_NCDESTROY}}) {
        PostFromAnotherThread(window, message, 0, 0x1000);
    }
    PostFromAnotherThread(window, WM_TIMER, kBalloonTimerId, 0x1000);
    PostFromAnotherThread(window, WM_TIMER, kBalloonTimerId, 0);
}

void ExpectNoneHeard(const Recorder& recorder) {
    for (UINT message : {UINT{WM_NOTIFY}, UINT{WM_INITDIALOG}, kDpiChanged, UINT{WM_DESTROY},
                         UINT{WM_NCDESTROY}, UINT{WM_TIMER}}) {
        EXPECT_FALSE(recorder.Heard(message)) << "message " << message;
    }
}

TEST(MessageLoopTest, PumpDispatchesWhatWaitsAndEndsAtAQuitThatStaysQueued) {
    Recorder recorder;
    ASSERT_TRUE(recorder.Open());
    for (int i = 0; i < 3; ++i) {
        ::PostMessageA(recorder.hwnd(), WM_APP, i, 0);
    }
    ::PostQuitMessage(5);
    EXPECT_FALSE(PumpWaitingMessages()) << "a quit ends the pump";
    EXPECT_TRUE(recorder.Heard(WM_APP, 2)) << "what was posted before it is dispatched";
    EXPECT_TRUE(QuitRequested());
    EXPECT_FALSE(PumpWaitingMessages()) << "and ends it again, for every loop out to the main one";
    MSG quit{};
    ASSERT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 5u);
    EXPECT_FALSE(QuitRequested());
    EXPECT_TRUE(PumpWaitingMessages()) << "an empty queue: returns at once";
}

TEST(MessageLoopTest, ALoopDispatchesNothingThatOnlyTheSystemSendsNorTimersOfOthers) {
    ExceptionWatch exceptions;
    Recorder recorder;
    ASSERT_TRUE(recorder.Open());
    const HWND window = recorder.hwnd();
    PostWhatOnlyTheSystemSends(window);
    PostFromAnotherThread(window, WM_APP, 0, 0x1000);
    PumpWaitingMessages();
    ExpectNoneHeard(recorder);
    EXPECT_TRUE(recorder.Heard(WM_APP)) << "any other message is dispatched";
    EXPECT_EQ(recorder.hwnd(), window) << "the object is still its window's";

    // Lumora's own timer, while it runs.
    ASSERT_TRUE(StartProgramTimer(window, kBalloonTimerId, 60000));
    PostFromAnotherThread(window, WM_TIMER, kBalloonTimerId, 0);
    PumpWaitingMessages();
    EXPECT_TRUE(recorder.Heard(WM_TIMER, kBalloonTimerId));
    StopProgramTimer(window, kBalloonTimerId);
    EXPECT_FALSE(IsProgramTimer(window, kBalloonTimerId));

    // A modeless dialog of Lumora's is one of its windows too.
    TimedDialog dialog;
    ASSERT_TRUE(dialog.Open());
    PostFromAnotherThread(dialog.hwnd(), WM_TIMER, kLogoTimerId, 0);
    PumpWaitingMessages();
    EXPECT_EQ(dialog.timers, 0);
    ASSERT_TRUE(StartProgramTimer(dialog.hwnd(), kLogoTimerId, 60000));
    PostFromAnotherThread(dialog.hwnd(), WM_TIMER, kLogoTimerId, 0);
    PumpWaitingMessages();
    EXPECT_EQ(dialog.timers, 1);
    // A window that goes takes its timers with it.
    const HWND gone = dialog.hwnd();
    dialog.Destroy();
    EXPECT_FALSE(IsProgramTimer(gone, kLogoTimerId));
    EXPECT_EQ(exceptions.count(), 0);
}

TEST(MessageLoopTest, TheSystemsWindowsKeepTheirTimers) {
    // The filter knows Lumora's timers only: a system window's timer message goes through.
    MSG timer{};
    timer.hwnd = ::GetDesktopWindow();
    timer.message = WM_TIMER;
    timer.wParam = 1;
    EXPECT_TRUE(MayDispatch(timer));
    timer.lParam = 0x1000;
    EXPECT_FALSE(MayDispatch(timer)) << "with a timer procedure, for no window of Lumora's";
}

// The system's modal loops, with the filter installed as the program installs it.
class SystemLoopTest : public DiscFixture {
  protected:
    void SetUp() override {
        DiscFixture::SetUp();
        WriteIni(
            "[Config]\nScreenNames=One\n"
            "[Menu Tools]\nMenuItems=A\nMenuPosition=10,10\n"
            "[Tools-MenuItem A]\nDescription=Item A\n");
        ASSERT_TRUE(filter_);
        ASSERT_TRUE(recorder_.Open());
    }

    // Each modal step the program takes, ended by `end` once its window shows.
    struct Step {
        const char* name;
        const char* windowClass;
        std::function<void()> run;
        std::function<void(HWND shown)> end;
    };

    std::vector<Step> Steps() {
        const HWND owner = recorder_.hwnd();
        return {
            {"message box", "#32770", [owner] { ShowTextMessage(owner, "Hello", MB_OK); },
             [](HWND box) { ::PostMessageA(box, WM_COMMAND, IDOK, 0); }},
            {"pop-up menu", "#32768", [this, owner] { menu_.ShowMenu(owner, "Tools"); },
             [owner](HWND) { ::PostMessageA(owner, WM_CANCELMODE, 0, 0); }},
            {"preferences sheet", "#32770", [owner] { CPreferencesSheet(owner).DoModal(); },
             [](HWND sheet) { ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }},
        };
    }

    const MessageFilter filter_;
    Recorder recorder_;
    CPopupMenu menu_;
};

TEST_F(SystemLoopTest, ModalLoopsDispatchNothingThatOnlyTheSystemSends) {
    ExceptionWatch exceptions;
    const DWORD thread = ::GetCurrentThreadId();
    for (const Step& step : Steps()) {
        WhenReady attack([&] { return ShownWindow(thread, step.windowClass) != nullptr; },
                         [&] {
                             PostWhatOnlyTheSystemSends(recorder_.hwnd());
                             ::Sleep(200);
                             step.end(ShownWindow(thread, step.windowClass));
                         });
        step.run();
        EXPECT_TRUE(attack.Join()) << step.name;
        EXPECT_EQ(exceptions.count(), 0) << step.name;
    }
    ExpectNoneHeard(recorder_);
}

TEST_F(SystemLoopTest, AQuitEndsEachModalLoopAndStaysQueued) {
    const DWORD thread = ::GetCurrentThreadId();
    for (const Step& step : Steps()) {
        WhenReady quit([&] { return ShownWindow(thread, step.windowClass) != nullptr; },
                       [&] {
                           ::PostThreadMessageA(thread, WM_QUIT, 3, 0);
                           // A loop that keeps the quit is ended all the same, later.
                           const DWORD deadline = ::GetTickCount() + 3000;
                           HWND shown = nullptr;
                           while ((shown = ShownWindow(thread, step.windowClass)) &&
                                  static_cast<LONG>(deadline - ::GetTickCount()) > 0) {
                               ::Sleep(10);
                           }
                           if (shown) {
                               step.end(shown);
                           }
                       });
        const DWORD began = ::GetTickCount();
        step.run();
        const DWORD took = ::GetTickCount() - began;
        EXPECT_TRUE(quit.Join()) << step.name;
        EXPECT_LT(took, 2000u) << step.name << " ends at the quit";
        EXPECT_TRUE(::IsWindowEnabled(recorder_.hwnd())) << step.name << ": its owner is usable";
        MSG message{};
        ASSERT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << step.name;
        EXPECT_EQ(message.wParam, 3u) << step.name;
    }
}

TEST_F(SystemLoopTest, AMessageBoxEndedByAQuitAnswersNothing) {
    const DWORD thread = ::GetCurrentThreadId();
    WhenReady quit([&] { return ShownWindow(thread, "#32770") != nullptr; },
                   [&] { ::PostThreadMessageA(thread, WM_QUIT, 0, 0); });
    EXPECT_EQ(ShowTextMessage(recorder_.hwnd(), "Retry?", MB_RETRYCANCEL), 0);
    EXPECT_TRUE(QuitRequested());
    // With the quit still there, no box waits for an answer.
    EXPECT_EQ(ShowTextMessage(recorder_.hwnd(), "Retry?", MB_RETRYCANCEL), 0);
    MSG message;
    ::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
}  // namespace lumora::testing
