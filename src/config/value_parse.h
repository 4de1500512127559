// Parsing of INI values: decimal integers, '|' lists, points and path macros. Portable.
#pragma once

#include <climits>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// What the integer reader gives for a key that is missing or empty.
constexpr int kSettingAbsent = INT_MIN;

// Decimal conversion as the INI integers use it: leading blanks and one sign are accepted, the
// conversion stops at the first character that is not a digit, and a text that does not begin
// with a number gives 0. Values beyond the int range are clamped to it.
int ParseDecimal(std::string_view text);

// True when ParseDecimal reads the text as it looks: blanks around one number of an optional sign
// and digits, from -2147483647 to 2147483647 (the lowest int reads like a missing key). "0.6" and
// "12px" are read as 0 and 12, "" and "yes" as 0.
bool DecimalReadsWhole(std::string_view text);

// Splits a list value at every '|': empty pieces become empty elements, nothing is trimmed, and
// the result always has at least one element.
std::vector<std::string> SplitList(std::string_view text);

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point& other) const { return x == other.x && y == other.y; }
};

// "x,y"; y is read after the first comma, or from the start again when there is no comma.
Point ParsePoint(std::string_view text);

// True when ParsePoint reads the text as it looks: "x,y" of two such numbers, or one number for
// both ("15" is 15,15). "40 120" and "40;120" are read as 40,40, "1,2,3" as 1,2.
bool PointReadsWhole(std::string_view text);

// Appends one backslash unless the text already ends with one (an empty text gets one).
void AppendBackslash(std::string& path);

// The folders that the path macros stand for. The system and Windows folders are asked for only
// when a path uses them.
struct MacroFolders {
    std::string programDirectory;  // %r, and its first three characters for %d; empty: not usable
    const std::vector<std::string>* install = nullptr;  // element 0 is %i; null: no Install list
    std::function<std::string()> systemDirectory;       // %s
    std::function<std::string()> windowsDirectory;      // %w
};

// Expands %r, %d, %i, %s and %w in place, left to right, each time searching from the start.
// A percent sign followed by anything else, or by a macro that cannot be used (%i without an
// Install list, %r and %d without a program folder), stays as it is and the search goes on after
// it. An Install element that keeps producing macros ("%i") ends after 64 expansions.
void ExpandPathMacros(std::string& path, const MacroFolders& folders);

// True when an expanded path is looked up from the current folder, which is wherever the program
// happens to be started from: it has no drive ("C:\") and is no network path ("\\server\share").
// A path from the root of the current drive ("\art") and one on a drive's current folder
// ("C:art") count too.
bool DependsOnCurrentFolder(std::string_view path);

}  // namespace lumora
