// Pictures as lumora.exe loads them, and how they fit the screen they are drawn on.
#pragma once

#include <optional>
#include <string>

#include "check_context.h"
#include "config/value_parse.h"
#include "imaging/dib_image.h"

namespace lumora::disc {

// Where a picture comes from, for the messages: "highlight of region 'Exit' (HighlightBitmap)".
struct PictureUse {
    std::string what;
    int line = 0;
};

// The picture at an expanded path, loaded by the core's own loader; nothing (and an error that
// names it and says why) when it is missing or refused. Pictures off the disc are not looked at.
std::optional<DibImage> LoadPicture(const CheckContext& context, const PictureUse& use,
                                    const std::string& path);

// Loads without reporting: what the preview draws.
std::optional<DibImage> LoadPictureQuietly(const DiscFiles& files, const std::string& path);

// A highlight or balloon against its screen's picture: pixel format, colour table, transparency
// index, and whether it lies inside the screen.
void CheckOverlay(const CheckContext& context, const PictureUse& use, const DibImage& picture,
                  const DibImage& screen, Point position, int transparency);

// A splash picture against its screen's picture: its colours on a 256-colour display.
void CheckSplashColors(const CheckContext& context, const PictureUse& use, const DibImage& picture,
                       const DibImage& screen);

// The first index at which two 8-bit colour tables differ, or -1 when they are the same.
int FirstColorDifference(const DibImage& a, const DibImage& b);

}  // namespace lumora::disc
