// The display a region's action needs ("LaunchScreenReq"), decided from facts passed in. Portable.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumora {

// How many colours a display shows, in the three classes that requirements and checks name.
enum ColorClass : int {
    kColorClassLow = 0,   // fewer than 8 bits per pixel
    kColorClass256 = 1,   // exactly 8: a palette display
    kColorClassTrue = 2,  // more than 8
};

ColorClass ColorClassForBits(int bitsPerPixel);

struct DisplayFacts {
    int width = 0;
    int height = 0;
    ColorClass colorClass = kColorClassLow;
};

// Why a requirement refused the display: the message to show and its three values.
struct DisplayRefusal {
    bool exact = false;  // an exact ("E") requirement, else a minimum ("G") one
    int width = 0;
    int height = 0;
    ColorClass colorClass = kColorClassLow;  // the required class: "16", "256" or "True"
};

// Nothing when the display satisfies the list (a null list, a list that is not exactly three
// elements, and any unrecognised text all pass); otherwise why it does not.
std::optional<DisplayRefusal> EvaluateDisplayRequirement(const std::vector<std::string>* list,
                                                         const DisplayFacts& display);

}  // namespace lumora
