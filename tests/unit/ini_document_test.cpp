// The INI parser must answer as the private-profile functions do; the Win32 tests compare the
// two on the files of tests/data/ini. These cases pin the rules down one by one.
#include "config/ini_document.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <future>

#include "config/string_table.h"
#include "resource.h"

namespace lumora {
namespace {

using namespace std::string_literals;

std::optional<std::string> Read(const IniDocument& ini, const std::string& section,
                                const std::string& key) {
    return ini.Section(section).Find(key);
}

TEST(IniDocument, NamesIgnoreCaseAndBlanksAndTheFirstMatchWins) {
    const IniDocument ini(
        "[Main]\nKey=first\nkey=second\n  Spaced Key \t= x\n"
        "[ Padded ]\nk=p\n"
        "[MAIN]\nOnlyHere=lost\n"
        "[Tail] text after the header\nt=1\n"
        "[Brackets] x]\nb=2\n");
    EXPECT_EQ(Read(ini, "main", "KEY"), "first");
    EXPECT_EQ(Read(ini, "Main", "spaced key"), "x");
    EXPECT_EQ(Read(ini, " Main\t", " Key "), "first");
    EXPECT_EQ(Read(ini, "Padded", "k"), "p");
    // A repeated section is never reached: only the first of that name counts.
    EXPECT_EQ(Read(ini, "Main", "OnlyHere"), std::nullopt);
    EXPECT_EQ(Read(ini, "Tail", "t"), "1");
    // The header name runs to the last ']'.
    EXPECT_EQ(Read(ini, "Brackets] x", "b"), "2");
    EXPECT_EQ(Read(ini, "Brackets", "b"), std::nullopt);
    EXPECT_EQ(Read(ini, "Missing", "Key"), std::nullopt);
}

TEST(IniDocument, ValuesAreTrimmedUnquotedAndCut) {
    const std::string long600(600, 'a');
    const std::string long511(511, 'b');
    const IniDocument ini(
        "[S]\nplain=  two words \t\nquoted=\" inner \"\nsingle='s'\nopen=\"o\n"
        "mixed=\"m'\nonlyQuotes=''\nempty=\nblanks=   \nequals=a=b=c\n"
        "noEquals\nlong=" +
        long600 + "\nquoted511=\"" + long511 + "\"\nquoted600=\"" + long600 +
        "\"\nctrlZ=\x1av\x1a\nzero=a\0b\nafterZero=ok\n"s);
    const SectionEntries s = ini.Section("S");
    EXPECT_EQ(s.Find("plain"), "two words");
    EXPECT_EQ(s.Find("quoted"), " inner ");
    EXPECT_EQ(s.Find("single"), "s");
    EXPECT_EQ(s.Find("open"), "\"o");
    EXPECT_EQ(s.Find("mixed"), "\"m'");
    EXPECT_EQ(s.Find("onlyQuotes"), std::nullopt);
    EXPECT_EQ(s.Find("empty"), std::nullopt);
    EXPECT_EQ(s.Find("blanks"), std::nullopt);
    EXPECT_EQ(s.Find("equals"), "a=b=c");
    EXPECT_EQ(s.Find("noEquals"), std::nullopt);
    EXPECT_EQ(s.Find("long"), long600.substr(0, 511));
    // The private-profile reader drops the closing quote after its cut, and with it one more
    // character of a quoted value of exactly 511.
    EXPECT_EQ(s.Find("quoted511"), long511.substr(0, 510));
    EXPECT_EQ(s.Find("quoted600"), long600.substr(0, 511));
    EXPECT_EQ(s.Find("ctrlZ"), "v");
    EXPECT_EQ(s.Find("zero"), "a");
    EXPECT_EQ(s.Find("afterZero"), "ok");
}

TEST(IniDocument, LineEndsBlankLinesAndTextBeforeTheFirstSection) {
    const IniDocument crlf("\xEF\xBB\xBFtop=1\r\n\r\n   \r\n[A]\r\nk=v\r\n[B]\r\nj=w");
    EXPECT_EQ(Read(crlf, "", "top"), "1");
    EXPECT_EQ(Read(crlf, "A", "k"), "v");
    EXPECT_EQ(Read(crlf, "B", "j"), "w");  // no final line break
    const IniDocument cr("[A]\rk=v\rj=w\n[B]\nx=y");
    EXPECT_EQ(Read(cr, "A", "k"), "v");
    EXPECT_EQ(Read(cr, "A", "j"), "w");
    EXPECT_EQ(Read(cr, "B", "x"), "y");
    // An empty header comes after the section of the lines before any header, so never counts.
    const IniDocument emptyHeader("[]\ne=1\n");
    EXPECT_EQ(Read(emptyHeader, "", "e"), std::nullopt);
    // '[' without ']' is an entry of the section it is in.
    const IniDocument open("[A]\n[Open\nz=3\n");
    EXPECT_EQ(Read(open, "Open", "z"), std::nullopt);
    EXPECT_EQ(Read(open, "A", "z"), "3");
    EXPECT_EQ(IniDocument("").sections().size(), 1u);
}

TEST(IniDocument, CommentsAreEntriesThatOnlyTheirOwnNameFinds) {
    const IniDocument ini("[A]\n; note=1\n;k=2\n# hash=3\nk=4\n");
    const SectionEntries a = ini.Section("A");
    EXPECT_EQ(a.Find("k"), "4");
    EXPECT_EQ(a.Find(";k"), "2");
    EXPECT_EQ(a.Find("# hash"), "3");
    ASSERT_EQ(a.entries().size(), 4u);
    EXPECT_TRUE(a.entries()[0].IsComment());
    EXPECT_FALSE(a.entries()[2].IsComment());
}

TEST(IniDocument, KnowsTheLinesOfSectionsAndOfTheKeysReadsUse) {
    const std::string long600(600, 'x');
    const IniDocument ini(
        "; Lumora\r\n\r\n[Screen Main]\r\nBitmap=a.bmp\r\nbitmap=b.bmp\r\n"
        "[Other]\rLong=" +
        long600 + "\rQuoted=\"" + std::string(511, 'q') + "\"\r\n[screen main]\nBitmap=c.bmp\n");
    const IniSection* main = ini.FindSection("SCREEN MAIN");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->name, "Screen Main");
    EXPECT_EQ(main->entries.line(), 3);
    const IniEntry* bitmap = main->entries.FindEntry("Bitmap");
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->line, 4);
    const IniSection* other = ini.FindSection("Other");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->entries.line(), 6);
    const IniEntry* longEntry = other->entries.FindEntry("long");
    ASSERT_NE(longEntry, nullptr);
    EXPECT_EQ(longEntry->line, 7);
    EXPECT_EQ(longEntry->value->size(), 600u);  // the raw value keeps its length
    EXPECT_TRUE(ValueIsCut(*longEntry->value));
    EXPECT_TRUE(ValueIsCut(*other->entries.FindEntry("Quoted")->value));
    EXPECT_FALSE(ValueIsCut(*bitmap->value));
    EXPECT_FALSE(ValueIsCut("\"" + std::string(510, 'q') + "\""));
    EXPECT_FALSE(ValueIsCut(std::string(511, 'q')));
    // All sections in file order, repeated ones included, after the one before any header.
    ASSERT_EQ(ini.sections().size(), 4u);
    EXPECT_EQ(ini.sections()[0].name, "");
    EXPECT_EQ(ini.sections()[0].entries.entries().size(), 1u);
    EXPECT_EQ(ini.sections()[3].name, "screen main");
    EXPECT_EQ(ini.sections()[3].entries.line(), 9);
}

TEST(IniDocument, FromFileReadsTheBytesAsTheyAre) {
    EXPECT_EQ(IniDocument::FromFile(LUMORA_TEST_DATA "/ini/no-such-file.ini"), std::nullopt);
    std::optional<IniDocument> ini = IniDocument::FromFile(LUMORA_TEST_DATA "/ini/crlf.ini");
    ASSERT_TRUE(ini);
    EXPECT_FALSE(ini->sections().empty());
}

// A zero byte ends a name or value where it stands, and the blanks before it go as the whole-
// section read (lumora.exe's) gives them: the name "Key " of the line "Key \0x=v" is found as Key.
TEST(IniDocument, AZeroByteEndsTheNameOrValueAndTheBlanksBeforeItGo) {
    const IniDocument ini("[S]\nKey \0x=v1\nVal=abc \0def\nQ=\"a \0b\"\nN\0o=1\n[Se \0ct]\nk=2\n"s);
    const SectionEntries s = ini.Section("S");
    EXPECT_EQ(s.Find("Key"), "v1");
    EXPECT_EQ(s.Find("Val"), "abc");
    EXPECT_EQ(s.Find("Q"), "\"a");
    EXPECT_EQ(s.Find("N"), "1");
    ASSERT_EQ(s.entries().size(), 4u);
    EXPECT_EQ(s.entries()[1].value, "abc");
    // A section name keeps them: neither read finds "Se " as Se.
    EXPECT_EQ(ini.FindSection("Se"), nullptr);
}

std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// Notepad's "Unicode" (UTF-16 with a byte order mark) and UTF-8 with one are read as the
// system reads them: in the ANSI code page, characters outside it as a similar one or '?'.
TEST(IniDocument, UnicodeFilesAreReadInTheAnsiCodePage) {
    const std::u16string text =
        u"[Config]\r\nScreenNames=Caf\u00e9|\u0141\u00f3d\u017a\r\n"
        u"Emoji=a\U0001F600b\r\n[Caf\u00e9]\r\nk=1\r\n";
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        const IniDocument ini(Utf16(text, bigEndian) + "x");  // an odd last byte is no character
        EXPECT_EQ(Read(ini, "Config", "ScreenNames"),
                  "Caf\xE9|L\xF3"
                  "dz");
        EXPECT_EQ(Read(ini, "Config", "Emoji"), "a??b");
        EXPECT_EQ(Read(ini, "Caf\xE9", "k"), "1");
        const IniSection* cafe = ini.FindSection("Caf\xE9");
        ASSERT_NE(cafe, nullptr);
        EXPECT_EQ(cafe->entries.line(), 4);
        const IniDocument centralEurope(Utf16(text, bigEndian), 1250);
        EXPECT_EQ(Read(centralEurope, "Config", "ScreenNames"),
                  "Caf\xE9|\xA3\xF3"
                  "d\x9F");
    }
    const IniDocument utf8("\xEF\xBB\xBF[A]\nk=caf\xC3\xA9 \xE9\n");
    EXPECT_EQ(Read(utf8, "A", "k"), "caf\xE9 ?");
    // Without a byte order mark UTF-16 is read byte by byte, as the system does: no section.
    const IniDocument bare(Utf16(text, false).substr(2));
    EXPECT_EQ(Read(bare, "Config", "ScreenNames"), std::nullopt);
}

// Only a regular file is read, and only up to kMaxIniFileSize: a FIFO, a device or a huge file
// gives nothing, at once.
TEST(IniDocument, FromFileReadsOnlyRegularFilesOfASaneSize) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("lumora-ini-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path fifo = folder / "fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto read =
        std::async(std::launch::async, [&] { return IniDocument::FromFile(fifo.string()); });
    if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "reading a FIFO blocks";
        ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // a writer that leaves at once
    }
    EXPECT_EQ(read.get(), std::nullopt);

    fs::create_symlink("/dev/zero", folder / "zero.ini");
    EXPECT_EQ(IniDocument::FromFile((folder / "zero.ini").string()), std::nullopt);
    const fs::path huge = folder / "huge.ini";
    std::ofstream(huge) << "[A]\nk=1\n";
    ASSERT_TRUE(IniDocument::FromFile(huge.string()));
    fs::resize_file(huge, kMaxIniFileSize + 1);
    EXPECT_EQ(IniDocument::FromFile(huge.string()), std::nullopt);
    fs::resize_file(huge, kMaxIniFileSize);
    EXPECT_TRUE(IniDocument::FromFile(huge.string()));
    fs::remove_all(folder);
}

TEST(StringTable, HasTheIniNamesAndNothingForUnknownIds) {
    EXPECT_EQ(BuiltInText(IDS_KEY_SHAPE), "Shape");
    EXPECT_EQ(BuiltInText(IDS_SECTION_REGION), "-Region ");
    EXPECT_EQ(BuiltInText(IDS_MSG_LAUNCH_FAILED), "Unable to launch %s.\n\nError number %d");
    EXPECT_EQ(BuiltInText(9999), "");
    EXPECT_EQ(BuiltInText(0), "");
    const std::vector<unsigned> ids = BuiltInTextIds();
    EXPECT_NE(std::find(ids.begin(), ids.end(), unsigned{IDS_KEY_LAUNCH_LONG}), ids.end());
}

}  // namespace
}  // namespace lumora
