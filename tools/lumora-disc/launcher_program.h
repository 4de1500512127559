// The lumora.exe that a disc image carries or that `run` shows a disc with: the disc's own, one
// given with --exe, or the build's beside the kit.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lumora::disc {

// The folder of the running kit.
std::filesystem::path KitFolder();

// Where a Windows build named `build` ("win", "win64") puts lumora.exe, seen from the kit: the
// kit's own folder when it is that build's lumora-disc.exe, else the build beside it
// (build/native -> build/win).
std::vector<std::filesystem::path> BuiltPrograms(const std::filesystem::path& kitFolder,
                                                 const std::string& build);

// Why the file is not a 32-bit Windows program; nothing when it is one.
std::optional<std::string> ShippedProgramProblem(const std::filesystem::path& file);

struct ProgramChoice {
    std::filesystem::path add;  // the file to add as lumora.exe; empty: the disc has its own
    std::string problem;        // why there is none to take; empty when there is one
};

// The lumora.exe of an image of `folder`: the disc's own, else `given`, else the first of
// `built` that exists. Each must be a 32-bit Windows program.
ProgramChoice ImageProgram(const std::filesystem::path& folder,
                           const std::optional<std::string>& given,
                           const std::vector<std::filesystem::path>& built);

}  // namespace lumora::disc
