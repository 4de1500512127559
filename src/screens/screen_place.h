// Where the screen window goes in the main window's client area, for PlaceInParent and for the
// window that loading a screen creates.
#pragma once

#include <windows.h>

namespace lumora {

// A picture of this size (a side of 0 or less counts as 200 x 100) shown at the scale, at (0, 0),
// or centred on the display while the matte is on.
RECT ScreenWindowPlace(int pictureWidth, int pictureHeight, int scale);

}  // namespace lumora
