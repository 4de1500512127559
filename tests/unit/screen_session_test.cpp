// The screen session: the history of screens, when regions are read, the art scale, and what a
// region read again changes on the canvas.
#include "screens/screen_session.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

std::vector<SessionAction> Actions(const SessionCommands& commands) {
    std::vector<SessionAction> actions;
    for (const SessionCommand& command : commands) {
        actions.push_back(command.action);
    }
    return actions;
}

using A = SessionAction;

class ScreenSessionTest : public ::testing::Test {
  protected:
    void SetUp() override { session_.UseScreenNames(StringList{"Main", "Second", "Third"}); }

    // Shows a screen as a front end does: the history's commands, then the screen opened.
    void Open(const std::string& name) {
        for (const SessionCommand& command : session_.Show(name)) {
            if (command.action == A::kCloseScreen) {
                session_.Closed();
            } else if (command.action == A::kOpenScreen) {
                session_.Opened("Title of " + command.text);
            }
        }
    }

    ScreenSession session_;
};

TEST_F(ScreenSessionTest, HistoryIsOneLevelDeepAndTwoPreviousStepsReturn) {
    EXPECT_EQ(Actions(session_.Show("Main")), (std::vector<A>{A::kOpenScreen}));
    session_.Opened("");
    const SessionCommands second = session_.Show("Second");
    EXPECT_EQ(Actions(second), (std::vector<A>{A::kCloseScreen, A::kOpenScreen}));
    EXPECT_EQ(second[1].text, "Second");
    EXPECT_EQ(session_.current(), "Second");
    EXPECT_EQ(session_.previous(), "Main");
    session_.Closed();
    session_.Opened("");
    EXPECT_EQ(session_.ShowPrevious()[1].text, "Main");
    EXPECT_EQ(session_.previous(), "Second");
    EXPECT_EQ(session_.ShowPrevious()[1].text, "Second");
    // The same screen again keeps the previous one; a reload keeps both.
    session_.Show("Second");
    EXPECT_EQ(session_.previous(), "Main");
    EXPECT_EQ(session_.Reload()[1].text, "Second");
    EXPECT_EQ(session_.previous(), "Main");
}

TEST_F(ScreenSessionTest, NamesOutsideScreenNamesOnlyResetTheTitle) {
    Open("Main");
    for (const std::string name : {"main", "Nowhere", ""}) {
        const SessionCommands commands = session_.Show(name);
        ASSERT_EQ(Actions(commands), (std::vector<A>{A::kSetTitle})) << name;
        EXPECT_EQ(commands[0].text, "");
    }
    EXPECT_EQ(session_.current(), "Main");
    // Without a previous screen, going back shows nothing new.
    EXPECT_EQ(Actions(session_.ShowPrevious()), (std::vector<A>{A::kSetTitle}));
    ScreenSession unlisted;
    EXPECT_EQ(Actions(unlisted.Show("Main")), (std::vector<A>{A::kSetTitle}));
}

TEST_F(ScreenSessionTest, AtOneTimesRegionsWaitForTheFirstPaintAndAreReadOnce) {
    session_.Show("Main");
    const SessionCommands opened = session_.Opened("Welcome");
    ASSERT_EQ(Actions(opened), (std::vector<A>{A::kSetTitle}));
    EXPECT_EQ(opened[0].text, "Welcome");
    const SessionCommands canvas = session_.PicturesReady(true);
    ASSERT_EQ(Actions(canvas), (std::vector<A>{A::kBuildCanvas}));
    EXPECT_EQ(canvas[0].artScale, 1);
    session_.CanvasBuilt(1);
    EXPECT_EQ(Actions(session_.FirstPaint()), (std::vector<A>{A::kReadRegions}));
    session_.RegionsRead({});
    EXPECT_TRUE(session_.FirstPaint().empty());
    EXPECT_TRUE(session_.RegionsNeeded().empty());
    EXPECT_TRUE(session_.PicturesReady(true).empty());
}

TEST_F(ScreenSessionTest, AtAnEvenScaleTheTwoTimesPicturesAndRegionsComeFirst) {
    session_.ScaleChanged(2);
    session_.Show("Main");
    EXPECT_EQ(Actions(session_.Opened("")),
              (std::vector<A>{A::kSetTitle, A::kLookForDoubleSizes, A::kReadRegions}));
    session_.RegionsRead({});
    EXPECT_EQ(session_.PicturesReady(true)[0].artScale, 2);
    session_.CanvasBuilt(2);
    EXPECT_EQ(session_.artScale(), 2);
    // Without an author's 2x picture the canvas is the 1x one, doubled as it is drawn.
    session_.Closed();
    session_.Opened("");
    session_.RegionsRead({});
    EXPECT_EQ(session_.PicturesReady(false)[0].artScale, 1);
}

TEST_F(ScreenSessionTest, AScaleChangeLooksForTwoTimesPicturesOnceAndRebuildsWhenTheArtChanges) {
    Open("Main");
    session_.PicturesReady(true);
    session_.CanvasBuilt(1);
    EXPECT_EQ(Actions(session_.ScaleChanged(4)),
              (std::vector<A>{A::kLookForDoubleSizes, A::kReadRegions, A::kRedraw}));
    session_.RegionsRead({});
    EXPECT_EQ(session_.PicturesReady(true)[0].artScale, 2);
    session_.CanvasBuilt(2);
    // 3x draws no 2x pictures: back to a 1x canvas. 2x again looks for nothing new.
    EXPECT_EQ(Actions(session_.ScaleChanged(3)), (std::vector<A>{A::kRedraw}));
    EXPECT_EQ(session_.PicturesReady(true)[0].artScale, 1);
    session_.CanvasBuilt(1);
    EXPECT_EQ(Actions(session_.ScaleChanged(2)), (std::vector<A>{A::kRedraw}));
    EXPECT_TRUE(session_.ScaleChanged(2).empty());
    // A doubling that failed leaves a 1x canvas, and it is asked for again.
    EXPECT_EQ(session_.PicturesReady(true)[0].artScale, 2);
    session_.CanvasBuilt(1);
    EXPECT_EQ(session_.artScale(), 1);
    EXPECT_EQ(Actions(session_.PicturesReady(true)), (std::vector<A>{A::kBuildCanvas}));
}

TEST_F(ScreenSessionTest, ARegionReadAgainTakesOffWhatItShowsAndPutsTheNewPicturesBack) {
    Open("Main");
    session_.PicturesReady(false);
    session_.CanvasBuilt(1);
    session_.RegionsRead({{true, true, true}, {true, true, false}});
    HoverMachine& hover = session_.hover();
    hover.UseSettings(HoverSettings{true, 0});
    hover.MouseMove(0, true, false, true);  // highlight and, at once, the balloon of region 0
    ASSERT_EQ(hover.highlightRegion(), 0);
    ASSERT_EQ(hover.balloonRegion(), 0);
    const SessionCommands off = session_.ReloadRegion(0);
    ASSERT_EQ(Actions(off), (std::vector<A>{A::kHover, A::kHover, A::kReadRegion}));
    EXPECT_EQ(off[0].hover.action, HoverAction::kRestoreBalloon);
    EXPECT_EQ(off[1].hover.action, HoverAction::kRestoreHighlight);
    EXPECT_EQ(off[2].region, 0);
    // Read again without a balloon: only the highlight goes back.
    const SessionCommands on = session_.RegionReread(0, {true, true, false}, false);
    ASSERT_EQ(Actions(on), (std::vector<A>{A::kHover, A::kHover}));
    EXPECT_EQ(on[0].hover, (HoverCommand{HoverAction::kPlaceHighlight, 0, 0}));
    EXPECT_EQ(on[1].hover.action, HoverAction::kDrawCanvas);
    // A region not shown is only read.
    EXPECT_EQ(Actions(session_.ReloadRegion(1)), (std::vector<A>{A::kReadRegion}));
}

TEST_F(ScreenSessionTest, ARegionWithANewTwoTimesPictureTurnsTheCanvasIntoOne) {
    session_.ScaleChanged(2);
    Open("Main");
    session_.RegionsRead({{true, false, false}});
    session_.PicturesReady(false);
    session_.CanvasBuilt(1);
    const SessionCommands rebuilt = session_.RegionReread(0, {true, true, false}, true);
    ASSERT_FALSE(rebuilt.empty());
    EXPECT_EQ(rebuilt[0].action, A::kBuildCanvas);
    EXPECT_EQ(rebuilt[0].artScale, 2);
    session_.CanvasBuilt(2);
    // On a 2x canvas a region's new pictures are doubled to join it.
    EXPECT_EQ(session_.RegionReread(0, {true, true, false}, true)[0].action,
              A::kDoubleRegionPictures);
}

TEST_F(ScreenSessionTest, AClosedOrFailedScreenAsksForNothing) {
    EXPECT_TRUE(session_.RegionsNeeded().empty());
    EXPECT_TRUE(session_.PicturesReady(true).empty());
    EXPECT_TRUE(session_.ReloadRegion(0).empty());
    session_.Show("Main");
    EXPECT_EQ(Actions(session_.OpenFailed()), (std::vector<A>{A::kSetTitle}));
    EXPECT_FALSE(session_.open());
    EXPECT_TRUE(session_.FirstPaint().empty());
    // A closed window releases the capture and the hot cursor.
    Open("Second");
    session_.RegionsRead({{true, false, false}});
    const SessionCommands closed = session_.Closed();
    ASSERT_EQ(Actions(closed), (std::vector<A>{A::kHover, A::kHover}));
    EXPECT_EQ(closed[0].hover.action, HoverAction::kReleaseMouse);
    EXPECT_TRUE(session_.Closed().empty());
}

// Reading ahead: after the regions, one idle step at a time.
TEST_F(ScreenSessionTest, ScreensAreReadAheadWhenIdleAfterTheRegionsInTheirOrder) {
    Open("Main");
    Open("Second");  // Main is the previous screen now
    EXPECT_TRUE(session_.Idle().empty()) << "nothing is read before the regions";
    EXPECT_FALSE(session_.preloadPending());
    EXPECT_EQ(Actions(session_.RegionsRead({})), (std::vector<A>{A::kIdleWanted}));
    EXPECT_TRUE(session_.preloadPending());
    EXPECT_EQ(Actions(session_.Idle()), (std::vector<A>{A::kFindLinks}));
    // Only screens that may be shown, not the one shown, each once; the previous one first.
    session_.LinksFound(
        ScreenLinks{{"Third", "Unlisted", "Second", "Main", "Third"}, /*previous=*/true});
    std::vector<std::string> read;
    for (SessionCommands step = session_.Idle(); !step.empty(); step = session_.Idle()) {
        ASSERT_EQ(Actions(step), (std::vector<A>{A::kPreloadScreen}));
        EXPECT_EQ(step[0].artScale, 1);
        read.push_back(step[0].text);
        session_.Preloaded(true);
    }
    EXPECT_EQ(read, (std::vector<std::string>{"Main", "Third"}));
    EXPECT_FALSE(session_.preloadPending());
}

TEST_F(ScreenSessionTest, AFullBudgetOrAnotherScreenEndsTheReadingAhead) {
    Open("Main");
    session_.RegionsRead({});
    session_.Idle();
    session_.LinksFound(ScreenLinks{{"Second", "Third"}, false});
    EXPECT_EQ(session_.Idle()[0].text, "Second");
    session_.Preloaded(false);
    EXPECT_TRUE(session_.Idle().empty());
    // The next screen asks where it leads afresh.
    session_.Closed();
    EXPECT_TRUE(session_.Idle().empty());
    Open("Second");
    session_.RegionsRead({});
    EXPECT_EQ(Actions(session_.Idle()), (std::vector<A>{A::kFindLinks}));
    // Links that come after the screen went are dropped.
    session_.Closed();
    session_.LinksFound(ScreenLinks{{"Third"}, false});
    EXPECT_FALSE(session_.preloadPending());
}

TEST_F(ScreenSessionTest, AtAnEvenScaleScreensAreReadAheadWithTheirTwoTimesPictures) {
    Open("Main");
    session_.RegionsRead({});
    session_.Idle();
    session_.LinksFound(ScreenLinks{{"Second"}, false});
    session_.Preloaded(true);
    EXPECT_TRUE(session_.Idle().empty());
    // What was read at 1x lacks the 2x pictures: it is read again.
    const SessionCommands scaled = session_.ScaleChanged(2);
    EXPECT_EQ(Actions(scaled).back(), A::kIdleWanted);
    const SessionCommands step = session_.Idle();
    ASSERT_EQ(Actions(step), (std::vector<A>{A::kPreloadScreen}));
    EXPECT_EQ(step[0].text, "Second");
    EXPECT_EQ(step[0].artScale, 2);
    session_.Preloaded(true);
    // Another even scale needs nothing new.
    EXPECT_EQ(Actions(session_.ScaleChanged(4)), (std::vector<A>{A::kRedraw}));
    EXPECT_TRUE(session_.Idle().empty());
}

}  // namespace
}  // namespace lumora
