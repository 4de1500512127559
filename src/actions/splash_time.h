// The splash popup of an action: "Splash=picture|seconds". Portable.
#pragma once

#include <optional>
#include <string>

#include "config/program_settings.h"

namespace lumora {

// The longest time the popup stays.
constexpr unsigned kMaxSplashSeconds = 15;

struct SplashShow {
    std::string picture;  // expanded path
    unsigned seconds = 0;
};

// The popup a "Splash" list asks for: none for a list of fewer than two elements or a time of 0
// seconds; a time above 15 seconds, or a negative one (read unsigned), is the longest, 15.
std::optional<SplashShow> PlannedSplash(const std::optional<StringList>& splash);

}  // namespace lumora
