// Reading Lumora.ini from a file: the one part of the INI document that needs a file system, so
// that a front end without one (the page in the browser) leaves it out.
#include <filesystem>
#include <fstream>

#include "config/ini_document.h"

namespace lumora {

std::optional<IniDocument> IniDocument::FromFile(const std::string& path, int codePage) {
    // Asked before opening: opening a FIFO waits for a writer, and a device never ends.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text;
    char chunk[64 * 1024];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<size_t>(in.gcount()));
        if (text.size() > kMaxIniFileSize) {
            return std::nullopt;
        }
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return IniDocument(text, codePage);
}

}  // namespace lumora
