#include "config/code_page.h"

#include <algorithm>

#include "config/code_page_tables.h"

namespace lumora {
namespace {

const detail::CodePageTable& Table(int codePage) {
    const detail::CodePageTable* fallback = nullptr;
    for (size_t i = 0; i < detail::kCodePageTableCount; ++i) {
        const detail::CodePageTable& table = detail::kCodePageTables[i];
        if (table.codePage == codePage) {
            return table;
        }
        if (table.codePage == kDefaultCodePage) {
            fallback = &table;
        }
    }
    return *fallback;
}

char ToCodePage(char16_t unit, const detail::CodePageTable& table) {
    if (unit < 0x80) {
        return static_cast<char>(unit);
    }
    for (int i = 0; i < 128; ++i) {
        if (table.toUnicode[i] == unit) {
            return static_cast<char>(0x80 + i);
        }
    }
    const detail::BestFit* end = table.bestFit + table.bestFitCount;
    const detail::BestFit* fit = std::lower_bound(
        table.bestFit, end, unit,
        [](const detail::BestFit& entry, char16_t wanted) { return entry.unit < wanted; });
    return fit != end && fit->unit == unit ? static_cast<char>(fit->byte) : '?';
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

}  // namespace

bool IsKnownCodePage(int codePage) {
    for (size_t i = 0; i < detail::kCodePageTableCount; ++i) {
        if (detail::kCodePageTables[i].codePage == codePage) {
            return true;
        }
    }
    return false;
}

std::string Utf16ToCodePage(std::u16string_view units, int codePage) {
    const detail::CodePageTable& table = Table(codePage);
    std::string out;
    out.reserve(units.size());
    for (const char16_t unit : units) {
        out += ToCodePage(unit, table);
    }
    return out;
}

size_t DecodeUtf8(std::string_view text, size_t at, uint32_t* character) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    uint32_t least = 0;  // the smallest character of that length: longer forms are invalid
    if (lead < 0x80) {
        length = 1, least = 0;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - at < length) {
        return 0;
    }
    uint32_t decoded = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if (!IsContinuation(byte(i))) {
            return 0;
        }
        decoded = (decoded << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = decoded >= 0xD800 && decoded <= 0xDFFF;
    if (decoded < least || decoded > 0x10FFFF || surrogate) {
        return 0;
    }
    if (character) {
        *character = decoded;
    }
    return length;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        uint32_t character = 0;
        const size_t length = DecodeUtf8(text, at, &character);
        if (length == 0) {
            out += u'\uFFFD';
            ++at;
            continue;
        }
        if (character >= 0x10000) {
            character -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (character >> 10));
            out += static_cast<char16_t>(0xDC00 + (character & 0x3FF));
        } else {
            out += static_cast<char16_t>(character);
        }
        at += length;
    }
    return out;
}

void AppendUtf8(std::string& out, uint32_t character) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (character >> 18));
        out += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

std::string CodePageToUtf8(std::string_view text, int codePage) {
    const detail::CodePageTable& table = Table(codePage);
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        AppendUtf8(out, byte < 0x80 ? byte : table.toUnicode[byte - 0x80]);
    }
    return out;
}

}  // namespace lumora
