// INI files for the test discs: built section by section, and read back the way the program's
// private-profile functions read them (names compared without regard to letter case).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

class IniText {
  public:
    // The keys of an INI file's text with their sections, in their order; comments, blank lines
    // and sections without keys are left out.
    static IniText Parse(const std::string& text);

    // Sets a key, adding its section and the key in order of first use; replaces a value.
    IniText& Set(const std::string& section, const std::string& key, const std::string& value);
    // Removes a key from its section.
    IniText& Remove(const std::string& section, const std::string& key);
    std::string Text() const;

  private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    std::vector<Section> sections_;
};

// The value of `key` in `section` of the INI file at `path`, or nothing when it is not there.
std::optional<std::string> ReadIniValue(const std::string& path, const std::string& section,
                                        const std::string& key);

}  // namespace e2e
