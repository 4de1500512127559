// `lumora-disc run`: shows a disc folder in lumora.exe. On Linux under Wine: the build of
// lumora.exe that this machine's Wine runs, in a prefix of its own, on $DISPLAY when it is up,
// else on a virtual display it starts; with a screenshot, the first painted screen is saved as
// PNG and the program ended. On Windows: the folder's own lumora.exe.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace lumora::disc {

struct RunRequest {
    std::filesystem::path disc;
    std::optional<std::string> exe;         // instead of the build's lumora.exe
    std::optional<std::string> screenshot;  // the PNG file to write
};

// The exit status for the kit: lumora.exe's, or 1 when the disc could not be shown (the reason
// is on standard error).
int RunDisc(const RunRequest& request);

}  // namespace lumora::disc
