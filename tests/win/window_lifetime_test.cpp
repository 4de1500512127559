// Objects destroyed while their window is still open: once the derived part of an object is
// gone, no message reaches it, and the window goes with the object.
#include "win/window.h"

#include <gtest/gtest.h>

#include <vector>

#include "exception_watch.h"
#include "resource.h"

namespace lumora::testing {
namespace {

// What a recording object was handed; kept outside the object, so that it outlives it.
struct MessageLog {
    std::vector<UINT> messages;
    bool derivedGone = false;
    int afterDerivedGone = 0;

    void Record(UINT message) {
        messages.push_back(message);
        if (derivedGone) {
            ++afterDerivedGone;
        }
    }
};

class RecordingDialog : public ModelessDialog {
  public:
    explicit RecordingDialog(MessageLog& log) : log_(log) {}
    ~RecordingDialog() override { log_.derivedGone = true; }
    bool Open() { return Create(IDD_LOGO_POPUP, nullptr); }

  protected:
    INT_PTR HandleMessage(UINT message, WPARAM, LPARAM) override {
        log_.Record(message);
        return message == WM_INITDIALOG;
    }

  private:
    MessageLog& log_;
};

constexpr char kRecordingClass[] = "LumoraRecordingWindow";

class RecordingWindow : public Window {
  public:
    explicit RecordingWindow(MessageLog& log) : log_(log) {}
    ~RecordingWindow() override { log_.derivedGone = true; }
    bool Open() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Window::WindowProc;
        windowClass.hInstance = ProgramInstance();
        windowClass.lpszClassName = kRecordingClass;
        ::RegisterClassA(&windowClass);
        return CreateEx(0, kRecordingClass, "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                        nullptr);
    }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        log_.Record(message);
        return Default(message, wParam, lParam);
    }

  private:
    MessageLog& log_;
};

template <typename Recorder>
class WindowLifetimeTest : public ::testing::Test {};

using Recorders = ::testing::Types<RecordingDialog, RecordingWindow>;
TYPED_TEST_SUITE(WindowLifetimeTest, Recorders);

TYPED_TEST(WindowLifetimeTest, AnObjectDestroyedWithItsWindowOpenHearsNothingAfterward) {
    MessageLog log;
    HWND window = nullptr;
    ExceptionWatch exceptions;
    {
        TypeParam recorder(log);
        ASSERT_TRUE(recorder.Open());
        window = recorder.hwnd();
        ASSERT_TRUE(::IsWindow(window));
        ::SendMessageA(window, WM_NULL, 0, 0);
    }
    // The object was alive and heard its window until its derived part went.
    EXPECT_FALSE(log.messages.empty());
    EXPECT_TRUE(log.derivedGone);
    // The window went with the object, and its destruction went to the default handling.
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(log.afterDerivedGone, 0);
    // A call through what is left of the object faults (Wine swallows it, Windows crashes).
    EXPECT_EQ(exceptions.count(), 0);
}

}  // namespace
}  // namespace lumora::testing
