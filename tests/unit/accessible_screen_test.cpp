// What a screen reader is told of a screen: the regions' facts, the objects, their states and
// order, and the events that changes raise.
#include "screens/accessible_screen.h"

#include <gtest/gtest.h>

#include <ostream>

#include "config/ini_document.h"
#include "config/string_table.h"

namespace lumora {

void PrintTo(const ReaderNotice& n, std::ostream* os) {
    *os << std::hex << "0x" << static_cast<unsigned>(n.event) << std::dec << "(" << n.child << ")";
}

namespace {

RegionSpec Region(const std::string& section, const std::string& name) {
    const ModelContext context{BuiltInText, [](std::string&) {}};
    return LoadRegionSpec(IniDocument(section), "Main", name, context);
}

TEST(AccessibleScreen, ARegionIsToldByItsLabelItsActionAndItsShape) {
    const std::string ini =
        "[Main-Region Go]\nLabel=Next page\nLaunchFunc=DispatchScreen\nLaunchData=Second\n"
        "Shape=30,40|10,90|50,60|20,41\n"
        "[Main-Region Tools]\nLaunchFunc=DispatchMenu\nLaunchData=Tools\nShape=0,0|5,0|5,5\n"
        "[Main-Region R1]\nShape=1,1|2,2\n"
        "[Main-Region Odd]\nLaunchFunc=DispatchNothing\n"
        "[Main-Region Setup]\nLaunchFunc=DispatchProgramAndWait\n";
    const ReaderFacts go = DescribeForReaders(Region(ini, "Go"), std::string("Second"));
    EXPECT_EQ(go.name, "Next page");
    EXPECT_EQ(go.description, "Shows the screen Second");
    EXPECT_EQ(go.role, ReaderRole::kPushButton);
    EXPECT_EQ(go.bounds, (PixelRect{10, 40, 50, 90}));

    const ReaderFacts tools = DescribeForReaders(Region(ini, "Tools"), std::string("Tools"));
    EXPECT_EQ(tools.name, "Tools") << "no Label: the name as listed";
    EXPECT_EQ(tools.role, ReaderRole::kButtonMenu);
    EXPECT_EQ(tools.description, "Opens the menu Tools");

    const ReaderFacts plain = DescribeForReaders(Region(ini, "R1"), std::nullopt);
    EXPECT_EQ(plain.role, ReaderRole::kStaticText) << "a click runs no action";
    EXPECT_EQ(plain.description, "Does nothing");
    EXPECT_TRUE(plain.bounds.empty()) << "two points make no shape";
    EXPECT_EQ(DescribeForReaders(Region(ini, "Odd"), std::nullopt).role, ReaderRole::kStaticText);

    // The launch data is the one lumora.exe passes: from the registry when the section has none.
    const ReaderFacts setup = DescribeForReaders(Region(ini, "Setup"), std::string("D:\\s.exe"));
    EXPECT_EQ(setup.description, "Starts D:\\s.exe and waits for it");
    EXPECT_EQ(setup.role, ReaderRole::kPushButton);
}

TEST(AccessibleScreen, ANameIsAWordWhenItHoldsTwoLettersInARow) {
    for (const char* silent : {"", "R1", "X", "3D", "A1B2", "-_ 3.", "\xE9"}) {
        EXPECT_FALSE(HasWord(silent)) << silent;
    }
    for (const char* spoken : {"Go", "Exit", "3D viewer", "R2D2 at", "\xC9t\xE9", "z\xE9"}) {
        EXPECT_TRUE(HasWord(spoken)) << spoken;
    }
    EXPECT_EQ(ScreenSpokenName("Welcome", "Lumora"), "Welcome");
    EXPECT_EQ(ScreenSpokenName("", "Lumora"), "Lumora");
}

// Regions 0, 2, 3 and 5 have a shape; 1 and 4 have none.
class AccessibleScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const HoverRegionFacts shaped{true, true, false};
        const HoverRegionFacts shapeless{false, true, true};
        hover_.ShowScreen({shaped, shapeless, shaped, shaped, shapeless, shaped});
    }
    AccessibleScreen Screen() const { return AccessibleScreen(hover_); }
    void Hover(int region) { hover_.MouseMove(region, true, false, true); }

    HoverMachine hover_;
};

TEST_F(AccessibleScreenTest, TheChildrenAreTheShapedRegionsInListOrder) {
    const AccessibleScreen screen = Screen();
    EXPECT_EQ(screen.childCount(), 4);
    const int regions[] = {-1, 0, 2, 3, 5, -1};
    for (long child = 0; child <= 5; ++child) {
        EXPECT_EQ(screen.RegionOf(child), regions[child]) << child;
        EXPECT_EQ(screen.IsChild(child), regions[child] != -1) << child;
    }
    EXPECT_EQ(screen.RegionOf(-1), -1);
    const long children[] = {1, kChildSelf, 2, 3, kChildSelf, 4};
    for (int region = 0; region < 6; ++region) {
        EXPECT_EQ(screen.ChildOf(region), children[region]) << region;
    }
    EXPECT_EQ(screen.ChildOf(-1), kChildSelf);
    EXPECT_EQ(screen.ChildOf(6), kChildSelf);

    hover_.WindowDestroyed();
    EXPECT_EQ(Screen().childCount(), 0) << "a window gone has no children";
    EXPECT_EQ(Screen().RegionOf(1), -1);
}

TEST_F(AccessibleScreenTest, StatesFollowTheKeyboardFocusAndTheHover) {
    const AccessibleScreen screen = Screen();
    EXPECT_EQ(screen.StateOf(kChildSelf, true), kReaderFocusable | kReaderFocused);
    EXPECT_EQ(screen.StateOf(kChildSelf, false), kReaderFocusable);
    EXPECT_EQ(screen.StateOf(2, true), kReaderFocusable);
    EXPECT_EQ(screen.FocusedChild(true), kChildSelf);
    EXPECT_EQ(screen.FocusedChild(false), kNoChild);

    hover_.FocusRegion(2);
    EXPECT_EQ(screen.StateOf(2, true), kReaderFocusable | kReaderFocused | kReaderHotTracked);
    EXPECT_EQ(screen.StateOf(2, false), kReaderFocusable | kReaderHotTracked)
        << "focused only while the window has the keyboard's focus";
    EXPECT_EQ(screen.StateOf(kChildSelf, true), kReaderFocusable);
    EXPECT_EQ(screen.FocusedChild(true), 2);

    Hover(3);
    EXPECT_EQ(screen.StateOf(3, true), kReaderFocusable | kReaderHotTracked);
    EXPECT_EQ(screen.StateOf(2, true), kReaderFocusable) << "the mouse took over";
    EXPECT_EQ(screen.StateOf(9, true), kReaderFocusable) << "a number that names nothing";
}

TEST_F(AccessibleScreenTest, NextAndPreviousFollowTheTabOrderAndStopAtTheEnds) {
    using N = ReaderNavigation;
    const AccessibleScreen screen = Screen();
    EXPECT_EQ(screen.Navigate(kChildSelf, N::kFirstChild), 1);
    EXPECT_EQ(screen.Navigate(kChildSelf, N::kLastChild), 4);
    EXPECT_EQ(screen.Navigate(kChildSelf, N::kNext), kNoChild) << "the window's siblings";
    long walked[4] = {};
    long at = 1;
    for (long& next : walked) {
        next = at = screen.Navigate(at, N::kNext);
    }
    EXPECT_EQ(std::vector<long>(walked, walked + 4), (std::vector<long>{2, 3, 4, kNoChild}));
    EXPECT_EQ(screen.Navigate(4, N::kPrevious), 3);
    EXPECT_EQ(screen.Navigate(1, N::kPrevious), kNoChild);
    for (N direction : {N::kUp, N::kDown, N::kLeft, N::kRight, N::kFirstChild, N::kLastChild}) {
        EXPECT_EQ(screen.Navigate(2, direction), kNoChild) << static_cast<long>(direction);
    }
    EXPECT_EQ(screen.Navigate(5, N::kNext), kNoChild) << "a number that names nothing";
    EXPECT_EQ(screen.Navigate(-3, N::kFirstChild), kNoChild);

    // Tab's own order: from each child, the next Tab reaches the next child.
    for (long child = 1; child < 4; ++child) {
        hover_.FocusRegion(screen.RegionOf(child));
        hover_.TabKey(false);
        EXPECT_EQ(screen.ChildOf(hover_.focusRegion()), screen.Navigate(child, N::kNext));
    }

    hover_.ShowScreen({HoverRegionFacts{}});
    EXPECT_EQ(screen.Navigate(kChildSelf, N::kFirstChild), kNoChild) << "no child at all";
}

TEST_F(AccessibleScreenTest, FocusAndHoverChangesRaiseTheirEvents) {
    using E = ReaderEvent;
    const AccessibleScreen screen = Screen();
    ReaderMark told = screen.Mark();
    EXPECT_TRUE(screen.Changes(told, true).empty());

    hover_.TabKey(false);
    EXPECT_EQ(screen.Changes(told, true), (ReaderNotices{{E::kStateChange, 1}, {E::kFocus, 1}}));
    told = screen.Mark();
    hover_.TabKey(false);
    EXPECT_EQ(screen.Changes(told, true),
              (ReaderNotices{{E::kStateChange, 1}, {E::kStateChange, 2}, {E::kFocus, 2}}));
    told = screen.Mark();
    hover_.EscapeKey();
    EXPECT_EQ(screen.Changes(told, true),
              (ReaderNotices{{E::kStateChange, 2}, {E::kFocus, kChildSelf}}))
        << "no region has the focus: the screen itself has it";
    told = screen.Mark();

    Hover(5);
    EXPECT_EQ(screen.Changes(told, true), (ReaderNotices{{E::kStateChange, 4}}));
    told = screen.Mark();
    hover_.TabKey(false);
    EXPECT_EQ(screen.Changes(told, false),
              (ReaderNotices{{E::kStateChange, 4}, {E::kStateChange, 1}}))
        << "no focus event while the window does not have the keyboard's focus";
    EXPECT_EQ(screen.Changes(screen.Mark(), true), ReaderNotices{});

    EXPECT_EQ(ScreenShownNotices(),
              (ReaderNotices{{E::kNameChange, kChildSelf}, {E::kReorder, kChildSelf}}));
}

}  // namespace
}  // namespace lumora
