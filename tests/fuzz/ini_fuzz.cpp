// The INI parser against a model of the private-profile rules written character by character:
// a file with a UTF-8 or UTF-16 byte order mark is its text in code page 1252, and its
// characters each become one byte; lines end at LF, CR or CR LF; blanks around a line, a name
// or a value do not count; '[' with a ']' after it starts a section named by what lies between
// the '[' and the last ']'; any other line is an entry, without a value when it has no '='; a
// zero byte ends a name or value and the blanks before it go, and a line with neither name nor
// '=' is nothing. A read finds the first section of
// that name and in it the first key of that name, letter case ignored; its value loses
// enclosing quotes and ends at 511 characters, and an empty one is none. Every section and entry
// is compared, with its line, and every key is read through the document and through the
// whole-section form that lumora.exe reads, which answer alike.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/code_page.h"
#include "config/ini_document.h"
#include "fuzz/fuzz_check.h"

namespace {

using lumora::IniDocument;
using lumora::kMaxValueLength;
using lumora::SectionEntries;

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 26;
}

std::string Trim(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && Blank(text[first])) {
        ++first;
    }
    while (last > first && Blank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

std::string UpToZero(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

struct ModelEntry {
    std::string name;
    bool hasValue = false;
    std::string value;
    int line = 0;
};

struct ModelSection {
    std::string name;
    int line = 0;
    std::vector<ModelEntry> entries;
};

// The file's text in code page 1252: each UTF-16 unit one byte.
std::string Decoded(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        const std::u16string units = lumora::Utf8ToUtf16(text.substr(3));
        const std::string decoded = lumora::Utf16ToCodePage(units, 1252);
        FUZZ_CHECK(decoded.size() == units.size());
        return decoded;
    }
    const bool little = text.substr(0, 2) == "\xFF\xFE", big = text.substr(0, 2) == "\xFE\xFF";
    if (!little && !big) {
        return std::string(text);
    }
    std::u16string units;
    for (size_t i = 2; i + 1 < text.size(); i += 2) {
        const auto a = static_cast<unsigned char>(text[i]);
        const auto b = static_cast<unsigned char>(text[i + 1]);
        units += static_cast<char16_t>(big ? a * 256 + b : b * 256 + a);
    }
    const std::string decoded = lumora::Utf16ToCodePage(units, 1252);
    FUZZ_CHECK(decoded.size() == units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        FUZZ_CHECK(units[i] >= 0x80 || decoded[i] == static_cast<char>(units[i]));
    }
    return decoded;
}

// The file cut into lines one character at a time.
std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += c;
            open = true;
        }
    }
    if (open) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<ModelSection> Model(std::string_view text) {
    std::vector<ModelSection> sections(1);
    const std::vector<std::string> lines = Lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = int(i) + 1;
        const std::string line = Trim(lines[i]);
        if (line.empty()) {
            continue;
        }
        size_t close = std::string::npos;
        for (size_t at = 1; line[0] == '[' && at < line.size(); ++at) {
            if (line[at] == ']') {
                close = at;
            }
        }
        if (close != std::string::npos) {
            sections.push_back({UpToZero(Trim(line.substr(1, close - 1))), number, {}});
            continue;
        }
        ModelEntry entry;
        entry.line = number;
        const size_t equals = line.find('=');
        entry.name = Trim(UpToZero(line.substr(0, equals)));
        if (equals != std::string::npos) {
            entry.hasValue = true;
            entry.value = Trim(UpToZero(line.substr(equals + 1)));
        }
        if (!entry.name.empty() || entry.hasValue) {  // else a zero byte first: no key
            sections.back().entries.push_back(entry);
        }
    }
    return sections;
}

std::optional<std::string> ModelRead(const std::vector<ModelSection>& sections,
                                     const std::string& sectionName, const std::string& key) {
    for (const ModelSection& section : sections) {
        if (!SameName(section.name, Trim(sectionName))) {
            continue;
        }
        for (const ModelEntry& entry : section.entries) {
            if (!SameName(entry.name, Trim(key))) {
                continue;
            }
            if (!entry.hasValue) {
                return std::nullopt;
            }
            std::string value = entry.value;
            const bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
                                value.back() == value[0];
            if (quoted) {
                // The reader takes 511 characters after the opening quote, then drops the
                // closing one only if it was among them.
                value = value.substr(1, value.size() - 2);
                if (value.size() == kMaxValueLength) {
                    value.pop_back();
                }
            }
            if (value.size() > kMaxValueLength) {
                value.resize(kMaxValueLength);
            }
            return value.empty() ? std::nullopt : std::optional<std::string>(value);
        }
        return std::nullopt;  // only the first section of that name is read
    }
    return std::nullopt;
}

std::string FlipCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = char(c - 32);
        } else if (c >= 'A' && c <= 'Z') {
            c = char(c + 32);
        }
    }
    return text;
}

// The section as the whole-section reader gives it: "key=value" strings each ended by a zero,
// comments left out, and a final zero.
std::string WholeSection(const SectionEntries& entries) {
    std::string data;
    for (const lumora::IniEntry& entry : entries.entries()) {
        if (!entry.IsComment()) {
            data += entry.name + (entry.value ? "=" + *entry.value : "") + '\0';
        }
    }
    return data + '\0';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 16384) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const IniDocument ini(text);
    const std::string decoded = Decoded(text);
    const std::vector<ModelSection> model = Model(decoded);

    // Entry by entry, with names, values and lines.
    FUZZ_CHECK(ini.sections().size() == model.size());
    for (size_t s = 0; s < model.size(); ++s) {
        const lumora::IniSection& section = ini.sections()[s];
        FUZZ_CHECK(section.name == model[s].name);
        FUZZ_CHECK(section.entries.line() == model[s].line);
        const std::vector<lumora::IniEntry>& entries = section.entries.entries();
        FUZZ_CHECK(entries.size() == model[s].entries.size());
        for (size_t e = 0; e < entries.size(); ++e) {
            const ModelEntry& expected = model[s].entries[e];
            FUZZ_CHECK(entries[e].name == expected.name);
            FUZZ_CHECK(entries[e].line == expected.line);
            FUZZ_CHECK(entries[e].value.has_value() == expected.hasValue);
            FUZZ_CHECK(!expected.hasValue || *entries[e].value == expected.value);
            FUZZ_CHECK(entries[e].IsComment() ==
                       (!expected.name.empty() && expected.name[0] == ';'));
        }
    }

    // The keys of the sections read as the loaders read them, and under other spellings. Each
    // read scans the file, so a large file has only its first sections and keys read.
    constexpr size_t kSectionsRead = 32, kKeysRead = 48;
    for (size_t s = 0; s < model.size() && s < kSectionsRead; ++s) {
        const ModelSection& section = model[s];
        const SectionEntries found = ini.Section(section.name);
        // Letter case and blanks around the name find the same first section.
        const lumora::IniSection* first = ini.FindSection(section.name);
        FUZZ_CHECK(ini.FindSection(FlipCase(section.name)) == first);
        FUZZ_CHECK(ini.FindSection(" " + section.name + "\t") == first);
        const std::string whole = WholeSection(found);
        const SectionEntries fromWhole(whole.data(), whole.size());
        for (size_t e = 0; e < section.entries.size() && e < kKeysRead; ++e) {
            const ModelEntry& entry = section.entries[e];
            const std::optional<std::string> value = found.Find(entry.name);
            FUZZ_CHECK(value == ModelRead(model, section.name, entry.name));
            FUZZ_CHECK(!value || (!value->empty() && value->size() <= kMaxValueLength));
            FUZZ_CHECK(found.Find(FlipCase(entry.name)) == value);
            FUZZ_CHECK(found.Find(entry.name + " ") == value);
            // The whole-section form answers alike for what it holds: no comments.
            if (entry.name.empty() || entry.name[0] != ';') {
                FUZZ_CHECK(fromWhole.Find(entry.name) == value);
            }
        }
    }
    FUZZ_CHECK(ini.FindSection(model[0].name) == &ini.sections()[0]);
    return 0;
}
