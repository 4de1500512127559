// What Lumora's message loops dispatch of what anyone may post, and the system commands that a
// window's style offers.
#include "win/message_rules.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using namespace message_id;
using namespace system_command;

QueuedMessage Timer(bool hasLParam, bool toProgramWindow, bool timerSet) {
    QueuedMessage timer;
    timer.message = kTimer;
    timer.hasLParam = hasLParam;
    timer.toProgramWindow = toProgramWindow;
    timer.timerSet = timerSet;
    return timer;
}

TEST(MayDispatch, NeverWhatOnlyTheSystemSends) {
    for (uint32_t message :
         {kNcCreate, kCreate, kInitDialog, kDestroy, kNcDestroy, kNotify, kSizing, kMoving,
          kDpiChanged, kGetMinMaxInfo, kWindowPosChanging, kWindowPosChanged, kNcCalcSize}) {
        QueuedMessage queued;
        queued.message = message;
        EXPECT_FALSE(MayDispatch(queued)) << message;
    }
    // Lumora posts itself a display change after the matte changed; a quit ends the loops.
    for (uint32_t message : {uint32_t{0x007E}, kQuit, uint32_t{0x0200}, uint32_t{0x8000}}) {
        QueuedMessage queued;
        queued.message = message;
        queued.hasLParam = true;
        EXPECT_TRUE(MayDispatch(queued)) << message;
    }
}

TEST(MayDispatch, TimersOnlyWithoutAProcedureAndOnlyLumorasOnItsWindows) {
    EXPECT_TRUE(MayDispatch(Timer(false, true, true)));
    EXPECT_FALSE(MayDispatch(Timer(false, true, false))) << "an id Lumora did not set";
    EXPECT_TRUE(MayDispatch(Timer(false, false, false))) << "a system window's own timer";
    for (bool own : {false, true}) {
        EXPECT_FALSE(MayDispatch(Timer(true, own, own))) << "a timer procedure is called";
    }
}

TEST(OffersSystemCommand, EachCommandNeedsItsPartOfTheStyle) {
    // The main window on a large display: caption, sizing frame, system menu, minimise box.
    const uint32_t framed = kStyleCaption | kStyleThickFrame | kStyleSysMenu | kStyleMinimizeBox;
    for (uint32_t command : {kSize, kMove, kMinimize, kClose, kRestore}) {
        EXPECT_TRUE(OffersSystemCommand(framed, command)) << std::hex << command;
    }
    EXPECT_FALSE(OffersSystemCommand(framed, kMaximize));
    // The low four bits are the system's: every spelling of maximise is refused.
    for (uint32_t low = 0; low < 16; ++low) {
        EXPECT_FALSE(OffersSystemCommand(framed, kMaximize | low)) << low;
        EXPECT_TRUE(OffersSystemCommand(framed, kSize | low)) << low;
    }
    // A child window with no frame and no menu offers none of them.
    for (uint32_t command : {kSize, kMove, kMinimize, kMaximize, kClose, kRestore}) {
        EXPECT_FALSE(OffersSystemCommand(0, command)) << std::hex << command;
    }
    // A border alone is no caption; a system menu offers moving and closing.
    EXPECT_FALSE(OffersSystemCommand(0x00800000, kMove));
    EXPECT_TRUE(OffersSystemCommand(kStyleSysMenu, kMove));
    EXPECT_FALSE(OffersSystemCommand(kStyleSysMenu, kSize));
    EXPECT_TRUE(OffersSystemCommand(kStyleMaximizeBox, kMaximize));
    EXPECT_TRUE(OffersSystemCommand(kStyleMinimizeBox, kRestore));
    // The menus, the screen saver and the monitor's power are the system's business.
    for (uint32_t command : {0xF100u, 0xF090u, 0xF140u, 0xF170u}) {
        EXPECT_TRUE(OffersSystemCommand(0, command)) << std::hex << command;
    }
}

}  // namespace
}  // namespace lumora
