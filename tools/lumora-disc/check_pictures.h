// Pictures as lumora.exe loads them, and how they fit the screen they are drawn on.
#pragma once

#include <optional>
#include <string>

#include "check_context.h"
#include "config/value_parse.h"
#include "imaging/dib_image.h"
#include "imaging/pixel_rect.h"

namespace lumora::disc {

// Where a picture comes from, for the messages: "highlight of region 'Exit' (HighlightBitmap)".
struct PictureUse {
    std::string what;
    int line = 0;
};

// The picture at an expanded path, loaded by the core's own loader; nothing (and an error that
// names it and says why) when it is missing or refused, or a warning when it is larger than any
// display. A path that depends on the current folder is reported and looked for from the disc's
// root; pictures off the disc are not looked at.
std::optional<DibImage> LoadPicture(const CheckContext& context, const PictureUse& use,
                                    const std::string& path);

// Loads without reporting: what the preview draws. Without a picture, why says why ("picture
// 'art\x.bmp' is missing"): a path that depends on the current folder or is off the disc is not
// drawn either.
std::optional<DibImage> LoadPictureQuietly(const DiscFiles& files, const std::string& path,
                                           std::string* why = nullptr);

// The largest display there is, 8K (turned on its side it is 4320 x 7680). Lumora shows every
// picture pixel as a block of one pixel or more and never shrinks a picture; its window, or its
// screen under the matte, takes the picture's size and a display shows what falls on it. So no
// display shows the whole of a larger picture, and the kit neither checks its pixels nor draws it
// (a 16384 x 16384 one is 768 MB).
constexpr PixelSize kLargestDisplay{7680, 4320};

// True when a picture of that size fits the largest display, either way up.
bool FitsSomeDisplay(int64_t width, int64_t height);
// The size of the picture at an expanded path, read from its headers, when it is larger than
// any display; nothing otherwise.
std::optional<PixelSize> OversizedPicture(const DiscFiles& files, const std::string& path);
// ", larger than any display: ..." after a picture's size.
std::string TooLargeText();

// A highlight or balloon against its screen's picture: pixel format, colour table, transparency
// index, and whether it lies inside the screen. Without the screen's picture (null: missing or
// refused) only the transparency index is checked.
void CheckOverlay(const CheckContext& context, const PictureUse& use, const DibImage& picture,
                  const DibImage* screen, Point position, int transparency);

// A splash picture against its screen's picture: its colours on a 256-colour display.
void CheckSplashColors(const CheckContext& context, const PictureUse& use, const DibImage& picture,
                       const DibImage& screen);

// The first index at which two 8-bit colour tables differ, or -1 when they are the same.
int FirstColorDifference(const DibImage& a, const DibImage& b);

}  // namespace lumora::disc
