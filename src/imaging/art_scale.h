// The scale of the pictures drawn on a display of whole-number scale k: authors' 2x pictures
// (main@2x.bmp beside main.bmp) are drawn at even scales only, each 2x pixel as a (k/2)-block,
// so they are looked for and held only then. Portable.
#pragma once

namespace lumora {

// True at the display scales where 2x pictures are drawn: 2, 4, 6...
constexpr bool DrawsDoubleSizes(int displayScale) {
    return displayScale >= 2 && displayScale % 2 == 0;
}

// 2 when 2x pictures are drawn and at least one picture of the screen has its author's 2x
// picture (the others are doubled to match), else 1.
constexpr int ArtScale(int displayScale, bool anyAuthorsDoubleSize) {
    return DrawsDoubleSizes(displayScale) && anyAuthorsDoubleSize ? 2 : 1;
}

// The block size each art pixel is drawn with.
constexpr int ArtBlock(int displayScale, int artScale) {
    const int scale = displayScale > 1 ? displayScale : 1;
    return artScale == 2 ? scale / 2 : scale;
}

}  // namespace lumora
