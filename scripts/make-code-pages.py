#!/usr/bin/env python3
"""Writes src/config/code_page_tables.cpp: for the ANSI code pages 1250 to 1258, the character of
each byte from 0x80 up, and the characters outside the code page that the system writes as a
similar one of it (its best fit, such as 'L' for U+0141) when it turns text into the code page.
The figures are read from the code page files of Wine (Debian: wine, /usr/share/wine/nls), whose
answers the Win32 tests compare the portable INI reader with. Run it by hand; its output is kept
in the repository."""
import os
import struct
import sys

NLS = "/usr/share/wine/nls/c_%d.nls"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "config",
                   "code_page_tables.cpp")
CODE_PAGES = range(1250, 1259)


def read_tables(code_page):
    data = open(NLS % code_page, "rb").read()
    header = struct.unpack_from("<13H", data, 0)
    if header[1] != code_page or header[2] != 1:
        sys.exit("%s: not a single-byte table of code page %d" % (NLS % code_page, code_page))
    default = header[3]
    at = header[0] * 2
    to_wide_end = struct.unpack_from("<H", data, at)[0]
    to_unicode = struct.unpack_from("<256H", data, at + 2)
    to_bytes = data[at + 2 * to_wide_end + 2:][:65536]
    exact = {to_unicode[b]: b for b in range(256)}
    best_fit = [(u, to_bytes[u]) for u in range(0x80, 65536)
                if u not in exact and to_bytes[u] != default]
    return to_unicode[0x80:], best_fit


def rows(items, per_row):
    return [", ".join(items[i:i + per_row]) for i in range(0, len(items), per_row)]


def main():
    out = ["// Written by scripts/make-code-pages.py from the code page files of Wine; do not edit.",
           '#include "config/code_page_tables.h"', "", "namespace lumora::detail {", "",
           "namespace {", "", "// clang-format off"]
    entries = []
    for code_page in CODE_PAGES:
        to_unicode, best_fit = read_tables(code_page)
        out.append("constexpr uint16_t kToUnicode%d[128] = {" % code_page)
        out += ["    %s," % row for row in rows(["0x%04X" % u for u in to_unicode], 10)]
        out.append("};")
        out.append("constexpr BestFit kBestFit%d[] = {" % code_page)
        out += ["    %s," % row
                for row in rows(["{0x%04X, 0x%02X}" % pair for pair in best_fit], 5)]
        out += ["};", ""]
        entries.append("    {%d, kToUnicode%d, kBestFit%d, sizeof kBestFit%d / sizeof(BestFit)},"
                       % ((code_page,) * 4))
    out += ["// clang-format on", "", "}  // namespace", "", "const CodePageTable kCodePageTables[] = {"] + entries + [
        "};", "const size_t kCodePageTableCount = sizeof kCodePageTables / sizeof(CodePageTable);",
        "", "}  // namespace lumora::detail", ""]
    with open(OUT, "w") as f:
        f.write("\n".join(out))


main()
