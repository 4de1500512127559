#include "check_pictures.h"

#include <fstream>
#include <vector>

#include "disc_files.h"

#include "imaging/bmp_layout.h"
#include "imaging/double_size.h"

namespace lumora::disc {

namespace {

struct PictureHeaders {
    std::optional<BmpLayout> layout;
    std::string reason;  // why the loader refuses the file, when it does
};

// The headers as the loader checks them, read without the pixels.
PictureHeaders ReadPictureHeaders(const std::filesystem::path& path) {
    PictureHeaders headers;
    headers.reason = "shorter than the BMP headers";
    std::ifstream file(path, std::ios::binary);
    uint8_t bytes[kBmpHeadersSize];
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && file.read(reinterpret_cast<char*>(bytes), sizeof bytes)) {
        headers.layout = ParseBmpHeaders(bytes, size, &headers.reason);
    }
    return headers;
}

std::string Bits(const DibImage& image) {
    return image.format() == kFormat8Bit ? "8-bit" : "24-bit";
}

std::string Size(const DibImage& image) {
    return std::to_string(image.width()) + "x" + std::to_string(image.height());
}

// A 2x sibling beside the picture must fit it, or Lumora draws the doubled picture instead.
void CheckDoubleSizeSibling(const CheckContext& context, const PictureUse& use,
                            const std::string& path, const DibImage& picture) {
    const std::string twinPath = DoubleSizePath(path);
    const DiscEntry found = context.Look(twinPath, use.line, use.what, "2x picture");
    if (!found.IsFile()) {
        return;
    }
    const std::string what =
        use.what + ": its 2x picture " + Quoted(context.files().Shown(twinPath));
    const std::string ignored = ": Lumora draws the picture doubled instead";
    DibImage twin;
    if (!twin.LoadFile(found.source.string())) {
        context.out().Warning(use.line, what + " is refused by Lumora's loader" + ignored);
        return;
    }
    switch (CheckDoubleSize(picture, twin)) {
        case DoubleSizeFault::kNone:
            return;
        case DoubleSizeFault::kSize:
            context.out().Warning(use.line, what + " is " + Size(twin) + ", not " +
                                                std::to_string(2 * int64_t{picture.width()}) + "x" +
                                                std::to_string(2 * int64_t{picture.height()}) +
                                                ignored);
            return;
        case DoubleSizeFault::kDepth:
            context.out().Warning(use.line, what + " is " + Bits(twin) + " but the picture is " +
                                                Bits(picture) + ignored);
            return;
        case DoubleSizeFault::kColorTable:
            context.out().Warning(use.line,
                                  what + " has another colour table than the picture" + ignored);
            return;
    }
}

// A picture of the disc as Lumora's loader reads it, or why it has none.
struct FoundPicture {
    std::optional<DibImage> image;
    std::string problem;     // "picture 'art\x.bmp' is missing"
    bool oversized = false;  // the problem is its size: it is there, but never seen whole
};

FoundPicture ReadFoundPicture(const DiscEntry& found, const std::string& shown) {
    FoundPicture picture;
    const std::string named = "picture " + Quoted(shown);
    if (found.IsFault()) {
        picture.problem = "picture " + Quoted(found.shown) + " " + DiscFaultText(found);
        return picture;
    }
    if (!found.IsFile()) {
        picture.problem = named + " is missing";
        return picture;
    }
    const PictureHeaders headers = ReadPictureHeaders(found.source);
    if (!headers.layout) {
        picture.problem = "Lumora refuses " + named + ": " + headers.reason;
        return picture;
    }
    if (!FitsSomeDisplay(headers.layout->width, headers.layout->height)) {
        picture.oversized = true;
        picture.problem = named + " is " + std::to_string(headers.layout->width) + "x" +
                          std::to_string(headers.layout->height) + TooLargeText();
        return picture;
    }
    DibImage image;
    if (!image.LoadFile(found.source.string())) {
        picture.problem = "Lumora refuses " + named + ": it cannot be read whole";
        return picture;
    }
    picture.image = std::move(image);
    return picture;
}

}  // namespace

std::optional<DibImage> LoadPicture(const CheckContext& context, const PictureUse& use,
                                    const std::string& expanded) {
    const DiscFiles& files = context.files();
    const std::string path = context.FromDisc(expanded, use.line, use.what);
    if (!files.OnDisc(path)) {
        return std::nullopt;
    }
    const DiscEntry found = context.Look(path, use.line, use.what, "picture");
    if (found.IsFault()) {
        return std::nullopt;  // reported by the look
    }
    FoundPicture picture = ReadFoundPicture(found, files.Shown(path));
    if (picture.oversized) {
        context.out().Warning(
            use.line, use.what + ": " + picture.problem + "; the kit looks no further into it");
    } else if (!picture.image) {
        context.out().Error(use.line, use.what + ": " + picture.problem);
    } else {
        CheckDoubleSizeSibling(context, use, path, *picture.image);
    }
    return std::move(picture.image);
}

std::optional<DibImage> LoadPictureQuietly(const DiscFiles& files, const std::string& path,
                                           std::string* why) {
    FoundPicture picture;
    if (DependsOnCurrentFolder(path)) {
        picture.problem = "picture " + CurrentFolderText(path);
    } else if (!files.OnDisc(path)) {
        picture.problem = "picture " + Quoted(path) + " is not on the disc";
    } else {
        picture = ReadFoundPicture(files.Look(path), files.Shown(path));
    }
    if (why) {
        *why = picture.problem;
    }
    return std::move(picture.image);
}

std::optional<PixelSize> OversizedPicture(const DiscFiles& files, const std::string& path) {
    const DiscEntry found = files.Look(path);
    const PictureHeaders headers =
        found.IsFile() ? ReadPictureHeaders(found.source) : PictureHeaders{};
    if (!headers.layout || FitsSomeDisplay(headers.layout->width, headers.layout->height)) {
        return std::nullopt;
    }
    return PixelSize{headers.layout->width, headers.layout->height};
}

bool FitsSomeDisplay(int64_t width, int64_t height) {
    const auto [wide, high] = kLargestDisplay;
    return (width <= wide && height <= high) || (width <= high && height <= wide);
}

std::string TooLargeText() {
    return ", larger than any display: Lumora shows every picture pixel as at least one pixel "
           "of the display, and the largest (" +
           std::to_string(kLargestDisplay.width) + "x" + std::to_string(kLargestDisplay.height) +
           ", either way up) shows only part of it";
}

int FirstColorDifference(const DibImage& a, const DibImage& b) {
    const uint32_t count = std::max(a.colorCount(), b.colorCount());
    for (uint32_t i = 0; i < count; ++i) {
        if (i >= a.colorCount() || i >= b.colorCount()) {
            return static_cast<int>(i);
        }
        const uint8_t* x = a.color(i);
        const uint8_t* y = b.color(i);
        if (x[0] != y[0] || x[1] != y[1] || x[2] != y[2]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CheckOverlay(const CheckContext& context, const PictureUse& use, const DibImage& picture,
                  const DibImage* screen, Point position, int transparency) {
    Diagnostics& out = context.out();
    if (screen && picture.format() != screen->format()) {
        out.Error(use.line, use.what + " is " + Bits(picture) + " but the screen's picture is " +
                                Bits(*screen) + ": Lumora never draws it");
        return;
    }
    if (screen && picture.format() == kFormat8Bit) {
        const int differs = FirstColorDifference(picture, *screen);
        if (differs >= 0) {
            out.Error(use.line, use.what +
                                    ": its colour table differs from the screen picture's "
                                    "(first at index " +
                                    std::to_string(differs) +
                                    "): its pixels are drawn with the screen's colours");
        }
    }
    if (transparency >= 0) {
        if (picture.format() == kFormat24Bit) {
            out.Warning(use.line, use.what +
                                      ": a transparency index has no effect on a "
                                      "24-bit picture");
        } else if (transparency > 255) {
            out.Warning(use.line, use.what + ": transparency " + std::to_string(transparency) +
                                      " is outside 0-255; only its low 8 bits count (index " +
                                      std::to_string(transparency & 255) + ")");
        } else if (static_cast<uint32_t>(transparency) >= picture.colorCount()) {
            out.Warning(use.line, use.what + ": transparency index " +
                                      std::to_string(transparency) +
                                      " is outside its colour table of " +
                                      std::to_string(picture.colorCount()) + " colours");
        }
    }
    if (!screen) {
        return;  // where it lies is known with the screen's picture only
    }
    const int64_t right = int64_t{position.x} + picture.width();
    const int64_t bottom = int64_t{position.y} + picture.height();
    const bool inside = position.x >= 0 && position.y >= 0 && right <= screen->width() &&
                        bottom <= screen->height();
    const bool meets =
        right > 0 && bottom > 0 && position.x < screen->width() && position.y < screen->height();
    const std::string where = " at " + std::to_string(position.x) + "," +
                              std::to_string(position.y) + " (" + Size(picture) + ") on the " +
                              Size(*screen) + " screen";
    if (!meets) {
        out.Error(use.line, use.what + " lies wholly outside the screen" + where);
    } else if (!inside) {
        out.Warning(use.line, use.what + " is drawn partly outside the screen" + where);
    }
}

void CheckSplashColors(const CheckContext& context, const PictureUse& use, const DibImage& picture,
                       const DibImage& screen) {
    if (picture.format() != kFormat8Bit || screen.format() != kFormat8Bit) {
        return;
    }
    const int differs = FirstColorDifference(picture, screen);
    if (differs >= 0) {
        context.out().Warning(use.line, use.what +
                                            ": its colour table differs from the screen "
                                            "picture's (first at index " +
                                            std::to_string(differs) +
                                            "): on a 256-colour display it shows wrong colours");
    }
}

}  // namespace lumora::disc
