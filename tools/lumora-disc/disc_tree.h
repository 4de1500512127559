// The disc folder as its image holds it, for `check` and `iso` alike: every regular file and
// folder inside it (a link that stays inside stands for the file it names), and everything that
// cannot go into the image as written, with why.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace lumora::disc {

struct ImageEntry {
    std::string imagePath;         // below the image's root, parts joined by '/': "art/main.bmp"
    std::filesystem::path source;  // the file the image holds (what a link names), or the folder
    bool folder = false;
    bool empty = false;  // a folder that holds nothing in the image
};

struct ImageFault {
    std::filesystem::path path;  // the entry in the disc folder
    std::string shown;           // its path below the disc's root for a message, UTF-8: "art\x.bmp"
    std::string problem;         // "is a FIFO, ..."
};

struct DiscTree {
    std::vector<ImageEntry> entries;  // a folder before what it holds
    std::vector<ImageFault> faults;
};

// Walks the folder (without recursion); leftOut, when given, is left out wherever it lies (the
// image being written into the folder, or one written there before).
DiscTree ReadDiscTree(const std::filesystem::path& folder,
                      const std::filesystem::path& leftOut = {});

}  // namespace lumora::disc
