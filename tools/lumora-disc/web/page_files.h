// The disc's files as the page holds them: bytes in memory under their names below the disc's
// root, found from an expanded path without regard to letter case, as Windows finds them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumora::disc {

struct PageFile {
    std::string name;  // as added
    int id = 0;        // counts the files added: the page's script names files by it
    std::vector<uint8_t> bytes;
};

class PageFiles {
  public:
    // name: below the disc's root, folders separated by '/' or '\'. A second file of the same
    // name replaces the first. The file's id is the number of files added before it.
    void Add(const std::string& name, std::vector<uint8_t> bytes);
    // The file that an expanded path on the disc names; null when there is none.
    const PageFile* Find(const std::string& expanded) const;

  private:
    struct File {
        std::vector<std::string> names;  // of the folders and the file
        PageFile file;
    };
    // The index of the file with these names, or files_.size() when there is none.
    size_t Lookup(const std::vector<std::string>& names, bool exactCase) const;
    std::vector<File> files_;
    int added_ = 0;
};

}  // namespace lumora::disc
