#include "config/section_entries.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using namespace std::string_literals;

SectionEntries Entries(std::string data) {
    data.push_back('\0');
    return SectionEntries(data.data(), data.size());
}

TEST(SectionEntries, FirstMatchingNameWithoutRegardToCase) {
    SectionEntries entries = Entries("Shape=1,2\0shape=3,4\0Other=x\0"s);
    EXPECT_EQ(entries.Find("SHAPE"), "1,2");
    EXPECT_EQ(entries.Find("other"), "x");
    EXPECT_EQ(entries.Find("Missing"), std::nullopt);
}

TEST(SectionEntries, ValuesAreTrimmedUnquotedAndCut) {
    std::string data = "A =  spaced  \0B=\"q\"\0C='s'\0D=\"open\0E=\0F=\"\"\0G\0"s;
    data += "H=" + std::string(600, 'h') + '\0';
    SectionEntries entries = Entries(data);
    EXPECT_EQ(entries.Find("A"), "spaced");
    EXPECT_EQ(entries.Find("B"), "q");
    EXPECT_EQ(entries.Find("C"), "s");
    EXPECT_EQ(entries.Find("D"), "\"open");
    EXPECT_EQ(entries.Find("E"), std::nullopt);
    EXPECT_EQ(entries.Find("F"), std::nullopt);
    EXPECT_EQ(entries.Find("G"), std::nullopt);
    EXPECT_EQ(entries.Find("H"), std::string(511, 'h'));
}

TEST(SectionEntries, DataWithoutFinalTerminatorIsReadToItsEnd) {
    const char data[] = {'K', '=', 'v'};
    EXPECT_EQ(SectionEntries(data, sizeof data).Find("K"), "v");
    EXPECT_EQ(SectionEntries(nullptr, 0).Find("K"), std::nullopt);
}

}  // namespace
}  // namespace lumora
