// The main window: screens and their one-level history, layout, and the frame rules.
#include "app/main_window.h"

#include <iostream>
#include <thread>

#include "actions/dispatch.h"
#include "actions/logo_dialog.h"
#include "disc_fixture.h"
#include "exception_watch.h"
#include "message_box_answerer.h"
#include "other_thread.h"
#include "win/message_loop.h"
#include "win/messages.h"
#include "resource.h"

namespace lumora::testing {
namespace {

std::string Title(HWND window) {
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// Where the main window and the screen window are on the display.
struct Layout {
    RECT main{};
    RECT screen{};
};

bool operator==(const Layout& a, const Layout& b) {
    return ::EqualRect(&a.main, &b.main) && ::EqualRect(&a.screen, &b.screen);
}

std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

std::ostream& operator<<(std::ostream& out, const Layout& layout) {
    return out << "main " << layout.main << " screen " << layout.screen;
}

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found) {
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && ::IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The logo popup of this thread, or null.
HWND VisiblePopup() {
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindVisibleDialog,
                        reinterpret_cast<LPARAM>(&found));
    return found;
}

class MainWindowTest : public DiscFixture {
  protected:
    void SetUp() override {
        DiscFixture::SetUp();
        SolidPicture("one.bmp", 320, 200, 1);
        SolidPicture("two.bmp", 400, 300, 2);
        App().dispatchMessageId =
            ::RegisterWindowMessageA(ResourceString(IDS_DISPATCH_MESSAGE).c_str());
    }

    void TearDown() override {
        Stop();
        DiscFixture::TearDown();
    }

    void Stop() {
        if (main_ && main_->exists()) {
            ::DestroyWindow(main_->hwnd());
        }
        main_.reset();
        App() = AppState{};
        App().dispatchMessageId =
            ::RegisterWindowMessageA(ResourceString(IDS_DISPATCH_MESSAGE).c_str());
        // Each start registers the class afresh, with the brush of its own matte setting.
        ::UnregisterClassA(ResourceString(IDS_MAIN_WINDOW_CLASS).c_str(),
                           ::GetModuleHandleA(nullptr));
        // The main window's end posts the end of the message loop; tests have none.
        MSG quit;
        ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    void Start(const std::string& config) {
        WriteIni("[Config]\nScreenNames=One|Two|Broken\n" + config +
                 "[Screen One]\nBitmap=%r\\one.bmp\nRegionNames=A\nDescription=First\n"
                 "[Screen Two]\nBitmap=%r\\two.bmp\nRegionNames=A\n"
                 "[Screen Broken]\nRegionNames=A\nDescription=Never\n"
                 "[Screen Three]\nBitmap=%r\\two.bmp\nRegionNames=A\nDescription=Unlisted\n");
        main_ = std::make_unique<CMainWindow>();
        ASSERT_TRUE(main_->Create());
        App().mainWindow = main_->hwnd();
    }

    Layout CurrentLayout() const {
        Layout layout;
        ::GetWindowRect(main_->hwnd(), &layout.main);
        ::GetWindowRect(main_->screenWindow().hwnd(), &layout.screen);
        return layout;
    }

    void SendDisplayChange() {
        ::SendMessageA(
            main_->hwnd(), WM_DISPLAYCHANGE, 0,
            MAKELPARAM(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
    }

    SIZE OuterSize() const {
        RECT r;
        ::GetWindowRect(main_->hwnd(), &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }

    SIZE ExpectedOuter(int width, int height) const {
        const int frame = ::GetSystemMetrics(SM_CXFRAME);
        return SIZE{width + 2 * frame, height + 2 * frame + ::GetSystemMetrics(SM_CYCAPTION)};
    }

    std::unique_ptr<CMainWindow> main_;
};

TEST_F(MainWindowTest, StartsOnTheStartupScreenCentredWithCaption) {
    Start("Startup=One\n");
    EXPECT_EQ(main_->currentScreen(), "One");
    EXPECT_EQ(Title(main_->hwnd()), "First");
    ASSERT_TRUE(main_->screenWindow().exists());
    SIZE outer = OuterSize();
    SIZE expected = ExpectedOuter(320, 200);
    EXPECT_EQ(outer.cx, expected.cx);
    EXPECT_EQ(outer.cy, expected.cy);
    RECT r;
    ::GetWindowRect(main_->hwnd(), &r);
    EXPECT_EQ(r.left, (::GetSystemMetrics(SM_CXSCREEN) - expected.cx) >> 1);
    EXPECT_EQ(r.top, (::GetSystemMetrics(SM_CYSCREEN) - expected.cy) >> 1);
    // The caption query answers the screen's description.
    auto caption =
        reinterpret_cast<const char*>(::SendMessageA(main_->hwnd(), kCaptionQueryMessage, 0, 0));
    ASSERT_NE(caption, nullptr);
    EXPECT_STREQ(caption, "First");
}

TEST_F(MainWindowTest, HistoryIsOneLevelDeep) {
    Start("Startup=One\n");
    main_->ShowScreen("Two");
    EXPECT_EQ(main_->previousScreen(), "One");
    // No description: the title and the caption query fall back.
    EXPECT_EQ(Title(main_->hwnd()), "Tavlen Splash");
    EXPECT_EQ(::SendMessageA(main_->hwnd(), kCaptionQueryMessage, 0, 0), 0);
    DispatchPreviousScreen(0, nullptr);
    EXPECT_EQ(main_->currentScreen(), "One");
    DispatchPreviousScreen(0, nullptr);
    EXPECT_EQ(main_->currentScreen(), "Two");
    // Showing the current screen again reloads it and keeps the history.
    const Liveness before = main_->screenWindow().WatchShown();
    main_->ShowScreen("Two");
    EXPECT_EQ(main_->previousScreen(), "One");
    EXPECT_FALSE(before.alive()) << "the screen was read again";
    EXPECT_TRUE(main_->screenWindow().WatchShown().alive());
}

TEST_F(MainWindowTest, NameOutsideScreenNamesOnlyResetsTheTitle) {
    Start("Startup=One\n");
    DispatchScreen(0, "Three");
    EXPECT_EQ(main_->currentScreen(), "One");
    EXPECT_EQ(Title(main_->hwnd()), "Tavlen Splash");
    EXPECT_TRUE(main_->screenWindow().exists());
    // Letter case counts.
    DispatchScreen(0, "two");
    EXPECT_EQ(main_->currentScreen(), "One");
}

TEST_F(MainWindowTest, ScreenChangeKeepsThePositionAndFitsTheSize) {
    Start("Startup=One\n");
    ::MoveWindow(main_->hwnd(), 10, 20, 100, 100, TRUE);
    DispatchScreen(0, "Two");
    RECT r;
    ::GetWindowRect(main_->hwnd(), &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    SIZE expected = ExpectedOuter(400, 300);
    EXPECT_EQ(r.right - r.left, expected.cx);
    EXPECT_EQ(r.bottom - r.top, expected.cy);
}

TEST_F(MainWindowTest, FailedScreenLaysOutAs200By100) {
    Start("Startup=Broken\n");
    EXPECT_FALSE(main_->screenWindow().exists());
    EXPECT_EQ(Title(main_->hwnd()), "Tavlen Splash");
    SIZE outer = OuterSize();
    SIZE expected = ExpectedOuter(200, 100);
    EXPECT_EQ(outer.cx, expected.cx);
    EXPECT_EQ(outer.cy, expected.cy);
}

TEST_F(MainWindowTest, FrameCannotBeResized) {
    Start("Startup=One\n");
    SIZE expected = ExpectedOuter(320, 200);
    // The dragged edges move back to the window's size; the opposite edges stay where they are.
    const LONG w = expected.cx;
    const LONG h = expected.cy;
    struct Drag {
        WPARAM edge;
        RECT corrected;
    };
    const Drag drags[] = {
        {WMSZ_LEFT, {900 - w, 100, 900, 700}},
        {WMSZ_RIGHT, {100, 100, 100 + w, 700}},
        {WMSZ_TOP, {100, 700 - h, 900, 700}},
        {WMSZ_TOPLEFT, {900 - w, 700 - h, 900, 700}},
        {WMSZ_TOPRIGHT, {100, 700 - h, 100 + w, 700}},
        {WMSZ_BOTTOM, {100, 100, 900, 100 + h}},
        {WMSZ_BOTTOMLEFT, {900 - w, 100, 900, 100 + h}},
        {WMSZ_BOTTOMRIGHT, {100, 100, 100 + w, 100 + h}},
        {9, {100, 100, 900, 700}},
    };
    for (const Drag& drag : drags) {
        RECT dragged{100, 100, 900, 700};
        ::SendMessageA(main_->hwnd(), WM_SIZING, drag.edge, reinterpret_cast<LPARAM>(&dragged));
        EXPECT_TRUE(::EqualRect(&dragged, &drag.corrected)) << "edge " << drag.edge;
    }
    RECT r;
    ::GetWindowRect(main_->hwnd(), &r);
    LRESULT hit =
        ::SendMessageA(main_->hwnd(), WM_NCHITTEST, 0, MAKELPARAM(r.left + 1, r.top + 60));
    EXPECT_FALSE(hit >= HTLEFT && hit <= HTBOTTOMRIGHT) << hit;
    HMENU system = ::GetSystemMenu(main_->hwnd(), FALSE);
    EXPECT_EQ(::GetMenuState(system, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(::GetMenuState(system, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(::GetMenuState(system, SC_MINIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    // Size and Maximize commands are swallowed.
    ::SendMessageA(main_->hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_FALSE(::IsZoomed(main_->hwnd()));
}

TEST_F(MainWindowTest, MatteMaximisesWithoutCaption) {
    Start("Startup=One\nBlackMat=1\n");
    EXPECT_TRUE(::IsZoomed(main_->hwnd()));
    LONG style = ::GetWindowLongA(main_->hwnd(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_BORDER);
    EXPECT_EQ(::GetClassLongPtrA(main_->hwnd(), GCLP_HBRBACKGROUND),
              reinterpret_cast<LONG_PTR>(::GetStockObject(BLACK_BRUSH)));
}

TEST_F(MainWindowTest, DisplayChangeAppliesTheMatteAtOnce) {
    Start("Startup=One\n");
    Settings().blackMat = 1;
    ::SendMessageA(main_->hwnd(), WM_DISPLAYCHANGE, 0,
                   MAKELPARAM(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_TRUE(::IsZoomed(main_->hwnd()));
    Settings().blackMat = 0;
    ::SendMessageA(main_->hwnd(), WM_DISPLAYCHANGE, 0,
                   MAKELPARAM(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
    LONG style = ::GetWindowLongA(main_->hwnd(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(::GetClassLongPtrA(main_->hwnd(), GCLP_HBRBACKGROUND),
              reinterpret_cast<LONG_PTR>(::GetStockObject(LTGRAY_BRUSH)));
}

TEST_F(MainWindowTest, ADpiChangeLaysTheWindowOutAnewAtTheSuggestedPlace) {
    Start("Startup=One\n");
    ASSERT_EQ(main_->scale(), 1);
    // Moved to a 192 dpi monitor: 320 x 200 doubled fits the display.
    RECT suggested{30, 40, 500, 400};
    ::SendMessageA(main_->hwnd(), kDpiChangedMessage, MAKEWPARAM(192, 192),
                   reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(main_->scale(), 2);
    EXPECT_EQ(main_->screenWindow().scale(), 2);
    RECT r;
    ::GetWindowRect(main_->hwnd(), &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    const SIZE expected = ExpectedOuter(640, 400);
    EXPECT_EQ(r.right - r.left, expected.cx);
    EXPECT_EQ(r.bottom - r.top, expected.cy);
    RECT client;
    ::GetClientRect(main_->screenWindow().hwnd(), &client);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 400);
    // A screen too large to fit twice keeps its size at the same dpi.
    SolidPicture("two.bmp", 600, 400, 2);
    DispatchScreen(0, "Two");
    EXPECT_EQ(main_->scale(), 1);
    ::SendMessageA(main_->hwnd(), kDpiChangedMessage, MAKEWPARAM(192, 192),
                   reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(main_->scale(), 1);
    // A display change asks the monitor again: this test program sees 96 dpi.
    DispatchScreen(0, "One");
    ::SendMessageA(main_->hwnd(), kDpiChangedMessage, MAKEWPARAM(192, 192),
                   reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(main_->scale(), 2);
    SendDisplayChange();
    EXPECT_EQ(main_->scale(), 1);
    ::GetClientRect(main_->screenWindow().hwnd(), &client);
    EXPECT_EQ(client.right, 320);
}

TEST_F(MainWindowTest, ADpiChangeFromElsewhereReadsNothingAndMovesNothing) {
    Start("Startup=One\n");
    ExceptionWatch exceptions;
    const Layout before = CurrentLayout();
    // Sent from another thread, lParam would point into another program: not read.
    RECT offScreen{5000, 5000, 6000, 6000};
    SendFromAnotherThread(main_->hwnd(), kDpiChangedMessage, MAKEWPARAM(192, 192),
                          reinterpret_cast<LPARAM>(&offScreen));
    SendFromAnotherThread(main_->hwnd(), kDpiChangedMessage, MAKEWPARAM(192, 192), 0x1000);
    {
        // Posted, it is never the system's.
        const MessageFilter filter;
        PostFromAnotherThread(main_->hwnd(), kDpiChangedMessage, MAKEWPARAM(192, 192), 0x1000);
        PostFromAnotherThread(main_->hwnd(), kDpiChangedMessage, MAKEWPARAM(192, 192), 0);
        DispatchWaiting();
    }
    EXPECT_EQ(exceptions.count(), 0);
    EXPECT_EQ(main_->scale(), 1) << "the monitor says 96 dpi";
    EXPECT_EQ(CurrentLayout(), before);

    // The system's own suggestion is kept on the work area.
    RECT work{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    RECT pastTheEdge{work.right - 100, work.top + 40, work.right + 370, work.top + 400};
    ::SendMessageA(main_->hwnd(), kDpiChangedMessage, MAKEWPARAM(96, 96),
                   reinterpret_cast<LPARAM>(&pastTheEdge));
    RECT r{};
    ::GetWindowRect(main_->hwnd(), &r);
    EXPECT_EQ(r.left, work.right - 470);
    EXPECT_EQ(r.top, work.top + 40);
}

TEST_F(MainWindowTest, ADisplayChangeTakesTheDisplayFromTheSystemAndLaysOutOnce) {
    Start("Startup=One\n");
    const Layout before = CurrentLayout();
    const LONG style = ::GetWindowLongA(main_->hwnd(), GWL_STYLE);
    // Another program says the display is 0 x 0 at 1 bit, again and again.
    const DWORD began = ::GetTickCount();
    constexpr int kBurst = 20;
    for (int i = 0; i < kBurst; ++i) {
        SendFromAnotherThread(main_->hwnd(), WM_DISPLAYCHANGE, 1, 0);
    }
    std::cout << kBurst << " display changes that change nothing: " << ::GetTickCount() - began
              << " ms\n";
    EXPECT_EQ(CurrentLayout(), before);
    EXPECT_EQ(::GetWindowLongA(main_->hwnd(), GWL_STYLE), style) << "no small-display layout";

    // A real change lays out once: a move by the user afterwards stays through the rest of it.
    Settings().blackMat = 1;
    SendDisplayChange();
    ASSERT_TRUE(::IsZoomed(main_->hwnd()));
    Settings().blackMat = 0;
    SendDisplayChange();
    ::SetWindowPos(main_->hwnd(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    for (int i = 0; i < 3; ++i) {
        SendDisplayChange();
    }
    RECT r{};
    ::GetWindowRect(main_->hwnd(), &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);

    // Hidden while a program is waited for, the window stays hidden through a change.
    ::ShowWindow(main_->hwnd(), SW_HIDE);
    Settings().blackMat = 1;
    SendDisplayChange();
    EXPECT_FALSE(::IsWindowVisible(main_->hwnd()));
}

TEST_F(MainWindowTest, TheCaptionQueryAnswersThisThreadOnly) {
    Start("Startup=One\n");
    EXPECT_NE(::SendMessageA(main_->hwnd(), kCaptionQueryMessage, 0, 0), 0);
    EXPECT_EQ(SendFromAnotherThread(main_->hwnd(), kCaptionQueryMessage, 0, 0), 0)
        << "another program learns no address";
}

TEST_F(MainWindowTest, TheScreenIgnoresCloseAndWindowsIgnoreCommandsTheyDoNotOffer) {
    Start("Startup=One\n");
    const HWND screen = main_->screenWindow().hwnd();
    const Layout before = CurrentLayout();
    SendFromAnotherThread(screen, WM_CLOSE, 0, 0);
    PostFromAnotherThread(screen, WM_CLOSE, 0, 0);
    // The screen offers no command at all; the main window no maximise, in any spelling.
    for (WPARAM command : {SC_MAXIMIZE, SC_MINIMIZE, SC_CLOSE, SC_MAXIMIZE | 2}) {
        SendFromAnotherThread(screen, WM_SYSCOMMAND, command, 0);
        PostFromAnotherThread(screen, WM_SYSCOMMAND, command, 0);
    }
    for (WPARAM command : {SC_MAXIMIZE | 2, SC_MAXIMIZE | 0xF}) {
        SendFromAnotherThread(main_->hwnd(), WM_SYSCOMMAND, command, 0);
        PostFromAnotherThread(main_->hwnd(), WM_SYSCOMMAND, command, 0);
    }
    DispatchWaiting();
    ASSERT_TRUE(::IsWindow(screen));
    EXPECT_EQ(main_->screenWindow().hwnd(), screen);
    EXPECT_FALSE(::IsIconic(screen));
    EXPECT_FALSE(::IsZoomed(screen));
    EXPECT_FALSE(::IsZoomed(main_->hwnd()));
    EXPECT_EQ(CurrentLayout(), before);
    // What the main window offers still works.
    ::SendMessageA(main_->hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(::IsIconic(main_->hwnd()));
}

TEST_F(MainWindowTest, MatteChangedWhileRunningLaysOutAsAStartWithIt) {
    Start("Startup=One\nBlackMat=1\n");
    const Layout startedWithMatte = CurrentLayout();
    Stop();
    Start("Startup=One\n");
    const Layout startedWithout = CurrentLayout();
    ASSERT_FALSE(startedWithMatte == startedWithout);

    // The preferences sheet turns the matte on and posts a display change.
    Settings().blackMat = 1;
    SendDisplayChange();
    EXPECT_EQ(CurrentLayout(), startedWithMatte);
    Settings().blackMat = 0;
    SendDisplayChange();
    EXPECT_EQ(CurrentLayout(), startedWithout);
    // And on once more, from a window that has been maximised before.
    Settings().blackMat = 1;
    SendDisplayChange();
    EXPECT_EQ(CurrentLayout(), startedWithMatte);
}

// The screen window is kept across screens: a quick click on the screen that a click has just
// shown is a click of its own, not the second half of a double click.
TEST_F(MainWindowTest, AQuickClickOnTheNextScreenRunsItsRegion) {
    const std::string square = "Shape=0,0|100,0|100,100|0,100\nLaunchFunc=DispatchScreen\n";
    WriteIni(
        "[Config]\nScreenNames=One|Two\nStartup=One\n"
        "[Screen One]\nBitmap=%r\\one.bmp\nRegionNames=A\n"
        "[Screen Two]\nBitmap=%r\\two.bmp\nRegionNames=A\n"
        "[One-Region A]\n" +
        square +
        "LaunchData=Two\n"
        "[Two-Region A]\n" +
        square + "LaunchData=One\n");
    main_ = std::make_unique<CMainWindow>();
    ASSERT_TRUE(main_->Create());
    App().mainWindow = main_->hwnd();
    const HWND screen = main_->screenWindow().hwnd();
    ::SendMessageA(screen, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    ::SendMessageA(screen, WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    ASSERT_EQ(main_->currentScreen(), "Two");
    ASSERT_EQ(main_->screenWindow().hwnd(), screen) << "the window was kept";
    ::SendMessageA(screen, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 50));
    ::SendMessageA(screen, WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    EXPECT_EQ(main_->currentScreen(), "One");
    // On the screen that took the first press, the second press of a double click runs nothing.
    ::SendMessageA(screen, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    ::SendMessageA(screen, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 50));
    ::SendMessageA(screen, WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    EXPECT_EQ(main_->currentScreen(), "Two") << "one switch, not two";
}

TEST_F(MainWindowTest, QuitFromOutsideWithTheSplashUpEndsCleanly) {
    // A click on a region with a splash opens the screen window's popup; then a quit arrives
    // from another thread, the loop ends, and the objects go down with their windows open.
    SolidPicture("logo.bmp", 32, 16, 3);
    WriteIni(
        "[Config]\nScreenNames=One\nStartup=One\n"
        "[Screen One]\nBitmap=%r\\one.bmp\nRegionNames=A\n"
        "[One-Region A]\nShape=0,0|100,0|100,100|0,100\n"
        "LaunchFunc=DispatchPreviousScreen\nSplash=%r\\logo.bmp|15\n");
    main_ = std::make_unique<CMainWindow>();
    ASSERT_TRUE(main_->Create());
    App().mainWindow = main_->hwnd();
    const HWND screen = main_->screenWindow().hwnd();
    ::SendMessageA(screen, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    ::SendMessageA(screen, WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    const HWND popup = VisiblePopup();
    ASSERT_NE(popup, nullptr);

    const DWORD thread = ::GetCurrentThreadId();
    std::thread([thread] { ::PostThreadMessageA(thread, WM_QUIT, 0, 0); }).join();
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&message);
    }
    const HWND main = main_->hwnd();
    ASSERT_TRUE(::IsWindow(popup));
    ExceptionWatch exceptions;
    main_.reset();
    EXPECT_EQ(exceptions.count(), 0);
    EXPECT_FALSE(::IsWindow(popup));
    EXPECT_FALSE(::IsWindow(screen));
    EXPECT_FALSE(::IsWindow(main));
    // The palette of the freed background is no longer the application's, and no second quit
    // is left for a later loop.
    EXPECT_EQ(App().appPalette, nullptr);
    EXPECT_FALSE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainWindowTest, ExportsAreFoundByTheirExactNames) {
    Start("Startup=One\n");
    EXPECT_TRUE(CallExport(0, "DispatchScreen", "Two"));
    EXPECT_EQ(main_->currentScreen(), "Two");
    EXPECT_FALSE(CallExport(0, "dispatchscreen", "One"));
    EXPECT_FALSE(CallExport(0, "NoSuchExport", nullptr));
    EXPECT_EQ(main_->currentScreen(), "Two");
    // Code 9 and codes without an action do nothing.
    ::SendMessageA(main_->hwnd(), App().dispatchMessageId, 9, 0);
    EXPECT_TRUE(main_->exists());
    DispatchExit(0, nullptr);
    EXPECT_FALSE(main_->exists());
}

TEST_F(MainWindowTest, CodesWithoutDataNeverReadLParam) {
    // The message is registered system-wide: another sender may pass anything as lParam.
    Start("Startup=One\n");
    const LPARAM notAPointer = 0x10;
    const WPARAM codesWithoutData[] = {
        kActionPreviousScreen, kActionMinimize, kActionPreferences, kActionAbout, 9,
        kActionReloadScreen};
    for (WPARAM code : codesWithoutData) {
        // Preferences and About open the modal preferences sheet: it is cancelled.
        MessageBoxAnswerer closer(IDCANCEL);
        ::SendMessageA(main_->hwnd(), App().dispatchMessageId, code, notAPointer);
    }
    EXPECT_TRUE(main_->exists());
    ::SendMessageA(main_->hwnd(), App().dispatchMessageId, kActionExit, notAPointer);
    EXPECT_FALSE(main_->exists());
}

TEST_F(MainWindowTest, SplashKeepsItsColoursAcrossAScreenChange) {
    // A click may open the splash and change the screen at once; the old screen's palette goes.
    Start("Startup=One\n");
    const std::string logo = SolidPicture("logo.bmp", 32, 16, 1);
    CLogoDialog popup;
    ASSERT_TRUE(popup.ShowLogo(main_->hwnd(), logo, 5));
    DispatchScreen(0, "Two");
    ASSERT_TRUE(popup.exists());
    const HPALETTE palette = popup.picture().palette();
    ASSERT_EQ(::GetObjectType(palette), static_cast<DWORD>(OBJ_PAL));
    PALETTEENTRY red{};
    ASSERT_EQ(::GetPaletteEntries(palette, 1, 1, &red), 1u);
    EXPECT_EQ(red.peRed, 255);
    EXPECT_EQ(red.peGreen, 0);
}

TEST_F(MainWindowTest, ReloadKeepsTheWindowWhereItIs) {
    Start("Startup=One\n");
    ::MoveWindow(main_->hwnd(), 5, 6, 500, 400, TRUE);
    const Liveness before = main_->screenWindow().WatchShown();
    ::SendMessageA(main_->hwnd(), App().dispatchMessageId, kActionReloadScreen, 0);
    EXPECT_FALSE(before.alive()) << "the screen was read again";
    EXPECT_TRUE(main_->screenWindow().WatchShown().alive());
    RECT r;
    ::GetWindowRect(main_->hwnd(), &r);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.right - r.left, 500);
}

}  // namespace
}  // namespace lumora::testing
