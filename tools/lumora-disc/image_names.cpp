#include "image_names.h"

#include <cstdio>

#include "config/code_page.h"
#include "config/section_entries.h"

namespace lumora::disc {

namespace {

// Joliet forbids these and control characters; the image then holds '_' instead.
constexpr char kJolietReplaced[] = "*/:;?\\";
// Windows opens no file whose name holds one of these.
constexpr char kWindowsRefused[] = "\"<>|";

// Names that Windows takes for a device, with any extension.
bool IsDeviceName(const std::string& name) {
    const std::string stem = name.substr(0, name.find('.'));
    for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
        if (SameIniName(stem, device)) {
            return true;
        }
    }
    for (const char* device : {"COM", "LPT"}) {
        if (stem.size() == 4 && SameIniName(stem.substr(0, 3), device) && stem[3] >= '1' &&
            stem[3] <= '9') {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<std::string> ImageNameProblem(const std::string& name) {
    for (size_t at = 0, length = 0; at < name.size(); at += length) {
        length = DecodeUtf8(name, at);
        if (length == 0) {
            return "has a name that is not UTF-8 text, so the image holds other characters than "
                   "the ones written";
        }
    }
    std::string replaced;
    for (const char c : name) {
        const bool control = static_cast<unsigned char>(c) < 0x20;
        if (control || std::string_view(kJolietReplaced).find(c) != std::string_view::npos) {
            replaced += replaced.empty() ? "" : " ";
            if (control) {
                char code[8];
                std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(c));
                replaced += code;
            } else {
                replaced += std::string("'") + c + "'";
            }
        }
    }
    if (!replaced.empty()) {
        return "has " + replaced +
               " in its name, which the image (Joliet) cannot hold: Windows "
               "would see '_' instead";
    }
    for (const char c : name) {
        if (std::string_view(kWindowsRefused).find(c) != std::string_view::npos) {
            return std::string("has '") + c + "' in its name: Windows opens no such file";
        }
    }
    if (name.back() == '.' || name.back() == ' ') {
        return "ends in a dot or blank, which Windows drops, so it opens another name";
    }
    if (IsDeviceName(name)) {
        return "is a name that Windows takes for a device, not a file";
    }
    const size_t length = Utf8ToUtf16(name).size();
    if (length > kMaxImageNameLength) {
        return "has a name of " + std::to_string(length) + " characters; the image holds " +
               std::to_string(kMaxImageNameLength) + " and cuts the rest (Joliet, long names)";
    }
    return std::nullopt;
}

std::string ShownName(const std::string& name) {
    std::string shown;
    for (size_t at = 0; at < name.size();) {
        const size_t length = DecodeUtf8(name, at);
        if (length == 0) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X",
                          static_cast<unsigned>(static_cast<unsigned char>(name[at])));
            shown += code;
            ++at;
        } else {
            shown.append(name, at, length);
            at += length;
        }
    }
    return shown;
}

}  // namespace lumora::disc
