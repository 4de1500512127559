#include "screen_match.h"

#include <cstdlib>

namespace lumora::disc {

namespace {

bool Near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

bool ShowsAt(const RgbImage& capture, const RgbImage& picture, int left, int top, int step,
             int tolerance) {
    for (int y = 0; y < picture.height; y += step) {
        for (int x = 0; x < picture.width; x += step) {
            if (!Near(capture.At(left + x, top + y), picture.At(x, y), tolerance)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::optional<Point> FindPicture(const RgbImage& capture, const RgbImage& picture, int tolerance) {
    if (picture.width <= 0 || picture.height <= 0) {
        return std::nullopt;
    }
    // A coarse grid rules out most places at once; only a place that passes it is compared whole.
    const int coarse = 16;
    for (int top = 0; top + picture.height <= capture.height; ++top) {
        for (int left = 0; left + picture.width <= capture.width; ++left) {
            if (ShowsAt(capture, picture, left, top, coarse, tolerance) &&
                ShowsAt(capture, picture, left, top, 1, tolerance)) {
                return Point{left, top};
            }
        }
    }
    return std::nullopt;
}

RgbImage Crop(const RgbImage& image, int x, int y, int width, int height) {
    RgbImage part(width, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            if (image.Contains(x + column, y + row)) {
                part.Set(column, row, image.At(x + column, y + row));
            }
        }
    }
    return part;
}

}  // namespace lumora::disc
