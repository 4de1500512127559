#include "config/ini_document.h"

namespace lumora {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

// Names are C strings to the private-profile functions: a zero byte ends them.
std::string NameUpToZero(std::string_view name) {
    return std::string(name.substr(0, name.find('\0')));
}

// Names and values are kept as C strings, and the whole-section read that lumora.exe uses gives
// them with the blanks before a zero byte, which its reading of a "key=value" string removes.
std::string UpToZeroTrimmed(std::string_view text) {
    return std::string(TrimIniBlanks(text.substr(0, text.find('\0'))));
}

std::u16string Utf16Units(std::string_view bytes, bool bigEndian) {
    std::u16string units(bytes.size() / 2, u'\0');  // an odd last byte is no character
    for (size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return units;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
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
    entry.name = UpToZeroTrimmed(line.substr(0, equals));
    if (equals != std::string_view::npos) {
        entry.value = UpToZeroTrimmed(line.substr(equals + 1));
    }
    return entry;
}

}  // namespace

IniDocument::IniDocument(std::string_view text, int codePage) {
    // The system reads a file with a byte order mark as Unicode and gives its text in the ANSI
    // code page; a file without one is its bytes.
    if (StartsWith(text, kUtf8ByteOrderMark)) {
        Parse(Utf16ToCodePage(Utf8ToUtf16(text.substr(kUtf8ByteOrderMark.size())), codePage));
    } else if (StartsWith(text, kUtf16LittleEndianMark) || StartsWith(text, kUtf16BigEndianMark)) {
        const bool bigEndian = StartsWith(text, kUtf16BigEndianMark);
        Parse(Utf16ToCodePage(Utf16Units(text.substr(2), bigEndian), codePage));
    } else {
        Parse(text);
    }
    for (size_t i = 0; i < sections_.size(); ++i) {
        firstOfName_.emplace(IniNameKey(sections_[i].name), i);
    }
}

void IniDocument::Parse(std::string_view text) {
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
        IniEntry entry = ParseEntry(line, number);
        // A zero byte first and no '=': neither read sees a key there.
        if (!entry.name.empty() || entry.value) {
            entries.push_back(std::move(entry));
        }
    }
    closeSection();
}

const IniSection* IniDocument::FindSection(std::string_view name) const {
    const auto found = firstOfName_.find(IniNameKey(TrimIniBlanks(name)));
    return found != firstOfName_.end() ? &sections_[found->second] : nullptr;
}

SectionEntries IniDocument::Section(const std::string& name) const {
    const IniSection* section = FindSection(name);
    return section ? section->entries : SectionEntries();
}

}  // namespace lumora
