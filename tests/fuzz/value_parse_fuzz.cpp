// INI value parsing and path macros against plain models of their rules: decimal conversion,
// '|' lists, points, and the macro expander with made-up folders. The expander must end, keep its
// output bounded and, while no folder text holds a percent sign, give exactly what one pass from
// left to right gives, asking for the system and Windows folders only for the macros it expands.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/value_parse.h"
#include "fuzz/fuzz_check.h"

namespace {

using lumora::MacroFolders;

// Mirrors the expander's own limits, which are part of its contract.
constexpr int kMaxExpansions = 64;
constexpr size_t kMaxExpandedLength = 4096;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Decimal conversion written out from its description: blanks, one sign, digits; clamped.
int ModelDecimal(const std::string& text) {
    size_t i = text.find_first_not_of(" \t\n\r\v\f");
    if (i == std::string::npos) {
        return 0;
    }
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') {
        ++i;
    }
    while (i < text.size() && text[i] == '0') {
        ++i;
    }
    std::string digits;
    while (i < text.size() && IsDigit(text[i])) {
        digits += text[i++];
    }
    if (digits.size() > 10) {
        return negative ? INT_MIN : INT_MAX;
    }
    const long long magnitude = digits.empty() ? 0 : std::stoll(digits);
    const long long value = negative ? -magnitude : magnitude;
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

void CheckNumbersAndLists(const std::string& text) {
    const int value = lumora::ParseDecimal(text);
    FUZZ_CHECK(value == ModelDecimal(text));
    FUZZ_CHECK(lumora::ParseDecimal(text + "x") == value);

    const std::vector<std::string> elements = lumora::SplitList(text);
    std::string joined;
    size_t bars = 0;
    for (size_t i = 0; i < elements.size(); ++i) {
        FUZZ_CHECK(elements[i].find('|') == std::string::npos);
        joined += (i ? "|" : "") + elements[i];
    }
    for (char c : text) {
        bars += c == '|';
    }
    FUZZ_CHECK(elements.size() == bars + 1);
    FUZZ_CHECK(joined == text);

    const lumora::Point point = lumora::ParsePoint(text);
    const size_t comma = text.find(',');
    FUZZ_CHECK(point.x == value);
    FUZZ_CHECK(point.y ==
               (comma == std::string::npos ? value : ModelDecimal(text.substr(comma + 1))));

    std::string withBackslash = text;
    lumora::AppendBackslash(withBackslash);
    FUZZ_CHECK(withBackslash == text || withBackslash == text + "\\");
    FUZZ_CHECK(withBackslash.back() == '\\');
    std::string again = withBackslash;
    lumora::AppendBackslash(again);
    FUZZ_CHECK(again == withBackslash);
}

struct Folders {
    std::string program;
    bool hasInstall = false;
    std::vector<std::string> install;
    std::string system;
    std::string windows;
};

struct ModelResult {
    std::string path;
    int systemAsks = 0;
    int windowsAsks = 0;
};

// One pass from left to right, valid while no folder text holds a percent sign and no macro
// follows a percent sign left in place: then an expansion never forms a new macro, and searching
// again from the start finds what comes next. Nothing when it is not valid.
std::optional<ModelResult> ModelExpand(const std::string& input, const Folders& f) {
    ModelResult result;
    if (input.size() > kMaxExpandedLength) {
        result.path = input;
        return result;
    }
    std::string out;
    int expansions = 0;
    size_t i = 0;
    while (i < input.size()) {
        const char c = input[i];
        const char letter = i + 1 < input.size() ? input[i + 1] : '\0';
        std::string text;
        bool usable = c == '%';
        switch (usable ? letter : '\0') {
            case 'r':
                usable = !f.program.empty();
                text = f.program;
                break;
            case 'd':
                usable = !f.program.empty();
                text = f.program.substr(0, 3);
                break;
            case 'i':
                usable = f.hasInstall && !f.install.empty();
                text = usable ? f.install[0] : "";
                break;
            case 's':
                text = f.system;
                ++result.systemAsks;
                break;
            case 'w':
                text = f.windows;
                ++result.windowsAsks;
                break;
            default:
                usable = false;
        }
        if (!usable) {
            out += c;
            ++i;
            continue;
        }
        if (!out.empty() && out.back() == '%') {
            return std::nullopt;  // "%%r": the expansion gives the first percent sign a letter
        }
        out += text;
        if ((letter == 's' || letter == 'w') && (out.empty() || out.back() != '\\')) {
            out += '\\';
        }
        i += 2;
        if (i < input.size() && input[i] == '\\') {
            ++i;
        }
        // The expander stops after its last expansion, or once the text has grown too long.
        if (++expansions == kMaxExpansions ||
            out.size() + (input.size() - i) > kMaxExpandedLength) {
            out += input.substr(i);
            break;
        }
    }
    result.path = out;
    return result;
}

void CheckMacros(FuzzedDataProvider& provider) {
    Folders f;
    f.program = provider.ConsumeRandomLengthString(40);
    f.hasInstall = provider.ConsumeBool();
    if (f.hasInstall && provider.ConsumeBool()) {
        f.install.push_back(provider.ConsumeRandomLengthString(40));
    }
    f.system = provider.ConsumeRandomLengthString(40);
    f.windows = provider.ConsumeRandomLengthString(40);
    const std::string input = provider.ConsumeRemainingBytesAsString();

    int systemAsks = 0, windowsAsks = 0;
    MacroFolders folders;
    folders.programDirectory = f.program;
    folders.install = f.hasInstall ? &f.install : nullptr;
    folders.systemDirectory = [&] {
        ++systemAsks;
        return f.system;
    };
    folders.windowsDirectory = [&] {
        ++windowsAsks;
        return f.windows;
    };
    std::string path = input;
    lumora::ExpandPathMacros(path, folders);

    // Bounded: each of at most 64 expansions adds at most one folder and a backslash less the
    // two macro characters, and none starts once the text is past the length limit.
    size_t longest = 0;
    for (const std::string* text : {&f.program, &f.system, &f.windows}) {
        longest = std::max(longest, text->size());
    }
    if (!f.install.empty()) {
        longest = std::max(longest, f.install[0].size());
    }
    FUZZ_CHECK(path.size() <= input.size() + kMaxExpansions * longest);
    FUZZ_CHECK(path.size() <= std::max(input.size(), kMaxExpandedLength + longest));
    FUZZ_CHECK(systemAsks + windowsAsks <= kMaxExpansions);
    if (input.find('%') == std::string::npos || input.size() > kMaxExpandedLength) {
        FUZZ_CHECK(path == input);
    }

    const bool plainFolders = (f.program + f.system + f.windows).find('%') == std::string::npos &&
                              (f.install.empty() || f.install[0].find('%') == std::string::npos);
    if (!plainFolders) {
        return;
    }
    const std::optional<ModelResult> model = ModelExpand(input, f);
    if (!model) {
        return;
    }
    FUZZ_CHECK(path == model->path);
    FUZZ_CHECK(systemAsks == model->systemAsks);
    FUZZ_CHECK(windowsAsks == model->windowsAsks);
    // With a program folder, a text whose only macros are a few %r keeps none of them.
    size_t percents = 0, programMacros = 0;
    for (size_t i = 0; i < input.size(); ++i) {
        percents += input[i] == '%';
        programMacros += input.compare(i, 2, "%r") == 0;
    }
    if (!f.program.empty() && percents == programMacros && programMacros <= kMaxExpansions &&
        input.size() + programMacros * f.program.size() <= kMaxExpandedLength) {
        FUZZ_CHECK(path.find('%') == std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 8192) {
        return 0;
    }
    FuzzedDataProvider provider(data, size);
    if (provider.ConsumeBool()) {
        CheckNumbersAndLists(provider.ConsumeRemainingBytesAsString());
    } else {
        CheckMacros(provider);
    }
    return 0;
}
