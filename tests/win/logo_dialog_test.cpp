// The timed logo popup: one at a time, deaf to Enter and Escape, gone at its timer, and nothing
// at all for a picture that cannot be loaded.
#include "actions/logo_dialog.h"

#include <fstream>

#include "disc_fixture.h"
#include "exception_watch.h"
#include "win/messages.h"

namespace lumora::testing {
namespace {

BOOL CALLBACK CountVisibleDialog(HWND window, LPARAM count) {
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && ::IsWindowVisible(window)) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

// The visible dialog windows of this thread.
int VisiblePopups() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountVisibleDialog,
                        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Hands a message on as the program's loop does: dialog keys go through the dialog manager.
void Dispatch(MSG& message) {
    HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && ::IsDialogMessageA(root, &message)) {
        return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
}

// Dispatches every message that is waiting now.
void PumpWaiting() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        Dispatch(message);
    }
}

// Dispatches the thread's messages, showing each to `seen` first, until `done` or a deadline.
template <typename Done, typename Seen>
bool PumpUntil(Done done, Seen seen) {
    const DWORD deadline = ::GetTickCount() + 5000;
    while (!done()) {
        const int left = static_cast<int>(deadline - ::GetTickCount());
        if (left <= 0) {
            return false;
        }
        MSG message;
        if (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            seen(message);
            Dispatch(message);
        } else {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
        }
    }
    return true;
}

SIZE ClientSize(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

class LogoDialogTest : public DiscFixture {
  protected:
    void SetUp() override {
        DiscFixture::SetUp();
        logo_ = SolidPicture("logo.bmp", 320, 200, 4);
    }
    void TearDown() override {
        popup_.Destroy();
        PumpWaiting();
        DiscFixture::TearDown();
    }

    // Long enough that the timer never fires while a test looks at the popup.
    static constexpr unsigned kLongSeconds = 15;

    std::string logo_;
    CLogoDialog popup_;
};

TEST_F(LogoDialogTest, EnterAndEscapeLeaveThePopupOpen) {
    ASSERT_TRUE(popup_.ShowLogo(nullptr, logo_, kLongSeconds));
    const HWND window = popup_.hwnd();
    ::SetFocus(window);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        ::PostMessageA(window, WM_KEYDOWN, key, 0);
        ::PostMessageA(window, WM_KEYUP, key, 0);
        PumpWaiting();
        EXPECT_TRUE(::IsWindow(window) && ::IsWindowVisible(window)) << "key " << key;
    }
    // What the dialog manager turns those keys into.
    for (WPARAM command : {IDOK, IDCANCEL}) {
        ::SendMessageA(window, WM_COMMAND, command, 0);
        PumpWaiting();
        EXPECT_TRUE(::IsWindow(window) && ::IsWindowVisible(window)) << "command " << command;
    }
}

TEST_F(LogoDialogTest, ASecondPopupReplacesTheFirstAtOnce) {
    const std::string small = SolidPicture("small.bmp", 100, 50, 2);
    ASSERT_TRUE(popup_.ShowLogo(nullptr, logo_, kLongSeconds));
    const HWND first = popup_.hwnd();
    ASSERT_TRUE(popup_.ShowLogo(nullptr, small, kLongSeconds));
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_EQ(VisiblePopups(), 1);
    ASSERT_TRUE(popup_.exists());
    const SIZE client = ClientSize(popup_.hwnd());
    EXPECT_EQ(client.cx, 100);
    EXPECT_EQ(client.cy, 50);
}

TEST_F(LogoDialogTest, ZeroSecondsCloseThePopupAtTheFirstTimerMessage) {
    ASSERT_TRUE(popup_.ShowLogo(nullptr, logo_, 0));
    const HWND window = popup_.hwnd();
    ASSERT_TRUE(::IsWindowVisible(window));
    int timerMessages = 0;
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(window); },
                          [&](const MSG& m) {
                              if (m.hwnd == window && m.message == WM_TIMER) {
                                  EXPECT_EQ(m.wParam, kLogoTimerId);
                                  ++timerMessages;
                              }
                          }));
    EXPECT_EQ(timerMessages, 1);
    EXPECT_FALSE(popup_.exists());
    // Closed, the popup opens again.
    EXPECT_TRUE(popup_.ShowLogo(nullptr, logo_, kLongSeconds));
    EXPECT_EQ(VisiblePopups(), 1);
}

TEST_F(LogoDialogTest, APictureThatCannotBeLoadedShowsNothing) {
    const std::string broken = SolidPicture("broken.bmp", 8, 8, 1);
    std::ofstream(broken, std::ios::binary | std::ios::trunc) << "BM not a picture";
    for (const std::string& path : {folder() + "missing.bmp", broken}) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(popup_.ShowLogo(nullptr, logo_, kLongSeconds));
        const HWND open = popup_.hwnd();
        EXPECT_FALSE(popup_.ShowLogo(nullptr, path, kLongSeconds));
        // The open popup is closed all the same.
        EXPECT_FALSE(::IsWindow(open));
        EXPECT_FALSE(popup_.exists());
        EXPECT_EQ(VisiblePopups(), 0);
    }
}

TEST_F(LogoDialogTest, APopupStillOpenGoesWithItsObject) {
    HWND window = nullptr;
    ExceptionWatch exceptions;
    {
        CLogoDialog popup;
        ASSERT_TRUE(popup.ShowLogo(nullptr, logo_, kLongSeconds));
        window = popup.hwnd();
    }
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(VisiblePopups(), 0);
    EXPECT_EQ(exceptions.count(), 0);
}

TEST_F(LogoDialogTest, APictureLargerThanTheDisplayIsPlacedByAnArithmeticHalving) {
    const int frameX = ::GetSystemMetrics(SM_CXDLGFRAME);
    const int frameY = ::GetSystemMetrics(SM_CYDLGFRAME);
    // Three and five pixels too large: halving must round down, to -2 and -3, not towards 0.
    const int width = ::GetSystemMetrics(SM_CXSCREEN) + 2 * frameX + 3;
    const int height = ::GetSystemMetrics(SM_CYSCREEN) + 2 * frameY + 5;
    const std::string large = SolidPicture("large.bmp", width, height, 3);
    ASSERT_TRUE(popup_.ShowLogo(nullptr, large, kLongSeconds));
    RECT r{};
    ::GetWindowRect(popup_.hwnd(), &r);
    EXPECT_EQ(r.left, -2);
    EXPECT_EQ(r.top, -3);
    EXPECT_EQ(r.right - r.left, width + 2 * frameX);
    EXPECT_EQ(r.bottom - r.top, height + 2 * frameY);
    const SIZE client = ClientSize(popup_.hwnd());
    EXPECT_EQ(client.cx, width);
    EXPECT_EQ(client.cy, height);
}

}  // namespace
}  // namespace lumora::testing
