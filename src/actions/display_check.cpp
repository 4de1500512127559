#include "actions/display_check.h"

#include <algorithm>

#include "resource.h"
#include "win/message_box.h"
#include "win/resource_string.h"

namespace lumora {

std::string DisplayRefusalMessage(const DisplayRefusal& refusal) {
    static constexpr unsigned kColorTextIds[] = {IDS_COLOR_16, IDS_COLOR_256, IDS_COLOR_TRUE};
    const int colorIndex = std::clamp<int>(refusal.colorClass, kColorClassLow, kColorClassTrue);
    const std::string color = ResourceString(kColorTextIds[colorIndex]);
    return FormatResourceString(refusal.exact ? IDS_MSG_EXACT_DISPLAY : IDS_MSG_MINIMUM_DISPLAY,
                                refusal.width, refusal.height, color.c_str());
}

BOOL CheckDisplayRequirement(HWND owner, const StringList* requirement) {
    std::optional<DisplayRefusal> refusal =
        EvaluateDisplayRequirement(requirement, CurrentDisplay());
    if (!refusal) {
        return TRUE;
    }
    ShowTextMessage(owner, DisplayRefusalMessage(*refusal), MB_ICONEXCLAMATION | MB_OK);
    return FALSE;
}

}  // namespace lumora
