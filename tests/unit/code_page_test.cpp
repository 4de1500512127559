// The ANSI code pages and the Unicode forms around them, as the system converts.
#include "config/code_page.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(CodePage, KnowsTheWindowsCodePagesOf1250To1258) {
    for (int codePage = 1250; codePage <= 1258; ++codePage) {
        EXPECT_TRUE(IsKnownCodePage(codePage)) << codePage;
    }
    for (const int codePage : {0, 437, 932, 1249, 1259, 65001}) {
        EXPECT_FALSE(IsKnownCodePage(codePage)) << codePage;
    }
}

// Each byte of a code page comes back from its character, and ASCII is itself everywhere.
TEST(CodePage, EveryByteComesBackFromItsCharacter) {
    for (int codePage = 1250; codePage <= 1258; ++codePage) {
        for (int byte = 1; byte < 256; ++byte) {
            const std::string text(1, static_cast<char>(byte));
            const std::string utf8 = CodePageToUtf8(text, codePage);
            EXPECT_EQ(utf8.size() == 1, byte < 0x80) << codePage << " " << byte;
            EXPECT_EQ(Utf16ToCodePage(Utf8ToUtf16(utf8), codePage), text)
                << codePage << " " << byte;
        }
    }
    EXPECT_EQ(CodePageToUtf8("\x80 ma\xF1"
                             "ana",
                             1252),
              "\xE2\x82\xAC ma\xC3\xB1"
              "ana");
    EXPECT_EQ(CodePageToUtf8("\xF1", 1250), "\xC5\x84");  // n with acute, in central Europe
}

// Outside the code page: a similar character where the system has one, else '?'.
TEST(CodePage, CharactersOutsideBecomeTheirBestFitOrAQuestionMark) {
    EXPECT_EQ(Utf16ToCodePage(u"\u0141\u00f3d\u017a", 1252),
              "L\xF3"
              "dz");
    EXPECT_EQ(Utf16ToCodePage(u"\u0141\u00f3d\u017a", 1250),
              "\xA3\xF3"
              "d\x9F");
    EXPECT_EQ(Utf16ToCodePage(u"\u4e2d", 1252), "?");
    EXPECT_EQ(Utf16ToCodePage(u"a\U0001F600b", 1252), "a??b");
    EXPECT_EQ(Utf16ToCodePage(u"\u00e9", 437), "\xE9");  // an unknown code page counts as 1252
}

TEST(CodePage, Utf8SequencesAreDecodedOnlyWhenValid) {
    uint32_t character = 0;
    EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80", 0, &character), 4u);
    EXPECT_EQ(character, 0x1F600u);
    EXPECT_EQ(DecodeUtf8("a\xC3\xA9", 1, &character), 2u);
    EXPECT_EQ(character, 0xE9u);
    for (const char* invalid : {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                "\xE2\x82", "\x80", "\xFF"}) {
        EXPECT_EQ(DecodeUtf8(invalid, 0), 0u) << invalid;
    }
    EXPECT_EQ(Utf8ToUtf16("a\xE9\xC3\xA9"), u"a\uFFFD\u00e9");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");
}

}  // namespace
}  // namespace lumora
