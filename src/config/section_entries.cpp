#include "config/section_entries.h"

#include <cstring>

namespace lumora {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

// The written value up to a zero byte: the private-profile reader sees C strings.
std::string_view UpToZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

bool IsQuoted(std::string_view value) {
    return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

}  // namespace

bool IsIniBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view TrimIniBlanks(std::string_view text) {
    while (!text.empty() && IsIniBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsIniBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameIniName(std::string_view a, std::string_view b) {
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

std::string IniNameKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        c = Lower(c);
    }
    return key;
}

std::optional<std::string> ReadableValue(std::string_view written) {
    std::string_view value = UpToZero(written);
    if (IsQuoted(value)) {
        std::string_view inner = value.substr(1, value.size() - 2);
        // The reader copies 511 characters after the opening quote and drops the last one
        // only when the closing quote was among them or just after them.
        if (inner.size() == kMaxValueLength) {
            inner.remove_suffix(1);
        }
        value = inner;
    }
    value = value.substr(0, kMaxValueLength);
    if (value.empty()) {
        return std::nullopt;
    }
    return std::string(value);
}

bool ValueIsCut(std::string_view written) {
    std::string_view value = UpToZero(written);
    size_t held = IsQuoted(value) ? value.size() - 2 : value.size();
    std::optional<std::string> read = ReadableValue(written);
    return (read ? read->size() : 0) < held;
}

SectionEntries::SectionEntries(const char* data, size_t size) {
    size_t at = 0;
    while (at < size && data[at] != '\0') {
        const char* end = static_cast<const char*>(std::memchr(data + at, '\0', size - at));
        size_t length = end ? static_cast<size_t>(end - (data + at)) : size - at;
        const std::string_view line(data + at, length);
        const size_t equals = line.find('=');
        IniEntry entry;
        entry.name = std::string(TrimIniBlanks(line.substr(0, equals)));
        if (equals != std::string_view::npos) {
            entry.value = std::string(TrimIniBlanks(line.substr(equals + 1)));
        }
        entries_.push_back(std::move(entry));
        at += length + 1;
    }
}

const IniEntry* SectionEntries::FindEntry(std::string_view key) const {
    const std::string_view wanted = TrimIniBlanks(key);
    for (const IniEntry& entry : entries_) {
        if (SameIniName(entry.name, wanted)) {
            return &entry;
        }
    }
    return nullptr;
}

std::optional<std::string> SectionEntries::Find(std::string_view key) const {
    const IniEntry* entry = FindEntry(key);
    if (!entry || !entry->value) {
        return std::nullopt;
    }
    return ReadableValue(*entry->value);
}

int SectionEntries::FindInt(std::string_view key) const {
    std::optional<std::string> text = Find(key);
    return text ? ParseDecimal(*text) : kSettingAbsent;
}

std::optional<StringList> SectionEntries::FindList(std::string_view key) const {
    std::optional<std::string> text = Find(key);
    if (!text) {
        return std::nullopt;
    }
    return SplitList(*text);
}

}  // namespace lumora
