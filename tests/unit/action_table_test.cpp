// The one table of actions: what each exported action function does, in the words every front
// end and the reference use.
#include "actions/action_table.h"

#include <gtest/gtest.h>

#include <set>

namespace lumora {
namespace {

TEST(ActionTable, NamesAndCodesAreEachOnce) {
    std::set<std::string_view> names;
    std::set<ActionCode> codes;
    for (const ActionInfo& action : kActions) {
        EXPECT_TRUE(names.insert(action.exportName).second) << action.exportName;
        EXPECT_TRUE(codes.insert(action.code).second) << action.exportName;
        EXPECT_EQ(FindAction(action.exportName), &action);
    }
    // There is no code 9, and the names are found exactly, letter case included.
    EXPECT_EQ(codes.count(static_cast<ActionCode>(9)), 0u);
    EXPECT_EQ(FindAction("dispatchexit"), nullptr);
}

ActionRecord Action(const std::string& function) {
    ActionRecord action;
    action.launchFunc = function;
    return action;
}

TEST(ActionTable, DescribesWhatAClickDoes) {
    EXPECT_EQ(DescribeAction(Action("DispatchScreen"), std::string("Second")),
              "Shows the screen Second");
    EXPECT_EQ(DescribeAction(Action("DispatchProgramAndWait"), std::string("setup.exe")),
              "Starts setup.exe and waits for it");
    EXPECT_EQ(DescribeAction(Action("DispatchAbout"), std::nullopt),
              "Opens the About page of the preferences");
    EXPECT_EQ(DescribeAction(Action("DispatchExit"), std::string("ignored")), "Closes Lumora");
    // What does nothing says so.
    EXPECT_EQ(DescribeAction(ActionRecord(), std::nullopt), "Does nothing");
    EXPECT_EQ(DescribeAction(Action("dispatchexit"), std::nullopt),
              "Does nothing: dispatchexit is no action");
    EXPECT_EQ(DescribeAction(Action("DispatchScreen"), std::nullopt),
              "Does nothing: the action has no LaunchData");
    // A program without a command is not installed.
    ActionRecord program = Action("DispatchProgram");
    EXPECT_EQ(DescribeAction(program, std::nullopt), "Says there is nothing to start");
    program.setupFunc = "DispatchProgram";
    EXPECT_EQ(DescribeAction(program, std::nullopt), "Offers to install the program");
}

}  // namespace
}  // namespace lumora
