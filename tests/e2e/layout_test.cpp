// The main window's place and size on a 1024 x 768 display: framed and centred, the black matte,
// the empty window when the first screen cannot load, and a frame that cannot be dragged.
#include <gtest/gtest.h>

#include "lumora_test.h"

namespace e2e {
namespace {

using namespace disc;
using Layout = LumoraTest;

constexpr uint32_t kCaption = 0x00C00000;  // WS_BORDER | WS_DLGFRAME
constexpr uint32_t kThickFrame = 0x00040000;
constexpr uint32_t kMaximize = 0x01000000;
constexpr unsigned kCaptionQuery = 0x464;

TEST_F(Layout, TheWindowIsTheFramedBitmapCentredOnTheDisplay) {
    ASSERT_TRUE(Start());
    const Metrics& m = metrics();
    const int width = kMain.Width() + 2 * m.cxFrame;
    const int height = kMain.Height() + 2 * m.cxFrame + m.cyCaption;
    const int left = (m.cxScreen - width) >> 1, top = (m.cyScreen - height) >> 1;
    EXPECT_EQ(probe().WindowRect(main_), (Rect{left, top, left + width, top + height}));
    const WindowState state = probe().State(main_);
    EXPECT_EQ(state.style & kCaption, kCaption);
    EXPECT_EQ(state.style & kThickFrame, kThickFrame);
    EXPECT_EQ(state.style & kMaximize, 0u);
    EXPECT_EQ(probe().Text(main_), kMainTitle);
    // The description captions the program's own message boxes (Messages tests); another
    // program that asks learns no address.
    EXPECT_EQ(probe().Send(main_, kCaptionQuery), 0u);
    const Rect screen = probe().ClientRect(ScreenWindow());
    EXPECT_EQ(screen, probe().ClientRect(main_)) << "the screen fills the client area";
    EXPECT_EQ(screen.Width(), kMain.Width());
    EXPECT_EQ(screen.Height(), kMain.Height());
}

TEST_F(Layout, BlackMatteMaximisesOnBlackWithTheScreenCentred) {
    ini_.Set("Config", "BlackMat", "1");
    ASSERT_TRUE(Start());
    const Metrics& m = metrics();
    const WindowState state = probe().State(main_);
    EXPECT_TRUE(state.zoomed);
    EXPECT_NE(state.style & kCaption, kCaption) << "no caption";
    EXPECT_EQ(state.style & kThickFrame, 0u);
    const Rect client = probe().ClientRect(main_);
    EXPECT_LE(client.left, 1);
    EXPECT_LE(client.top, 1);
    EXPECT_GE(client.right, m.cxScreen - 1);
    EXPECT_GE(client.bottom, m.cyScreen - 1);
    const Rect screen = probe().ClientRect(ScreenWindow());
    const int left = (m.cxScreen - kMain.Width()) >> 1, top = (m.cyScreen - kMain.Height()) >> 1;
    EXPECT_EQ(screen, (Rect{left, top, left + kMain.Width(), top + kMain.Height()}));
    EXPECT_EQ(Env().screen->Pixel(20, 20), ColorOf(Paint::kBlack));
    EXPECT_EQ(Env().screen->Pixel(m.cxScreen - 20, m.cyScreen - 20), ColorOf(Paint::kBlack));
    EXPECT_EQ(probe().AskHook(main_, "brush"), "black");
}

TEST_F(Layout, AFirstScreenThatFailsToLoadGivesA200By100Window) {
    ini_.Set("Screen Main", "Bitmap", "%rnothere.bmp");
    ASSERT_TRUE(Start({-1, -1}));
    const Metrics& m = metrics();
    EXPECT_EQ(ScreenWindow(), 0u);
    const Rect window = probe().WindowRect(main_);
    EXPECT_EQ(window.Width(), 200 + 2 * m.cxFrame);
    EXPECT_EQ(window.Height(), 100 + 2 * m.cxFrame + m.cyCaption);
    EXPECT_EQ(window.left, (m.cxScreen - window.Width()) >> 1);
    EXPECT_EQ(probe().Text(main_), kAppTitle);
    EXPECT_EQ(probe().Send(main_, kCaptionQuery), 0u) << "no description to answer with";
    EXPECT_EQ(probe().AskHook(main_, "brush"), "ltgray");
}

TEST_F(Layout, DraggingTheFrameChangesNothing) {
    ASSERT_TRUE(Start());
    const Rect before = probe().WindowRect(main_);
    const Point rightEdge{before.right - 2, (before.top + before.bottom) / 2};
    const Point bottomRight{before.right - 2, before.bottom - 2};
    EXPECT_EQ(probe().NcHitTest(main_, rightEdge), 0) << "no sizing border (HTNOWHERE)";
    EXPECT_EQ(probe().NcHitTest(main_, bottomRight), 0);

    MovePointer(rightEdge);
    PressButton();
    MovePointer({rightEdge.x + 40, rightEdge.y + 10});
    MovePointer({rightEdge.x + 80, rightEdge.y + 20});
    ReleaseButton();
    ASSERT_TRUE(Settle());
    EXPECT_EQ(probe().WindowRect(main_), before);

    const Rect dragged{before.left, before.top, before.right + 50, before.bottom + 30};
    EXPECT_EQ(probe().Sizing(main_, 8 /* WMSZ_BOTTOMRIGHT */, dragged), before);
    const Rect fromLeft{before.left - 70, before.top, before.right, before.bottom};
    EXPECT_EQ(probe().Sizing(main_, 1 /* WMSZ_LEFT */, fromLeft), before);
}

TEST_F(Layout, TheSystemMenuOffersNeitherSizeNorMaximize) {
    ASSERT_TRUE(Start());
    const std::string menu = " " + probe().AskHook(main_, "sysmenu");
    auto has = [&](unsigned id) {
        return menu.find(" " + std::to_string(id) + " ") != std::string::npos;
    };
    EXPECT_FALSE(has(0xF000)) << menu;  // SC_SIZE
    EXPECT_FALSE(has(0xF030)) << menu;  // SC_MAXIMIZE
    EXPECT_TRUE(has(0xF010)) << menu;   // SC_MOVE
    EXPECT_TRUE(has(0xF020)) << menu;   // SC_MINIMIZE
    EXPECT_TRUE(has(0xF060)) << menu;   // SC_CLOSE
}

}  // namespace
}  // namespace e2e
