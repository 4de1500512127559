#include "actions/setup_offer.h"

namespace lumora {

// The registry lookup arrives with the installation checks; until then a region without
// "LaunchData" has none, which counts as an application that is not installed.
std::optional<std::string> ResolveLaunchData(const std::string&) {
    return std::nullopt;
}

}  // namespace lumora
