#include "ini_text.h"

#include <strings.h>

#include <fstream>

namespace e2e {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

IniText IniText::Parse(const std::string& text) {
    IniText ini;
    std::string section;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        const size_t equals = line.find('=');
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            section = Trim(line.substr(1, line.find(']') - 1));
        } else if (equals != std::string::npos && !section.empty()) {
            ini.Set(section, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
        }
    }
    return ini;
}

IniText& IniText::Set(const std::string& section, const std::string& key,
                      const std::string& value) {
    Section* target = nullptr;
    for (auto& s : sections_) {
        if (SameName(s.name, section)) {
            target = &s;
        }
    }
    if (!target) {
        sections_.push_back({section, {}});
        target = &sections_.back();
    }
    for (auto& entry : target->keys) {
        if (SameName(entry.first, key)) {
            entry.second = value;
            return *this;
        }
    }
    target->keys.emplace_back(key, value);
    return *this;
}

IniText& IniText::Remove(const std::string& section, const std::string& key) {
    for (auto& s : sections_) {
        if (SameName(s.name, section)) {
            for (auto it = s.keys.begin(); it != s.keys.end();) {
                it = SameName(it->first, key) ? s.keys.erase(it) : it + 1;
            }
        }
    }
    return *this;
}

std::string IniText::Text() const {
    std::string text;
    for (const auto& s : sections_) {
        text += "[" + s.name + "]\r\n";
        for (const auto& [key, value] : s.keys) {
            text += key + "=" + value + "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

std::optional<std::string> ReadIniValue(const std::string& path, const std::string& section,
                                        const std::string& key) {
    std::ifstream file(path);
    std::string line;
    bool inSection = false;
    while (std::getline(file, line)) {
        line = Trim(line);
        if (!line.empty() && line.front() == '[') {
            const auto end = line.find(']');
            inSection =
                end != std::string::npos && SameName(Trim(line.substr(1, end - 1)), section);
            continue;
        }
        const auto equals = line.find('=');
        if (inSection && equals != std::string::npos &&
            SameName(Trim(line.substr(0, equals)), key)) {
            return Trim(line.substr(equals + 1));
        }
    }
    return std::nullopt;
}

}  // namespace e2e
