// `lumora-disc check`: every mistake of a disc folder that lumora.exe would meet silently.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "check_context.h"
#include "diagnostics.h"

namespace lumora::disc {

struct CheckReport {
    std::string iniName;  // "Lumora.ini", as the diagnostics name it
    Diagnostics diagnostics;
    std::optional<std::string> label;  // the image's label: given, or the first LaunchReq's
};

CheckReport CheckDisc(const std::filesystem::path& folder, const CheckOptions& options = {});

}  // namespace lumora::disc
