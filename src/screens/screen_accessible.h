// The screen window's object for screen readers: IAccessible over what the core decides of the
// shown screen (accessible_screen.h). It holds the window only while the screen it was made
// for is shown; afterwards every method answers CO_E_OBJNOTCONNECTED.
#pragma once

#include "win/accessible_object.h"

namespace lumora {

class CScreenWindow;

// Made with one reference, for the screen that `window` shows now.
UniqueCom<IAccessible> MakeScreenAccessible(CScreenWindow& window);

}  // namespace lumora
