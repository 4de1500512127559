// `lumora-disc iso`: the disc folder as an ISO 9660 image with Joliet names, made by xorriso.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "disc_tree.h"

namespace lumora::disc {

struct IsoRequest {
    std::filesystem::path folder;
    std::filesystem::path output;
    std::string label;
    std::filesystem::path program;  // added at the root as lumora.exe; empty: the disc has one
};

// The autorun.inf that opens lumora.exe from the disc's root with its icon and the label.
std::string AutorunText(const std::string& label);

// Why a label would not come back unchanged from the image (Windows reads the Joliet label, at
// most 16 characters; ISO 9660 allows A-Z, 0-9 and '_'); nothing when it is fine.
std::optional<std::string> VolumeLabelProblem(const std::string& label);

// The xorriso command line that builds the image from the list of its files (pathList), with
// long Joliet names in UTF-16 from UTF-8 names on the disc, as image_names.h counts them.
std::vector<std::string> XorrisoCommand(const IsoRequest& request,
                                        const std::filesystem::path& pathList);

// The list of what the image holds, a "path in the image=path on the disc" line each: every file
// and empty folder of the tree, the files links name in their place, and at the root the program
// given as lumora.exe and the autorun.inf given (each none when the disc has its own).
// emptyFolder: an empty folder to stand for the empty ones, which the list cannot name otherwise.
std::string PathList(const DiscTree& tree, const std::filesystem::path& program,
                     const std::filesystem::path& autorun,
                     const std::filesystem::path& emptyFolder);

// The xorriso program: LUMORA_XORRISO, else "xorriso" on the PATH; nothing when not found.
std::optional<std::string> FindXorriso();

// Builds the image of what ReadDiscTree finds in the folder, leaving out the image itself; an
// error message on failure, or when the folder holds what the image cannot.
std::optional<std::string> BuildIso(const IsoRequest& request);

}  // namespace lumora::disc
