#include "disc_files.h"

#include <system_error>

#include "actions/help.h"
#include "config/section_entries.h"
#include "config/string_table.h"
#include "disc_paths.h"
#include "resource.h"

namespace lumora::disc {

namespace {

// True when path is root or lies below it (both canonical).
bool Inside(const std::filesystem::path& path, const std::filesystem::path& root) {
    auto at = path.begin();
    for (const auto& part : root) {
        if (at == path.end() || *at != part) {
            return false;
        }
        ++at;
    }
    return true;
}

}  // namespace

DiscEntry ClassifyDiscEntry(const std::filesystem::path& path, const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    DiscEntry entry;
    entry.path = path;
    std::error_code error;
    const fs::file_status own = fs::symlink_status(path, error);
    if (error || own.type() == fs::file_type::not_found) {
        return entry;
    }
    fs::file_status status = own;
    entry.source = path;
    if (fs::is_symlink(own)) {
        entry.source = fs::canonical(path, error);
        if (error || !Inside(entry.source, root)) {
            entry.kind = DiscEntryKind::kLinkOutside;
            return entry;
        }
        status = fs::status(entry.source, error);
        if (fs::is_directory(status)) {
            entry.kind = DiscEntryKind::kFolderLink;
            return entry;
        }
    }
    entry.kind = fs::is_regular_file(status) ? DiscEntryKind::kFile
                 : fs::is_directory(status)  ? DiscEntryKind::kFolder
                                             : DiscEntryKind::kSpecial;
    return entry;
}

std::string DiscFaultText(const DiscEntry& entry) {
    namespace fs = std::filesystem;
    std::error_code error;
    switch (entry.kind) {
        case DiscEntryKind::kLinkOutside: {
            const fs::path target = fs::read_symlink(entry.path, error);
            return fs::exists(entry.path, error)
                       ? "is a link that leads out of the disc folder (to '" + target.string() +
                             "'): the image cannot hold it; copy what it names into the disc folder"
                       : "is a link to nothing ('" + target.string() + "')";
        }
        case DiscEntryKind::kFolderLink:
            return "is a link to a folder: the image would hold a link, which Windows does not "
                   "see; put the folder itself there";
        case DiscEntryKind::kSpecial: {
            const fs::file_type type = fs::status(entry.path, error).type();
            const std::string what =
                type == fs::file_type::fifo     ? "a FIFO"
                : type == fs::file_type::socket ? "a socket"
                : type == fs::file_type::block || type == fs::file_type::character
                    ? "a device"
                    : "not a regular file";
            return "is " + what + ", not a file that an image can hold";
        }
        default:
            return "is no file of the disc";
    }
}

DiscFiles::DiscFiles(std::filesystem::path folder, int codePage)
    : folder_(std::move(folder)), codePage_(codePage) {
    std::error_code error;
    root_ = std::filesystem::canonical(folder_, error);
}

std::string DiscFiles::Root() {
    return DiscRoot();
}

void DiscFiles::Expand(std::string& path, const StringList* install) const {
    ExpandDiscPath(path, install);
}

bool DiscFiles::OnDisc(const std::string& expanded) const {
    return disc::OnDisc(expanded);
}

std::string DiscFiles::Shown(const std::string& expanded) const {
    return ShownPath(expanded);
}

bool DiscFiles::ComesWithLumora(const std::string& expanded) const {
    if (!OnDisc(expanded)) {
        return false;
    }
    const std::string rest = ShownPath(expanded);
    const size_t begin = rest.find_first_not_of("\\/");
    if (begin == std::string::npos || rest.find_first_of("\\/", begin) != std::string::npos) {
        return false;  // the root itself, or a file in a folder
    }
    const std::string name = rest.substr(begin);
    return SameIniName(name, kLauncherFile) || SameIniName(name, kHelpProgram) ||
           SameIniName(name, kAutorunFile);
}

DiscEntry DiscFiles::Look(const std::string& expanded) const {
    DiscEntry entry;
    entry.shown = Shown(expanded);
    const auto names = DiscPathNames(expanded);
    if (!names || root_.empty()) {
        return entry;  // not on the disc, or above its root
    }
    DiscEntry at;
    at.kind = DiscEntryKind::kFolder;
    at.path = at.source = root_;
    std::string shown;
    for (const std::string& part : *names) {
        if (!at.IsFolder()) {
            return entry;
        }
        shown += (shown.empty() ? "" : "\\") + part;
        const std::optional<std::filesystem::path> child = FindName(at.path, part);
        if (!child) {
            return entry;
        }
        at = ClassifyDiscEntry(*child, root_);
        at.shown = shown;
        if (at.IsFault()) {
            return at;
        }
    }
    at.shown = entry.shown;
    return at;
}

std::optional<std::filesystem::path> DiscFiles::FindName(const std::filesystem::path& folder,
                                                         const std::string& part) const {
    // Windows compares the INI's name, in its code page, with the Unicode name in the image;
    // names in this folder are UTF-8 (on Windows, in the ANSI code page already).
#ifdef _WIN32
    const std::string name = part;
#else
    const std::string name = CodePageToUtf8(part, codePage_);
#endif
    std::error_code error;
    if (std::filesystem::symlink_status(folder / name, error).type() !=
            std::filesystem::file_type::not_found &&
        !error) {
        return folder / name;
    }
    for (const auto& child : std::filesystem::directory_iterator(folder, error)) {
        if (SameIniName(child.path().filename().string(), name)) {
            return child.path();
        }
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> DiscFiles::Find(const std::string& expanded) const {
    const DiscEntry entry = Look(expanded);
    if (!entry.IsFile() && !entry.IsFolder()) {
        return std::nullopt;
    }
    return entry.source;
}

std::optional<IniDocument> ReadDiscIni(const DiscFiles& files, std::string& problem) {
    const std::string name = BuiltInText(IDS_INI_FILE_NAME);
    const DiscEntry entry = files.Look(DiscFiles::Root() + name);
    std::error_code error;
    if (entry.IsFault()) {
        problem = name + " " + DiscFaultText(entry);
    } else if (entry.IsFile() &&
               std::filesystem::file_size(entry.source, error) > kMaxIniFileSize) {
        problem = name + " holds more than " + std::to_string(kMaxIniFileSize >> 20) +
                  " MB: no disc's file is near that size, and it is not read";
    } else if (auto ini = entry.IsFile()
                              ? IniDocument::FromFile(entry.source.string(), files.codePage())
                              : std::nullopt) {
        return ini;
    } else {
        problem = "no readable " + name + " in " + files.folder().string();
    }
    return std::nullopt;
}

std::string CommandProgram(const std::string& command) {
    const size_t begin = command.find_first_not_of(" \t");
    if (begin == std::string::npos) {
        return {};
    }
    if (command[begin] == '"') {
        const size_t close = command.find('"', begin + 1);
        return command.substr(begin + 1,
                              close == std::string::npos ? std::string::npos : close - begin - 1);
    }
    const size_t end = command.find_first_of(" \t", begin);
    return command.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

}  // namespace lumora::disc
