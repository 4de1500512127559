// A window's object is bound only while Lumora creates the window: creation messages from
// elsewhere, with object pointers of their sender's choosing, bind nothing and are not read; a
// page reads a notification only from its sheet or its own controls on this thread.
#include <gtest/gtest.h>

#include <functional>

#include "actions/logo_dialog.h"
#include "disc_fixture.h"
#include "exception_watch.h"
#include "other_thread.h"
#include "prefs/preferences_sheet.h"
#include "resource.h"
#include "win/message_loop.h"

namespace lumora::testing {
namespace {

const auto kForeignObject = static_cast<LPARAM>(0x4242424242);

std::string Title(HWND window) {
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

class WindowObjectsTest : public DiscFixture {
  protected:
    void SetUp() override {
        DiscFixture::SetUp();
        SolidPicture("one.bmp", 320, 200, 1);
        SolidPicture("logo.bmp", 32, 16, 3);
        WriteIni(
            "[Config]\nScreenNames=One|Two\nStartup=One\nStartScreens=One|Two\nUseSound=1\n"
            "[Screen One]\nBitmap=%r\\one.bmp\nRegionNames=A\nDescription=First\n"
            "[Screen Two]\nBitmap=%r\\one.bmp\nRegionNames=A\nDescription=Second\n");
        ASSERT_TRUE(StartMainWindow(main_));
    }
    void TearDown() override {
        EndMainWindow(main_);
        DiscFixture::TearDown();
    }

    CMainWindow main_;
};

TEST_F(WindowObjectsTest, CreationMessagesFromElsewhereBindNothingAndAreNotRead) {
    ExceptionWatch exceptions;
    const HWND screen = main_.screenWindow().hwnd();
    CREATESTRUCTA create{};
    create.lpCreateParams = reinterpret_cast<void*>(kForeignObject);
    create.lpszName = "Taken over";
    for (HWND window : {main_.hwnd(), screen}) {
        EXPECT_EQ(SendFromAnotherThread(window, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)),
                  TRUE);
        EXPECT_EQ(SendFromAnotherThread(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)),
                  0);
    }
    EXPECT_EQ(exceptions.count(), 0);
    EXPECT_EQ(Title(main_.hwnd()), "First");
    EXPECT_EQ(main_.screenWindow().hwnd(), screen) << "the screen was not made anew";
    EXPECT_EQ(Title(screen), "");
    // Both objects still hear their windows.
    DispatchScreen(0, "Two");
    EXPECT_EQ(Title(main_.hwnd()), "Second");
}

TEST_F(WindowObjectsTest, ADialogsInitialisationFromElsewhereBindsNothing) {
    ExceptionWatch exceptions;
    CLogoDialog popup;
    ASSERT_TRUE(popup.ShowLogo(main_.hwnd(), folder() + "logo.bmp", 15));
    RECT before{};
    ::GetWindowRect(popup.hwnd(), &before);
    SendFromAnotherThread(popup.hwnd(), WM_INITDIALOG, 0, kForeignObject);
    // Nor does a timer of another id close it.
    SendFromAnotherThread(popup.hwnd(), WM_TIMER, 7, 0);
    EXPECT_EQ(exceptions.count(), 0);
    ASSERT_TRUE(popup.exists());
    RECT after{};
    ::GetWindowRect(popup.hwnd(), &after);
    EXPECT_TRUE(::EqualRect(&before, &after));
}

// Runs functions on the test's thread while it is inside a modal loop: another thread posts them.
class ThisThread {
  public:
    ThisThread()
        : window_(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                    nullptr)) {
        ::SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc));
    }
    ~ThisThread() { ::DestroyWindow(window_); }
    ThisThread(const ThisThread&) = delete;
    ThisThread& operator=(const ThisThread&) = delete;

    // Called on another thread: runs `work` on the test's thread and waits for it.
    void Run(std::function<void()> work) {
        ::SendMessageA(window_, WM_APP, 0, reinterpret_cast<LPARAM>(&work));
    }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_APP) {
            (*reinterpret_cast<std::function<void()>*>(lParam))();
            return 0;
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_;
};

TEST_F(WindowObjectsTest, APageReadsNotificationsOnlyFromItsSheetOnThisThread) {
    const MessageFilter filter;
    ThisThread thisThread;
    ExceptionWatch exceptions;
    const std::string iniBefore = IniTestFolder::ReadFile(folder() + "Lumora.ini");
    const DWORD thread = ::GetCurrentThreadId();
    bool soundTicked = true;
    WhenReady attack(
        [&] { return ShownWindow(thread, "#32770") != nullptr; },
        [&] {
            const HWND sheet = ShownWindow(thread, "#32770");
            const auto page =
                reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            // A change that an apply would store.
            ::SendDlgItemMessageA(page, IDC_USE_SOUND, BM_SETCHECK, BST_UNCHECKED, 0);
            PROPSHEETPAGEA foreignPage{};
            foreignPage.dwSize = sizeof foreignPage;
            foreignPage.lParam = kForeignObject;
            ::SendMessageA(page, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&foreignPage));
            ::SendMessageA(page, WM_NOTIFY, 0, 0x1000);
            ::PostMessageA(page, WM_NOTIFY, 0, 0x1000);
            // A well-formed apply, but from another thread.
            PSHNOTIFY apply{};
            apply.hdr.hwndFrom = sheet;
            apply.hdr.code = PSN_APPLY;
            ::SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&apply));
            // This thread, but from a window that is neither the sheet nor the page's.
            thisThread.Run([&] {
                PSHNOTIFY stranger{};
                stranger.hdr.hwndFrom = ::GetDesktopWindow();
                stranger.hdr.code = PSN_APPLY;
                ::SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&stranger));
            });
            soundTicked = ::IsDlgButtonChecked(page, IDC_USE_SOUND) == BST_CHECKED;
            ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
    CPreferencesSheet(main_.hwnd()).DoModal();
    ASSERT_TRUE(attack.Join()) << "the sheet never showed";
    DispatchWaiting();
    EXPECT_EQ(exceptions.count(), 0);
    EXPECT_FALSE(soundTicked) << "the page still had its own state";
    EXPECT_EQ(Settings().useSound, 1) << "no apply reached the page";
    EXPECT_EQ(IniTestFolder::ReadFile(folder() + "Lumora.ini"), iniBefore);
}

}  // namespace
}  // namespace lumora::testing
