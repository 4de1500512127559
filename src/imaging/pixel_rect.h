// Rectangles in pixel coordinates and the few operations that composition and drawing need.
// The arithmetic is done in 64 bits and clamped, so positions near the int limits cannot overflow.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

namespace lumora {

// A rectangle in pixel coordinates: origin top-left, y downwards, right and bottom exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PixelRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const PixelRect& o) const { return !(*this == o); }
};

// A width and a height in pixels.
struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize& o) const { return width == o.width && height == o.height; }
    bool operator!=(const PixelSize& o) const { return !(*this == o); }
};

namespace detail {
inline int ClampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}
}  // namespace detail

// The rectangle of a width x height picture whose top-left corner is at (x, y).
inline PixelRect PlacedRect(int x, int y, int width, int height) {
    return {x, y, detail::ClampToInt(int64_t{x} + width), detail::ClampToInt(int64_t{y} + height)};
}

// The rectangle moved by (dx, dy).
inline PixelRect OffsetRect(const PixelRect& r, int dx, int dy) {
    using detail::ClampToInt;
    return {ClampToInt(int64_t{r.left} + dx), ClampToInt(int64_t{r.top} + dy),
            ClampToInt(int64_t{r.right} + dx), ClampToInt(int64_t{r.bottom} + dy)};
}

// The common part of a and b; an empty result is normalised to (0, 0, 0, 0).
inline PixelRect IntersectRect(const PixelRect& a, const PixelRect& b) {
    PixelRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
    return r.empty() ? PixelRect{} : r;
}

// The smallest rectangle that holds both; an empty rectangle adds nothing.
inline PixelRect UnionRect(const PixelRect& a, const PixelRect& b) {
    if (a.empty()) {
        return b.empty() ? PixelRect{} : b;
    }
    if (b.empty()) {
        return a;
    }
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace lumora
