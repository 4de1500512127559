// Finding a screen in a capture of the display: where `run --screenshot` sees the picture that
// lumora.exe paints.
#pragma once

#include <optional>

#include "config/value_parse.h"
#include "rgb_image.h"

namespace lumora::disc {

// The top-left corner of the first place where `capture` shows `picture`, every channel of every
// pixel within `tolerance`; nothing when it shows it nowhere.
std::optional<Point> FindPicture(const RgbImage& capture, const RgbImage& picture, int tolerance);

// The part of a picture at (x, y) of that size; what lies outside it stays black.
RgbImage Crop(const RgbImage& image, int x, int y, int width, int height);

}  // namespace lumora::disc
