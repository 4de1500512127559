// Between the core's pixel rectangles and Win32's RECT, which have the same meaning.
#pragma once

#include <windows.h>

#include "imaging/pixel_rect.h"

namespace lumora {

inline PixelRect ToPixelRect(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
            static_cast<int>(r.bottom)};
}

inline RECT ToRect(const PixelRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

}  // namespace lumora
