#include "app/color_check.h"

#include <windows.h>

#include "win/message_box.h"
#include "resource.h"

namespace lumora {

bool RefuseLowColorDisplay(ColorClass colorClass) {
    if (colorClass != kColorClassLow) {
        return false;
    }
    ShowResourceMessage(nullptr, IDS_MSG_TOO_FEW_COLORS, MB_ICONSTOP);
    return true;
}

}  // namespace lumora
