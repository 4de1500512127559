#include "config/ini_document.h"

#include <fstream>
#include <iterator>

namespace lumora {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Names are C strings to the private-profile functions: a zero byte ends them.
std::string NameUpToZero(std::string_view name) {
    return std::string(name.substr(0, name.find('\0')));
}

// A section header: '[' first, then a ']' somewhere after it; the name is what lies between the
// '[' and the last ']'.
std::optional<std::string> HeaderName(std::string_view line) {
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const size_t close = line.rfind(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return NameUpToZero(TrimIniBlanks(line.substr(1, close - 1)));
}

IniEntry ParseEntry(std::string_view line, int number) {
    IniEntry entry;
    entry.line = number;
    const size_t equals = line.find('=');
    entry.name = NameUpToZero(TrimIniBlanks(line.substr(0, equals)));
    if (equals != std::string_view::npos) {
        entry.value = std::string(TrimIniBlanks(line.substr(equals + 1)));
    }
    return entry;
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }
    std::vector<IniEntry> entries;
    std::string name;
    int headerLine = 0;
    auto closeSection = [&] {
        sections_.push_back(IniSection{name, SectionEntries(std::move(entries), headerLine)});
        entries.clear();
    };
    int number = 0;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find_first_of("\r\n", at);
        const std::string_view raw =
            text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        ++number;
        at = end == std::string_view::npos ? text.size() : end + 1;
        // CR LF is one line end.
        if (end != std::string_view::npos && text[end] == '\r' && at < text.size() &&
            text[at] == '\n') {
            ++at;
        }
        const std::string_view line = TrimIniBlanks(raw);
        if (line.empty()) {
            continue;
        }
        if (std::optional<std::string> header = HeaderName(line)) {
            closeSection();
            name = std::move(*header);
            headerLine = number;
            continue;
        }
        entries.push_back(ParseEntry(line, number));
    }
    closeSection();
}

std::optional<IniDocument> IniDocument::FromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return IniDocument(text);
}

const IniSection* IniDocument::FindSection(std::string_view name) const {
    const std::string_view wanted = TrimIniBlanks(name);
    for (const IniSection& section : sections_) {
        if (SameIniName(section.name, wanted)) {
            return &section;
        }
    }
    return nullptr;
}

SectionEntries IniDocument::Section(const std::string& name) const {
    const IniSection* section = FindSection(name);
    return section ? section->entries : SectionEntries();
}

}  // namespace lumora
