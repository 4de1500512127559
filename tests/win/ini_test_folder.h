// A fresh folder per test that serves as the program folder, with the INI file in it.
#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "config/ini_store.h"
#include "resource.h"
#include "win/resource_string.h"

namespace lumora::testing {

class IniTestFolder {
  public:
    // A folder with blanks in its name, so that its short form differs from the long one.
    IniTestFolder() {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        static int serial = 0;
        longPath_ = std::string(temp) + "Lumora Test " + std::to_string(::GetCurrentProcessId()) +
                    " " + std::to_string(++serial) + "\\";
        ::CreateDirectoryA(longPath_.c_str(), nullptr);
        char shortPath[MAX_PATH] = {};
        ::GetShortPathNameA(longPath_.c_str(), shortPath, MAX_PATH);
        directory_ = shortPath;
        SetIniLocation(directory_, ResourceString(IDS_INI_FILE_NAME));
    }
    IniTestFolder(const IniTestFolder&) = delete;
    IniTestFolder& operator=(const IniTestFolder&) = delete;
    ~IniTestFolder() {
        ClearIniLocation();
        for (const std::string& name : created_) {
            ::DeleteFileA((directory_ + name).c_str());
        }
        ::DeleteFileA(IniPath().c_str());
        ::RemoveDirectoryA(directory_.c_str());
    }

    const std::string& directory() const { return directory_; }
    std::string IniPath() const { return directory_ + ResourceString(IDS_INI_FILE_NAME); }

    // Writes the INI file byte for byte.
    void WriteIni(const std::string& bytes) const { WriteFile(IniPath(), bytes); }
    std::string ReadIni() const { return ReadFile(IniPath()); }
    bool IniExists() const {
        return ::GetFileAttributesA(IniPath().c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // Another file in the folder, removed with it.
    std::string AddFile(const std::string& name) {
        created_.push_back(name);
        WriteFile(directory_ + name, "");
        return directory_ + name;
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The non-blank lines of a text, without their line ends.
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (!line.empty()) {
                lines.push_back(line);
            }
        }
        return lines;
    }

  private:
    static void WriteFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::string longPath_;
    std::string directory_;
    std::vector<std::string> created_;
};

}  // namespace lumora::testing
