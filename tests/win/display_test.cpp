#include "actions/display_check.h"

#include <gtest/gtest.h>

#include "message_box_answerer.h"
#include "resource.h"

namespace lumora {
namespace {

using testing::MessageBoxAnswerer;

TEST(DisplayTest, ColorClassAndSizeComeFromTheDisplay) {
    HDC screen = ::GetDC(nullptr);
    const int bits = ::GetDeviceCaps(screen, BITSPIXEL) * ::GetDeviceCaps(screen, PLANES);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(GetDisplayColorClass(), ColorClassForBits(bits));
    const DisplayFacts display = CurrentDisplay();
    EXPECT_EQ(display.width, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(display.height, ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(display.colorClass, GetDisplayColorClass());
}

TEST(DisplayTest, RefusalMessagesNameSizeAndColour) {
    EXPECT_EQ(DisplayRefusalMessage(DisplayRefusal{true, 800, 600, kColorClassTrue}),
              "This application requires a resolution of 800 X 600, True color.");
    EXPECT_EQ(DisplayRefusalMessage(DisplayRefusal{false, 640, 480, kColorClass256}),
              "This application requires a minimum resolution of 640 X 480, 256 color.");
    EXPECT_EQ(DisplayRefusalMessage(DisplayRefusal{false, 1024, 768, kColorClassLow}),
              "This application requires a minimum resolution of 1024 X 768, 16 color.");
}

// A requirement the current display meets, and one it does not: an exact requirement of a
// size other than the screen's.
StringList MetRequirement() {
    return {"G", "640X480", "LOW"};
}
StringList UnmetRequirement() {
    const bool small = ::GetSystemMetrics(SM_CXSCREEN) == 640;
    return {"E", small ? "800X600" : "640X480", "256"};
}

TEST(DisplayTest, MetRequirementsGoAheadWithoutAMessage) {
    ASSERT_GE(::GetSystemMetrics(SM_CXSCREEN), 640);
    ASSERT_GE(::GetSystemMetrics(SM_CYSCREEN), 480);
    MessageBoxAnswerer answerer(IDOK);
    const StringList met = MetRequirement();
    const StringList wrongSize = {"E", "640X480"};
    EXPECT_TRUE(CheckDisplayRequirement(nullptr, nullptr));
    EXPECT_TRUE(CheckDisplayRequirement(nullptr, &met));
    EXPECT_TRUE(CheckDisplayRequirement(nullptr, &wrongSize));
    EXPECT_FALSE(answerer.Stop().shown);
}

TEST(DisplayTest, UnmetRequirementShowsTheMessageAndStopsTheAction) {
    HWND owner = ::CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                   nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    const StringList unmet = UnmetRequirement();
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_FALSE(CheckDisplayRequirement(owner, &unmet));
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text, "This application requires a resolution of " +
                            std::string(unmet[1] == "640X480" ? "640 X 480" : "800 X 600") +
                            ", 256 color.");
    EXPECT_EQ(box.caption, "Tavlen Splash");
    EXPECT_EQ(box.owner, owner);
    EXPECT_TRUE(box.hasAnswerButton);
    ::DestroyWindow(owner);
}

}  // namespace
}  // namespace lumora
