#include "check_context.h"

#include <algorithm>

#include "config/string_table.h"
#include "disc_paths.h"

namespace lumora::disc {

namespace {

// "C:art": on a drive, from that drive's current folder.
bool OnADrive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':';
}

// A path without its leading slashes: what it names below a root.
std::string BelowRoot(const std::string& path) {
    const size_t start = path.find_first_not_of("\\/");
    return start == std::string::npos ? std::string() : path.substr(start);
}

}  // namespace

CheckContext::CheckContext(const IniDocument& ini, const DiscFiles& files, Diagnostics& out)
    : ini_(ini), files_(files), out_(out) {
    model_.text = &CheckContext::Text;
    model_.expandPath = [this](std::string& path) {
        files_.Expand(path, install ? &*install : nullptr);
    };
}

std::string CheckContext::Text(unsigned id) {
    return BuiltInText(id);
}

const IniSection* CheckContext::Use(const std::string& name) const {
    const IniSection* section = ini_.FindSection(name);
    if (section) {
        used_.insert(section);
    }
    return section;
}

bool CheckContext::Used(const IniSection& section) const {
    return used_.count(&section) != 0;
}

int CheckContext::LineOf(const IniSection& section, unsigned keyId) {
    const IniEntry* entry = section.entries.FindEntry(Text(keyId));
    return entry ? entry->line : section.entries.line();
}

std::optional<std::string> CheckContext::Value(const IniSection& section, unsigned keyId) {
    return section.entries.Find(Text(keyId));
}

std::optional<StringList> CheckContext::List(const IniSection& section, unsigned keyId) {
    return section.entries.FindList(Text(keyId));
}

std::string CheckContext::Expanded(std::string path) const {
    model_.expandPath(path);
    return path;
}

std::string CheckContext::FromDisc(const std::string& path, int line,
                                   const std::string& what) const {
    if (!DependsOnCurrentFolder(path)) {
        return path;
    }
    out_.Warning(line, what + ": " + CurrentFolderText(path));
    return OnADrive(path) ? path : DiscRoot() + BelowRoot(path);
}

void CheckContext::Reads(const IniSection& section, SectionKind kind,
                         const std::string& what) const {
    const auto at = read_.try_emplace(&section, ReadSection{what, {}}).first;
    if (std::find(at->second.kinds.begin(), at->second.kinds.end(), kind) ==
        at->second.kinds.end()) {
        at->second.kinds.push_back(kind);
    }
}

DiscEntry CheckContext::Look(const std::string& path, int line, const std::string& what,
                             const std::string& noun) const {
    const DiscEntry entry = files_.Look(path);
    if (entry.IsFault()) {
        if (reported_.insert(entry.path).second) {
            out_.Error(line,
                       what + ": " + noun + " " + Quoted(entry.shown) + " " + DiscFaultText(entry));
        }
    }
    return entry;
}

bool CheckContext::Reported(const std::filesystem::path& entry) const {
    return reported_.count(entry) != 0;
}

std::string Quoted(const std::string& name) {
    return "'" + name + "'";
}

std::string CurrentFolderText(const std::string& path) {
    return Quoted(path) +
           " depends on the current folder, so Lumora started from another folder does not "
           "find it: " +
           (OnADrive(path) ? std::string("write it from the drive's root")
                           : "write %r\\" + BelowRoot(path));
}

}  // namespace lumora::disc
