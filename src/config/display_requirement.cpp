#include "config/display_requirement.h"

namespace lumora {

ColorClass ColorClassForBits(int bitsPerPixel) {
    if (bitsPerPixel < 8) {
        return kColorClassLow;
    }
    return bitsPerPixel == 8 ? kColorClass256 : kColorClassTrue;
}

namespace {

bool ParseResolution(const std::string& text, int& width, int& height) {
    if (text == "640X480") {
        width = 640, height = 480;
    } else if (text == "800X600") {
        width = 800, height = 600;
    } else if (text == "1024X768") {
        width = 1024, height = 768;
    } else {
        return false;
    }
    return true;
}

bool ParseColorClass(const std::string& text, ColorClass& colorClass) {
    if (text == "LOW") {
        colorClass = kColorClassLow;
    } else if (text == "256") {
        colorClass = kColorClass256;
    } else if (text == "TRUE") {
        colorClass = kColorClassTrue;
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::optional<DisplayRefusal> EvaluateDisplayRequirement(const std::vector<std::string>* list,
                                                         const DisplayFacts& display) {
    if (!list || list->size() != 3) {
        return std::nullopt;
    }
    DisplayRefusal refusal;
    if (!ParseResolution((*list)[1], refusal.width, refusal.height) ||
        !ParseColorClass((*list)[2], refusal.colorClass)) {
        return std::nullopt;
    }
    const std::string& mode = (*list)[0];
    bool refused = false;
    if (mode == "G") {
        refused = display.width < refusal.width || display.height < refusal.height ||
                  display.colorClass < refusal.colorClass;
    } else if (mode == "E") {
        refusal.exact = true;
        refused = display.width != refusal.width || display.height != refusal.height ||
                  display.colorClass != refusal.colorClass;
    }
    if (!refused) {
        return std::nullopt;
    }
    return refusal;
}

}  // namespace lumora
