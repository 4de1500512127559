// The author's reference names every section and key of the string table.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "actions/action_table.h"
#include "config/string_table.h"

namespace lumora {
namespace {

std::string ReadText(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(AuthorsReference, NamesEveryKeyAndSectionOfTheStringTable) {
    const std::string source = LUMORA_SOURCE_DIR;
    const std::string doc = ReadText(source + "/docs/authoring.md");
    const std::string ids = ReadText(source + "/res/resource.h");
    ASSERT_FALSE(doc.empty());
    const std::regex define(R"(#define\s+IDS_(KEY|SECTION)_\w+\s+(\d+))");
    int keys = 0;
    for (auto it = std::sregex_iterator(ids.begin(), ids.end(), define);
         it != std::sregex_iterator(); ++it) {
        const std::string text = BuiltInText(static_cast<unsigned>(std::stoul((*it)[2])));
        ASSERT_FALSE(text.empty()) << (*it)[0];
        if ((*it)[1] == "KEY") {
            ++keys;
            EXPECT_NE(doc.find("`" + text + "`"), std::string::npos)
                << "docs/authoring.md does not describe the key " << text;
        } else {
            // Section names are written as headers: "[Config]", "[Screen <name>]", "-Region ".
            EXPECT_NE(doc.find(text), std::string::npos)
                << "docs/authoring.md does not name the section part '" << text << "'";
        }
    }
    EXPECT_GE(keys, 40);
}

// The reference's table of actions is the program's own: every row as the table says it, in
// its order.
TEST(AuthorsReference, TableOfActionsIsTheProgramsOwn) {
    const std::string doc = ReadText(std::string(LUMORA_SOURCE_DIR) + "/docs/authoring.md");
    const std::regex row(R"(\|\s*`(Dispatch\w+)`\s*\|\s*(.*?)\s*\|\s*(.*?)\s*\|)");
    std::vector<std::string> names;
    for (auto it = std::sregex_iterator(doc.begin(), doc.end(), row); it != std::sregex_iterator();
         ++it) {
        const std::string name = (*it)[1];
        const ActionInfo* action = FindAction(name);
        ASSERT_NE(action, nullptr) << "docs/authoring.md names an action " << name;
        EXPECT_EQ((*it)[2].str(), action->data) << name;
        EXPECT_EQ((*it)[3].str(), action->effect) << name;
        names.push_back(name);
    }
    ASSERT_EQ(names.size(), kActions.size()) << "docs/authoring.md lists every action once";
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i], kActions[i].exportName);
    }
}

}  // namespace
}  // namespace lumora
