#include "test_pictures.h"

#include <fstream>
#include <vector>

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

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

bool WriteSolidBitmap(const std::string& path, int width, int height, Paint paint) {
    const uint32_t stride = (static_cast<uint32_t>(width) + 3) & ~3u;
    const uint32_t imageSize = stride * height;
    const uint32_t offset = 14 + 40 + 256 * 4;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put(out, offset + imageSize, 4);
    Put(out, 0, 4);
    Put(out, offset, 4);
    Put(out, 40, 4);  // BITMAPINFOHEADER
    Put(out, width, 4);
    Put(out, height, 4);  // positive: bottom-up
    Put(out, 1, 2);
    Put(out, 8, 2);
    Put(out, 0, 4);  // BI_RGB
    Put(out, imageSize, 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, 256, 4);
    Put(out, 0, 4);
    for (int i = 0; i < 256; ++i) {
        const Rgb c = ColorOf(static_cast<Paint>(i));
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    for (int y = 0; y < height; ++y) {
        out.insert(out.end(), width, static_cast<uint8_t>(paint));
        out.insert(out.end(), stride - width, 0);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), out.size());
    return static_cast<bool>(file);
}

}  // namespace e2e
