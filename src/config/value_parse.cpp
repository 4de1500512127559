#include "config/value_parse.h"

#include <cstdint>

namespace lumora {

namespace {

bool IsDecimalBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsSlash(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

int ParseDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsDecimalBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate in 64 bits and clamp, so that an over-long number cannot overflow.
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > int64_t{INT_MAX} + 1) {
            value = int64_t{INT_MAX} + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

bool DecimalReadsWhole(std::string_view text) {
    while (!text.empty() && IsDecimalBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsDecimalBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
        if (value > INT_MAX) {
            return false;  // clamped, or the lowest int, which reads like a missing key
        }
    }
    return true;
}

bool PointReadsWhole(std::string_view text) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return DecimalReadsWhole(text);
    }
    return DecimalReadsWhole(text.substr(0, comma)) && DecimalReadsWhole(text.substr(comma + 1));
}

bool DependsOnCurrentFolder(std::string_view path) {
    if (path.empty()) {
        return false;
    }
    const bool fromDrive = path.size() >= 3 && path[1] == ':' && IsSlash(path[2]);
    const bool network = path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1]);
    return !fromDrive && !network;
}

std::vector<std::string> SplitList(std::string_view text) {
    std::vector<std::string> elements;
    size_t start = 0;
    for (;;) {
        size_t bar = text.find('|', start);
        if (bar == std::string_view::npos) {
            elements.emplace_back(text.substr(start));
            return elements;
        }
        elements.emplace_back(text.substr(start, bar - start));
        start = bar + 1;
    }
}

Point ParsePoint(std::string_view text) {
    Point point;
    point.x = ParseDecimal(text);
    size_t comma = text.find(',');
    point.y = comma == std::string_view::npos ? point.x : ParseDecimal(text.substr(comma + 1));
    return point;
}

void AppendBackslash(std::string& path) {
    if (path.empty() || path.back() != '\\') {
        path += '\\';
    }
}

namespace {

// An expansion may insert text that holds macros again (an Install element with a percent sign,
// even "%i" itself); these limits make sure that such a value cannot expand for ever.
constexpr int kMaxExpansions = 64;
constexpr size_t kMaxExpandedLength = 4096;

// The text a macro letter stands for, or false when the letter is no macro or cannot be used
// (no program folder for %r and %d, no Install list for %i).
bool MacroText(char letter, const MacroFolders& folders, std::string& text) {
    switch (letter) {
        case 'r':
        case 'd':
            if (folders.programDirectory.empty()) {
                return false;
            }
            text = letter == 'r' ? folders.programDirectory : folders.programDirectory.substr(0, 3);
            return true;
        case 'i':
            if (!folders.install || folders.install->empty()) {
                return false;
            }
            text = folders.install->front();
            return true;
        case 's':
            text = folders.systemDirectory ? folders.systemDirectory() : std::string();
            return true;
        case 'w':
            text = folders.windowsDirectory ? folders.windowsDirectory() : std::string();
            return true;
        default:
            return false;
    }
}

}  // namespace

void ExpandPathMacros(std::string& path, const MacroFolders& folders) {
    // A percent sign that is no usable macro is left in place and the search goes on after it.
    // After every expansion the search starts again at the beginning, so that a macro formed by
    // inserted text is found too; the limits end a value that keeps producing macros.
    size_t from = 0;
    for (int expansions = 0; expansions < kMaxExpansions && path.size() <= kMaxExpandedLength;) {
        size_t percent = path.find('%', from);
        if (percent == std::string::npos || percent + 1 >= path.size()) {
            return;
        }
        char letter = path[percent + 1];
        std::string replacement;
        if (!MacroText(letter, folders, replacement)) {
            from = percent + 1;
            continue;
        }
        std::string rest = path.substr(percent + 2);
        if (!rest.empty() && rest.front() == '\\') {
            rest.erase(0, 1);
        }
        std::string expanded = path.substr(0, percent) + replacement;
        // The system and Windows folders are always joined to the rest by one backslash.
        if (letter == 's' || letter == 'w') {
            AppendBackslash(expanded);
        }
        path = expanded + rest;
        from = 0;
        ++expansions;
    }
}

}  // namespace lumora
