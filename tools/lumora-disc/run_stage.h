// The folder that `run` shows a disc from: the chosen lumora.exe beside a copy of the disc's
// Lumora.ini, and every other file and folder of the disc linked. Lumora writes the preferences
// and its [Setup] record into the copy, so the author's file is never rewritten.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace lumora::disc {

struct StageRequest {
    std::filesystem::path disc;         // the author's disc folder
    std::filesystem::path stage;        // an empty folder to fill
    std::filesystem::path program;      // the lumora.exe to show the disc with
    std::filesystem::path helpProgram;  // LNCHHLP.EXE for a disc without one; may be empty
};

// Fills the stage; an error message when it cannot.
std::optional<std::string> StageDisc(const StageRequest& request);

}  // namespace lumora::disc
