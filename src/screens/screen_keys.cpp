#include "screens/screen_keys.h"

namespace lumora {

HoverCommands ScreenKeyDown(HoverMachine& hover, int key, bool shift, bool repeated) {
    switch (key) {
        case kKeyTab:
            return hover.TabKey(shift);
        case kKeyEnter:
        case kKeySpace:
            // A held key runs the region once.
            return repeated ? HoverCommands() : hover.ActivateKey();
        case kKeyEscape:
            return hover.EscapeKey();
        default:
            return {};
    }
}

}  // namespace lumora
