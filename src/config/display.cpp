#include "config/display.h"

#include "win/handles.h"

namespace lumora {

ColorClass GetDisplayColorClass() {
    int bitsPerPixel = 1;
    if (UniqueMemoryDc info{::CreateICA("DISPLAY", nullptr, nullptr, nullptr)}) {
        bitsPerPixel = ::GetDeviceCaps(info.get(), BITSPIXEL) * ::GetDeviceCaps(info.get(), PLANES);
    }
    return ColorClassForBits(bitsPerPixel);
}

DisplayFacts CurrentDisplay() {
    DisplayFacts display;
    display.width = ::GetSystemMetrics(SM_CXSCREEN);
    display.height = ::GetSystemMetrics(SM_CYSCREEN);
    display.colorClass = GetDisplayColorClass();
    return display;
}

}  // namespace lumora
