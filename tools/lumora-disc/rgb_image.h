// A picture as 8-bit red, green and blue samples, top row first: what the kit writes as PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/dib_image.h"

namespace lumora::disc {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> samples;  // r, g, b per pixel, rows from the top

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), samples(static_cast<size_t>(w) * h * 3) {}
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgb At(int x, int y) const;
    void Set(int x, int y, Rgb color);  // ignored outside the picture
};

// The colour that a display shows for the pixel at (x, y) of image: a 24-bit pixel as it is, an
// 8-bit one through the colour table of colors (the screen background, whose palette the canvas
// borrows). An index beyond that table shows black.
Rgb ShownColor(const DibImage& image, const DibImage& colors, int x, int y);

// The colours of a whole bitmap as a display shows them.
RgbImage ToRgb(const DibImage& image, const DibImage& colors);

// False when the file cannot be written.
bool WritePng(const std::string& path, const RgbImage& image);

}  // namespace lumora::disc
