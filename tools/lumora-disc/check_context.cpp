#include "check_context.h"

#include "config/string_table.h"

namespace lumora::disc {

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

}  // namespace lumora::disc
