// Whole-number scaling between picture coordinates and window pixels: a picture pixel (px, py)
// covers the k x k block of window pixels from (k * px, k * py). Portable.
#pragma once

#include "imaging/pixel_rect.h"

namespace lumora {

// The picture coordinate of a window coordinate: rounded down, so that every pixel of a block,
// its last one included, maps back to the block's picture pixel (negative ones too).
inline int ToPictureCoordinate(int window, int scale) {
    if (scale <= 1) {
        return window;
    }
    const int quotient = window / scale;
    return window % scale < 0 ? quotient - 1 : quotient;
}

// A picture coordinate or length in window pixels, clamped to the int range.
inline int ToWindowCoordinate(int picture, int scale) {
    return detail::ClampToInt(int64_t{picture} * (scale > 1 ? scale : 1));
}

inline PixelSize ScaleSize(PixelSize size, int scale) {
    return {ToWindowCoordinate(size.width, scale), ToWindowCoordinate(size.height, scale)};
}

inline PixelRect ScaleRect(const PixelRect& r, int scale) {
    return {ToWindowCoordinate(r.left, scale), ToWindowCoordinate(r.top, scale),
            ToWindowCoordinate(r.right, scale), ToWindowCoordinate(r.bottom, scale)};
}

// The picture pixels whose blocks touch a rectangle of window pixels: the rectangle widened to
// whole blocks, so that redrawing them covers it.
inline PixelRect PictureAreaOf(const PixelRect& window, int scale) {
    if (window.empty()) {
        return PixelRect{};
    }
    // The last window pixel inside, mapped, plus one: exclusive again.
    return {ToPictureCoordinate(window.left, scale), ToPictureCoordinate(window.top, scale),
            detail::ClampToInt(int64_t{ToPictureCoordinate(window.right - 1, scale)} + 1),
            detail::ClampToInt(int64_t{ToPictureCoordinate(window.bottom - 1, scale)} + 1)};
}

}  // namespace lumora
