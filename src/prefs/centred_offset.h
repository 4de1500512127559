// Where a picture goes when it is centred in a space: half of what is left over, rounded down.
// Portable.
#pragma once

namespace lumora {

// The offset of a picture of `size` centred in `space`. The shift is arithmetic: a picture larger
// than the space gets a negative offset and is cut on both sides, an odd pixel more at the start.
constexpr int CentredOffset(int space, int size) {
    return (space - size) >> 1;
}

}  // namespace lumora
