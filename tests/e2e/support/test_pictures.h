// The pictures of the test discs: 8-bit BMPs with a 40-byte header, stored bottom-up, all sharing
// one palette, each a solid colour so that a pixel on a 24-bit display says which one is shown.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "x_screen.h"

namespace e2e {

// Palette entries of the shared palette that the tests use, with the colour each shows.
enum class Paint : uint8_t {
    kBlack = 0,
    kNavy = 10,
    kMaroon = 11,
    kYellow = 12,
    kGreen = 13,
    kMagenta = 14,
    kCyan = 15,
    kOrange = 16,
    kTeal = 17,
    kWhite = 255,
};

Rgb ColorOf(Paint paint);

// Writes a width x height picture filled with `paint`; false when the file cannot be written.
bool WriteSolidBitmap(const std::string& path, int width, int height, Paint paint);
// Writes a width x height picture whose pixel (x, y) is paintAt(x, y).
bool WritePaintedBitmap(const std::string& path, int width, int height,
                        const std::function<Paint(int x, int y)>& paintAt);

}  // namespace e2e
