// The INI parser of the core must answer as the private-profile functions do: for every file of
// tests/data/ini (and the demo disc's), every section and key that occur in it, their case and
// blank variants and absent ones, the parser gives the text of the whole-section reader that
// lumora.exe uses, and of GetPrivateProfileStringA. Files saved as UTF-16 or UTF-8 with a byte
// order mark are read in the ANSI code page (1252 here) by all three.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "config/ini_document.h"
#include "config/private_profile_reader.h"

namespace lumora::testing {
namespace {

std::string DataFolder() {
    return LUMORA_TEST_DATA "/ini/";
}

std::vector<std::string> IniFiles() {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((DataFolder() + "*.ini").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            files.push_back(DataFolder() + found.cFileName);
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    std::sort(files.begin(), files.end());
    files.push_back(LUMORA_DEMO_INI);
    return files;
}

std::string Upper(std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::string Lower(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// A name as the private-profile functions see it (a C string), and the same name in another
// letter case with blanks around it.
std::vector<std::string> Variants(const std::string& name) {
    const std::string text = name.substr(0, name.find('\0'));
    std::string other = Upper(text) == text ? Lower(text) : Upper(text);
    return {text, " " + other + "\t"};
}

// True when the file's text holds a zero character: a zero byte, or a zero unit of UTF-16.
bool HasZeroCharacter(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const bool utf16 = bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0;
    for (size_t i = 0; i < bytes.size(); i += utf16 ? 2 : 1) {
        if (bytes[i] == '\0' && (!utf16 || (i + 1 < bytes.size() && bytes[i + 1] == '\0'))) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> ReadString(const std::string& path, const std::string& section,
                                      const std::string& key) {
    char buffer[512];
    DWORD copied = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                              sizeof buffer, path.c_str());
    if (copied == 0) {
        return std::nullopt;
    }
    return std::string(buffer, copied);
}

TEST(IniEquivalence, ParserAnswersAsTheSectionReaderAndGetPrivateProfileString) {
    const std::vector<std::string> files = IniFiles();
    ASSERT_GE(files.size(), 24u);
    size_t probed = 0;
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        std::optional<IniDocument> document = IniDocument::FromFile(path);
        ASSERT_TRUE(document);
        const PrivateProfileReader reader(path);
        const bool zero = HasZeroCharacter(path);
        const std::vector<IniSection>& sections = document->sections();
        for (size_t i = 0; i < sections.size(); ++i) {
            // The section's own keys, one of the next section's, and keys found nowhere.
            std::vector<std::string> keys = {"Absent", "x"};
            for (const IniEntry& entry : sections[i].entries.entries()) {
                for (const std::string& key : Variants(entry.name)) {
                    keys.push_back(key);
                }
            }
            const SectionEntries& next = sections[(i + 1) % sections.size()].entries;
            if (!next.entries().empty()) {
                keys.push_back(next.entries().front().name);
            }
            std::vector<std::string> names = Variants(sections[i].name);
            names.push_back(sections[i].name + "x");
            for (const std::string& section : names) {
                const SectionEntries parsed = document->Section(section);
                const SectionEntries read = reader.Section(section);
                for (const std::string& key : keys) {
                    SCOPED_TRACE("[" + section + "] " + key);
                    const std::optional<std::string> single = ReadString(path, section, key);
                    ++probed;
                    // The whole-section read leaves comment lines out; nothing reads such keys.
                    const std::string_view trimmed = TrimIniBlanks(key);
                    if (trimmed.empty() || trimmed.front() != ';') {
                        const std::optional<std::string> whole = read.Find(key);
                        EXPECT_EQ(parsed.Find(key), whole);
                        // The reads part only where blanks stand before a zero character:
                        // the single read keeps them in a value and misses a name with them.
                        if (whole != single) {
                            EXPECT_TRUE(zero)
                                << "the single read gives " << single.value_or("none");
                            continue;
                        }
                    }
                    EXPECT_EQ(parsed.Find(key), single);
                }
            }
        }
    }
    // The table is large: a file list that went missing must not pass unnoticed.
    EXPECT_GT(probed, 1000u);
}

// Where the two reads of the system part, lumora.exe's whole-section read is the one that counts.
TEST(IniEquivalence, BlanksBeforeAZeroByteGoAsTheSectionReadHasThem) {
    const std::string path = DataFolder() + "zero-after-blank.ini";
    const SectionEntries parsed = IniDocument::FromFile(path)->Section("Zero");
    const SectionEntries read = PrivateProfileReader(path).Section("Zero");
    EXPECT_EQ(ReadString(path, "Zero", "Key"), std::nullopt);
    EXPECT_EQ(read.Find("Key"), "v1");
    EXPECT_EQ(parsed.Find("Key"), "v1");
    EXPECT_EQ(ReadString(path, "Zero", "Val"), "abc ");
    EXPECT_EQ(read.Find("Val"), "abc");
    EXPECT_EQ(parsed.Find("Val"), "abc");
    EXPECT_EQ(parsed.Find("after"), "ok");
    EXPECT_EQ(read.entries().size(), parsed.entries().size());
}

TEST(IniEquivalence, Utf16IsReadInTheAnsiCodePage) {
    const std::string path = DataFolder() + "utf16-little-endian.ini";
    const SectionEntries parsed = IniDocument::FromFile(path)->Section("Unicode");
    EXPECT_EQ(ReadString(path, "Unicode", "Accents"), "caf\xE9 na\xEFve \xC9T\xC9");
    EXPECT_EQ(parsed.Find("Accents"), "caf\xE9 na\xEFve \xC9T\xC9");
    EXPECT_EQ(parsed.Find("Outside"), ReadString(path, "Unicode", "Outside"));
    EXPECT_EQ(parsed.Find("Emoji"), "a??b");
}

TEST(IniEquivalence, ReaderOfAMissingFileHasNoSections) {
    const PrivateProfileReader reader(DataFolder() + "no-such-file.ini");
    EXPECT_TRUE(reader.Section("Screen Main").entries().empty());
    EXPECT_FALSE(IniDocument::FromFile(DataFolder() + "no-such-file.ini"));
}

}  // namespace
}  // namespace lumora::testing
