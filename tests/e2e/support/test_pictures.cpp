#include "test_pictures.h"

#include <vector>

#include "support/bmp_writer.h"

namespace e2e {

Rgb ColorOf(Paint paint) {
    switch (paint) {
        case Paint::kNavy:
            return {0, 0, 128};
        case Paint::kMaroon:
            return {128, 0, 0};
        case Paint::kYellow:
            return {255, 255, 0};
        case Paint::kGreen:
            return {0, 200, 0};
        case Paint::kMagenta:
            return {255, 0, 255};
        case Paint::kCyan:
            return {0, 255, 255};
        case Paint::kOrange:
            return {255, 128, 0};
        case Paint::kTeal:
            return {0, 128, 128};
        case Paint::kWhite:
            return {255, 255, 255};
        case Paint::kBlack:
            break;
    }
    return {0, 0, 0};
}

bool WriteSolidBitmap(const std::string& path, int width, int height, Paint paint) {
    return WritePaintedBitmap(path, width, height, [paint](int, int) { return paint; });
}

bool WritePaintedBitmap(const std::string& path, int width, int height,
                        const std::function<Paint(int x, int y)>& paintAt) {
    std::vector<lumora::testing::Rgb> palette;
    for (int i = 0; i < 256; ++i) {
        const Rgb c = ColorOf(static_cast<Paint>(i));
        palette.push_back({c.r, c.g, c.b});
    }
    return lumora::testing::WriteBitmap8(path, width, height, palette, [&](int x, int y) {
        return static_cast<uint8_t>(paintAt(x, y));
    });
}

}  // namespace e2e
