// Display requirements from random lists of known and unknown texts against random displays: a
// refusal comes only from a list of exactly three recognised texts, carries what they say, and
// an exact requirement never passes where the minimum one with the same values refuses.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "config/display_requirement.h"
#include "fuzz/fuzz_check.h"

namespace {

using lumora::DisplayFacts;
using lumora::EvaluateDisplayRequirement;

// The texts that mean something, a few that almost do, and anything else the input holds.
const char* const kTexts[] = {"E",   "G",    "640X480", "800X600", "1024X768",  "LOW",
                              "256", "TRUE", "e",       "g",       "640x480",   "true",
                              "low", " E",   "G ",      "",        "1024X7680", "16"};

std::string Text(FuzzedDataProvider& provider) {
    const size_t pick = provider.ConsumeIntegralInRange<size_t>(0, std::size(kTexts));
    return pick < std::size(kTexts) ? kTexts[pick] : provider.ConsumeRandomLengthString(10);
}

int Known(const std::string& text, std::initializer_list<const char*> texts) {
    int index = 0;
    for (const char* known : texts) {
        if (text == known) {
            return index;
        }
        ++index;
    }
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    const bool hasList = provider.ConsumeIntegralInRange(0, 15) != 0;
    std::vector<std::string> list(provider.ConsumeIntegralInRange<size_t>(0, 5));
    for (std::string& text : list) {
        text = Text(provider);
    }
    DisplayFacts display;
    const int sides[] = {0, 639, 640, 641, 799, 800, 801, 1023, 1024, 1025, 1280, 4096};
    display.width = provider.ConsumeBool() ? provider.ConsumeIntegral<int>()
                                           : sides[provider.ConsumeIntegralInRange(0, 11)];
    display.height = provider.ConsumeBool() ? provider.ConsumeIntegral<int>()
                                            : sides[provider.ConsumeIntegralInRange(0, 11)];
    const int bits = provider.ConsumeIntegralInRange(-1, 64);
    display.colorClass = lumora::ColorClassForBits(bits);
    FUZZ_CHECK(display.colorClass == (bits < 8 ? 0 : bits == 8 ? 1 : 2));

    const auto refusal = EvaluateDisplayRequirement(hasList ? &list : nullptr, display);
    const bool wellFormed = hasList && list.size() == 3;
    const int mode = wellFormed ? Known(list[0], {"G", "E"}) : -1;
    const int resolution = wellFormed ? Known(list[1], {"640X480", "800X600", "1024X768"}) : -1;
    const int color = wellFormed ? Known(list[2], {"LOW", "256", "TRUE"}) : -1;
    if (mode < 0 || resolution < 0 || color < 0) {
        FUZZ_CHECK(!refusal);
        return 0;
    }

    constexpr int kWidths[] = {640, 800, 1024}, kHeights[] = {480, 600, 768};
    const int width = kWidths[resolution], height = kHeights[resolution];
    const bool exact = mode == 1;
    const bool shouldRefuse =
        exact ? display.width != width || display.height != height || display.colorClass != color
              : display.width < width || display.height < height || display.colorClass < color;
    FUZZ_CHECK(refusal.has_value() == shouldRefuse);
    if (refusal) {
        FUZZ_CHECK(refusal->exact == exact);
        FUZZ_CHECK(refusal->width == width && refusal->height == height);
        FUZZ_CHECK(refusal->colorClass == color);
    }

    // The other mode with the same values: exact passes only where minimum passes too.
    std::vector<std::string> other = list;
    other[0] = exact ? "G" : "E";
    const auto otherRefusal = EvaluateDisplayRequirement(&other, display);
    const bool exactPasses = exact ? !refusal : !otherRefusal;
    const bool minimumPasses = exact ? !otherRefusal : !refusal;
    FUZZ_CHECK(!exactPasses || minimumPasses);
    return 0;
}
