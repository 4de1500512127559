// The author's reference names every section and key of the string table.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

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

}  // namespace
}  // namespace lumora
