// Where the timed logo popup goes, decided from the picture, the display and the dialog frame.
// Portable.
#pragma once

#include "imaging/pixel_rect.h"

namespace lumora {

// The picture in its dialog frame: (display + 2 * frame - picture) halved with an arithmetic
// shift on each axis, so the frame lies 2f right of and 2g below the exact centre of the display.
PixelRect LogoPopupRect(PixelSize picture, PixelSize display, PixelSize dialogFrame);

}  // namespace lumora
