// Authors' 2x pictures: "name@2x.bmp" beside "name.bmp", drawn instead of the doubled 1x picture
// when the screen is shown at an even scale. Portable.
#pragma once

#include <string>

#include "imaging/dib_image.h"

namespace lumora {

// The path of a picture's 2x sibling: "@2x" before the file name's extension ("a\logo.bmp" ->
// "a\logo@2x.bmp"), or after the name when it has none.
std::string DoubleSizePath(const std::string& path);

// Why a 2x sibling cannot stand for its picture; kNone when it can.
enum class DoubleSizeFault { kNone, kSize, kDepth, kColorTable };

// A sibling must be exactly twice as wide and as high, of the same depth and, for 8 bits, with
// the same colour table (count and colours).
DoubleSizeFault CheckDoubleSize(const DibImage& picture, const DibImage& twin);

// Makes doubled the source with every pixel a 2 x 2 block, colour table kept; false (doubled
// left empty) for an empty source, one too large to double, or no memory.
bool DoubleImage(const DibImage& source, DibImage& doubled);

}  // namespace lumora
