#include "config/section_entries.h"

#include <cstring>

namespace lumora {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
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

}  // namespace

SectionEntries::SectionEntries(const char* data, size_t size) {
    size_t at = 0;
    while (at < size && data[at] != '\0') {
        const char* end = static_cast<const char*>(std::memchr(data + at, '\0', size - at));
        size_t length = end ? static_cast<size_t>(end - (data + at)) : size - at;
        entries_.emplace_back(data + at, length);
        at += length + 1;
    }
}

std::optional<std::string> SectionEntries::Find(std::string_view key) const {
    const std::string_view wanted = Trim(key);
    for (const std::string& entry : entries_) {
        const std::string_view line(entry);
        const size_t equals = line.find('=');
        const std::string_view name = Trim(line.substr(0, equals));
        if (!EqualIgnoringCase(name, wanted)) {
            continue;
        }
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        std::string_view value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        if (value.empty()) {
            return std::nullopt;
        }
        return std::string(value.substr(0, kMaxValueLength));
    }
    return std::nullopt;
}

}  // namespace lumora
