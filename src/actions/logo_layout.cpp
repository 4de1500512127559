#include "actions/logo_layout.h"

#include <cstdint>

namespace lumora {

PixelRect LogoPopupRect(PixelSize picture, PixelSize display, PixelSize dialogFrame) {
    const int64_t frameX = 2 * int64_t{dialogFrame.width};
    const int64_t frameY = 2 * int64_t{dialogFrame.height};
    // 64-bit sums and an arithmetic shift; the clamp keeps hostile sizes in range.
    const int x = detail::ClampToInt((display.width + frameX - picture.width) >> 1);
    const int y = detail::ClampToInt((display.height + frameY - picture.height) >> 1);
    return PlacedRect(x, y, detail::ClampToInt(picture.width + frameX),
                      detail::ClampToInt(picture.height + frameY));
}

}  // namespace lumora
