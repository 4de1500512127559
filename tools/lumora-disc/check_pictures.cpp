#include "check_pictures.h"

#include <fstream>
#include <vector>

#include "imaging/bmp_layout.h"
#include "imaging/double_size.h"

namespace lumora::disc {

namespace {

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes(error ? 0 : static_cast<size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(file.gcount()));
    return bytes;
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
    const auto found = context.files().Find(twinPath);
    if (!found || std::filesystem::is_directory(*found)) {
        return;
    }
    const std::string what =
        use.what + ": its 2x picture " + Quoted(context.files().Shown(twinPath));
    const std::string ignored = ": Lumora draws the picture doubled instead";
    DibImage twin;
    if (!twin.LoadFile(found->string())) {
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

}  // namespace

std::optional<DibImage> LoadPicture(const CheckContext& context, const PictureUse& use,
                                    const std::string& path) {
    const DiscFiles& files = context.files();
    if (!files.OnDisc(path)) {
        return std::nullopt;
    }
    const std::string shown = files.Shown(path);
    const auto found = files.Find(path);
    if (!found || std::filesystem::is_directory(*found)) {
        context.out().Error(use.line, use.what + ": picture " + Quoted(shown) + " is missing");
        return std::nullopt;
    }
    const std::vector<uint8_t> bytes = ReadAll(*found);
    std::string reason = "shorter than the BMP headers";
    if (bytes.size() >= kBmpHeadersSize) {
        uint8_t headers[kBmpHeadersSize];
        std::copy(bytes.begin(), bytes.begin() + kBmpHeadersSize, headers);
        ParseBmpHeaders(headers, bytes.size(), &reason);
    }
    DibImage image;
    if (!image.LoadBytes(bytes.data(), bytes.size())) {
        context.out().Error(use.line,
                            use.what + ": Lumora refuses picture " + Quoted(shown) + ": " + reason);
        return std::nullopt;
    }
    CheckDoubleSizeSibling(context, use, path, image);
    return image;
}

std::optional<DibImage> LoadPictureQuietly(const DiscFiles& files, const std::string& path) {
    const auto found = files.Find(path);
    DibImage image;
    if (!found || !image.LoadFile(found->string())) {
        return std::nullopt;
    }
    return image;
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
                  const DibImage& screen, Point position, int transparency) {
    Diagnostics& out = context.out();
    if (picture.format() != screen.format()) {
        out.Error(use.line, use.what + " is " + Bits(picture) + " but the screen's picture is " +
                                Bits(screen) + ": Lumora never draws it");
        return;
    }
    if (picture.format() == kFormat8Bit) {
        const int differs = FirstColorDifference(picture, screen);
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
    const int64_t right = int64_t{position.x} + picture.width();
    const int64_t bottom = int64_t{position.y} + picture.height();
    const bool inside =
        position.x >= 0 && position.y >= 0 && right <= screen.width() && bottom <= screen.height();
    const bool meets =
        right > 0 && bottom > 0 && position.x < screen.width() && position.y < screen.height();
    const std::string where = " at " + std::to_string(position.x) + "," +
                              std::to_string(position.y) + " (" + Size(picture) + ") on the " +
                              Size(screen) + " screen";
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
