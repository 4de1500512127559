// Text in the ANSI code pages that the INI file is read in (the 'A' functions' text) and the
// Unicode forms around it: UTF-16 files read as the system reads them, and UTF-8 for what the
// authors' kit writes for other programs. Portable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumora {

// The ANSI code page of a western Windows.
constexpr int kDefaultCodePage = 1252;

// True for the code pages converted here: 1250 to 1258.
bool IsKnownCodePage(int codePage);

// A character outside the code page becomes the byte of a similar one when the system has one
// (its best fit: 'L' for U+0141 in 1252), else '?'; each half of a surrogate pair becomes '?'.
// An unknown code page counts as 1252.
std::string Utf16ToCodePage(std::u16string_view units, int codePage);

// UTF-8 as UTF-16 units; each byte that begins no valid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// The length of the valid UTF-8 sequence that begins at text[at] (at < size), and its character
// when asked for; 0 when none begins there (overlong forms and surrogates are invalid).
size_t DecodeUtf8(std::string_view text, size_t at, uint32_t* character = nullptr);

// Text of the code page as UTF-8.
std::string CodePageToUtf8(std::string_view text, int codePage);

// One character as UTF-8.
void AppendUtf8(std::string& out, uint32_t character);

}  // namespace lumora
