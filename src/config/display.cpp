#include "config/display.h"

#include "win/handles.h"

namespace lumora {

ColorClass GetDisplayColorClass() {
    int bitsPerPixel = 1;
    // The screen's own device context: an information context for "DISPLAY" would load the
    // display driver's state anew on every call, and this is asked on every screen change.
    if (const ClientDc screen{nullptr}) {
        bitsPerPixel =
            ::GetDeviceCaps(screen.get(), BITSPIXEL) * ::GetDeviceCaps(screen.get(), PLANES);
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
