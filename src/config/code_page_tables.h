// The tables of the ANSI code pages that code_page.cpp converts with (written by
// scripts/make-code-pages.py). Portable.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumora::detail {

// A character outside the code page and the byte of the similar one the system writes for it.
struct BestFit {
    uint16_t unit;
    uint8_t byte;
};

struct CodePageTable {
    int codePage;
    const uint16_t* toUnicode;  // the character of each byte from 0x80 to 0xFF
    const BestFit* bestFit;     // in the order of their characters
    size_t bestFitCount;
};

extern const CodePageTable kCodePageTables[];
extern const size_t kCodePageTableCount;

}  // namespace lumora::detail
