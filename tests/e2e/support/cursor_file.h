// Reads the picture of a monochrome Windows cursor file (.cur) as it would show on screen.
#pragma once

#include <string>

#include "x_screen.h"

namespace e2e {

// The image of the given size from the file, or an empty picture when there is none.
CursorPicture ReadCursorFile(const std::string& path, int size = 32);

}  // namespace e2e
