// Where a screen's actions lead: the screens read ahead before they are asked for.
#include "screens/screen_links.h"

#include <gtest/gtest.h>

#include "config/ini_document.h"
#include "config/string_table.h"
#include "menus/menu_model.h"

namespace lumora {
namespace {

ActionRecord Action(const std::string& function, std::optional<std::string> data = std::nullopt) {
    ActionRecord action;
    action.launchFunc = function;
    action.launchData = std::move(data);
    return action;
}

ScreenLinks Find(const std::vector<ActionRecord>& actions, const std::string& ini = "") {
    return FindScreenLinks(actions, IniDocument(ini),
                           ModelContext{BuiltInText, [](std::string&) {}});
}

TEST(ScreenLinks, RegionsLeadToTheScreensTheyNameOnceEachAndBack) {
    const ScreenLinks links =
        Find({Action("DispatchScreen", "Second"), Action("DispatchProgram", "run.exe"),
              Action("DispatchScreen", "Third"), Action("DispatchScreen", "Second"),
              Action("dispatchscreen", "Wrong"), Action("DispatchScreen"), ActionRecord{},
              Action("DispatchScreen", "second")});
    // Names are passed on as written: a click shows exactly that name or nothing.
    EXPECT_EQ(links.screens, (StringList{"Second", "Third", "second"}));
    EXPECT_FALSE(links.previous);
    EXPECT_TRUE(Find({Action("DispatchExit"), Action("DispatchPreviousScreen")}).previous);
}

TEST(ScreenLinks, MenusAreFollowedThroughTheirItemsAfterTheRegions) {
    const std::string ini =
        "[Menu Go]\nMenuItems=Far|More|Back|Line\n"
        "[Go-MenuItem Far]\nDescription=Far\nLaunchFunc=DispatchScreen\nLaunchData=Far\n"
        "[Go-MenuItem More]\nDescription=More\nLaunchFunc=DispatchMenu\nLaunchData=More\n"
        "[Go-MenuItem Back]\nDescription=Back\nLaunchFunc=DispatchPreviousScreen\n"
        // Without a Description an item is left out of the menu, and leads nowhere.
        "[Go-MenuItem Line]\nLaunchFunc=DispatchScreen\nLaunchData=Hidden\n"
        // A menu that opens the first one again: each is read once, and the walk ends.
        "[Menu More]\nMenuItems=Again|Deep\n"
        "[More-MenuItem Again]\nDescription=Again\nLaunchFunc=DispatchMenu\nLaunchData=Go\n"
        "[More-MenuItem Deep]\nDescription=Deep\nLaunchFunc=DispatchScreen\nLaunchData=Deep\n";
    const ScreenLinks links = Find({Action("DispatchMenu", "Go"), Action("DispatchMenu", "None"),
                                    Action("DispatchScreen", "Near")},
                                   ini);
    EXPECT_EQ(links.screens, (StringList{"Near", "Far", "Deep"}));
    EXPECT_TRUE(links.previous);
}

TEST(ScreenLinks, ItemsPastTheLastOneAMenuAnswersToLeadNowhere) {
    std::string ini = "[Menu Long]\nMenuItems=";
    const int answered = kLastRoutedCommandId - kFirstMenuCommandId + 1;
    for (int i = 0; i <= answered; ++i) {
        ini += (i ? "|I" : "I") + std::to_string(i);
    }
    ini += "\n";
    for (int i = 0; i <= answered; ++i) {
        ini += "[Long-MenuItem I" + std::to_string(i) +
               "]\nDescription=x\nLaunchFunc=DispatchScreen\nLaunchData=S" + std::to_string(i) +
               "\n";
    }
    const ScreenLinks links = Find({Action("DispatchMenu", "Long")}, ini);
    ASSERT_EQ(links.screens.size(), static_cast<size_t>(answered));
    EXPECT_EQ(links.screens.back(), "S" + std::to_string(answered - 1));
}

}  // namespace
}  // namespace lumora
