// The INI parser of the core must answer as the private-profile functions do: for every file of
// tests/data/ini (and the demo disc's), every section and key that occur in it, their case and
// blank variants and absent ones, GetPrivateProfileStringA, the whole-section reader and the
// parser give the same text.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(IniEquivalence, ParserAndSectionReaderAnswerAsGetPrivateProfileString) {
    const std::vector<std::string> files = IniFiles();
    ASSERT_GE(files.size(), 20u);
    size_t probed = 0;
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        std::optional<IniDocument> document = IniDocument::FromFile(path);
        ASSERT_TRUE(document);
        const PrivateProfileReader reader(path);
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
                    const std::optional<std::string> expected = ReadString(path, section, key);
                    EXPECT_EQ(parsed.Find(key), expected);
                    // The whole-section read leaves comment lines out; nothing reads such keys.
                    const std::string_view trimmed = TrimIniBlanks(key);
                    if (trimmed.empty() || trimmed.front() != ';') {
                        EXPECT_EQ(read.Find(key), expected);
                    }
                    ++probed;
                }
            }
        }
    }
    // The table is large: a file list that went missing must not pass unnoticed.
    EXPECT_GT(probed, 1000u);
}

TEST(IniEquivalence, ReaderOfAMissingFileHasNoSections) {
    const PrivateProfileReader reader(DataFolder() + "no-such-file.ini");
    EXPECT_TRUE(reader.Section("Screen Main").entries().empty());
    EXPECT_FALSE(IniDocument::FromFile(DataFolder() + "no-such-file.ini"));
}

}  // namespace
}  // namespace lumora::testing
