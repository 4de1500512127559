#include "prefs/publisher_texts.h"

#include <gtest/gtest.h>

#include "config/string_table.h"

namespace lumora {
namespace {

SectionEntries Entries(std::vector<std::pair<std::string, std::string>> written) {
    std::vector<IniEntry> entries;
    for (auto& [name, value] : written) {
        entries.push_back({name, value, 0});
    }
    return SectionEntries(std::move(entries));
}

std::vector<std::string> Shown(const std::vector<InfoLine>& lines) {
    std::vector<std::string> out;
    for (const InfoLine& line : lines) {
        out.push_back(line.label.empty() ? line.text : line.label + ": " + line.text);
    }
    return out;
}

TEST(PublisherTexts, KeysAreReadAsTheStoreReadsThem) {
    const PublisherTexts texts =
        ReadPublisherTexts(Entries({{"PRODUCT", "\"Atlas 3\""},
                                    {"Telephone", ""},
                                    {"Fax", "(555) 000-0000"},
                                    {"web", "www.example.com"},
                                    {"Product", "a second Product is not read"}}),
                           BuiltInText);
    EXPECT_EQ(texts,
              (PublisherTexts{{IDS_KEY_PRODUCT, "Atlas 3"}, {IDS_KEY_WEB, "www.example.com"}}))
        << "letter case ignored, quotes taken off, an empty value is absent, other keys unread";
    EXPECT_TRUE(ReadPublisherTexts(SectionEntries(), BuiltInText).empty());
}

TEST(PublisherTexts, WithoutTextsThePagesShowTheirPictures) {
    EXPECT_TRUE(SupportPageLines({}, BuiltInText).empty());
    EXPECT_TRUE(AboutPageLines({}, BuiltInText).empty());
}

TEST(PublisherTexts, EachPageShowsItsLinesInOrderLeavingOutThoseWithoutText) {
    const PublisherTexts all = {
        {IDS_KEY_PRODUCT, "Atlas 3"},         {IDS_KEY_COMPANY, "Atlas Maps Ltd."},
        {IDS_KEY_ADDRESS, "1 Map Row"},       {IDS_KEY_TELEPHONE, "(555) 010-1000"},
        {IDS_KEY_WEB, "www.example.com"},     {IDS_KEY_HOURS, "Weekdays, 9 to 5"},
        {IDS_KEY_COPYRIGHT, "(c) 2026 Atlas"}};
    EXPECT_EQ(Shown(SupportPageLines(all, BuiltInText)),
              (std::vector<std::string>{"Customer Service", "Product: Atlas 3",
                                        "Publisher: Atlas Maps Ltd.", "Telephone: (555) 010-1000",
                                        "Web: www.example.com", "Weekdays, 9 to 5"}));
    EXPECT_EQ(Shown(AboutPageLines(all, BuiltInText)),
              (std::vector<std::string>{"Atlas 3", "Atlas Maps Ltd.", "1 Map Row",
                                        "Telephone: (555) 010-1000", "Web: www.example.com",
                                        "(c) 2026 Atlas"}));

    const PublisherTexts some = {{IDS_KEY_TELEPHONE, "(555) 010-1000"}};
    EXPECT_EQ(Shown(SupportPageLines(some, BuiltInText)),
              (std::vector<std::string>{"Customer Service", "Telephone: (555) 010-1000"}));
    EXPECT_EQ(Shown(AboutPageLines(some, BuiltInText)),
              (std::vector<std::string>{"Telephone: (555) 010-1000"}));
}

TEST(PublisherTexts, LinesStackInsideThePageWithTheLabelsInAColumn) {
    const PublisherTexts all = {{IDS_KEY_PRODUCT, "P"},  {IDS_KEY_COMPANY, "C"},
                                {IDS_KEY_ADDRESS, "A"},  {IDS_KEY_TELEPHONE, "T"},
                                {IDS_KEY_WEB, "W"},      {IDS_KEY_HOURS, "H"},
                                {IDS_KEY_COPYRIGHT, "R"}};
    for (const auto& lines :
         {SupportPageLines(all, BuiltInText), AboutPageLines(all, BuiltInText)}) {
        ASSERT_EQ(lines.size(), 6u);
        for (size_t i = 0; i < lines.size(); ++i) {
            const InfoLine& line = lines[i];
            SCOPED_TRACE(line.text);
            // Inside the 252 x 143 page, below the line before.
            EXPECT_GE(line.textRect.left, 0);
            EXPECT_LE(line.textRect.right, 252);
            EXPECT_LE(line.textRect.bottom, 143);
            EXPECT_FALSE(line.textRect.empty());
            if (i > 0) {
                EXPECT_GE(line.textRect.top, lines[i - 1].textRect.bottom);
            }
            if (line.label.empty()) {
                EXPECT_TRUE(line.labelRect.empty());
                EXPECT_EQ(line.textRect.left, lines[0].textRect.left) << "at the margin";
            } else {
                EXPECT_EQ(line.labelRect.top, line.textRect.top);
                EXPECT_LE(line.labelRect.right, line.textRect.left);
            }
        }
    }
    // A labelled line has less room than one of its own.
    const auto support = SupportPageLines(all, BuiltInText);
    EXPECT_LT(support[1].Room(), support[0].Room());
    EXPECT_GE(support[1].Room(), 40) << "a telephone number or a web address fits";
}

}  // namespace
}  // namespace lumora
