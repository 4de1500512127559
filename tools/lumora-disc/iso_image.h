// `lumora-disc iso`: the disc folder as an ISO 9660 image with Joliet names, made by xorriso.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

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

// The xorriso command line that builds the image; autorun is the autorun.inf file to add at the
// root, or empty when the disc has its own.
std::vector<std::string> XorrisoCommand(const IsoRequest& request,
                                        const std::filesystem::path& autorun);

// The xorriso program: LUMORA_XORRISO, else "xorriso" on the PATH; nothing when not found.
std::optional<std::string> FindXorriso();

// Builds the image; an error message on failure.
std::optional<std::string> BuildIso(const IsoRequest& request);

}  // namespace lumora::disc
