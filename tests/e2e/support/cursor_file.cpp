#include "cursor_file.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace e2e {

namespace {

uint32_t Read(const std::vector<uint8_t>& data, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | (at + i < data.size() ? data[at + i] : 0);
    }
    return value;
}

}  // namespace

CursorPicture ReadCursorFile(const std::string& path, int size) {
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> data((std::istreambuf_iterator<char>(file)), {});
    CursorPicture picture;
    if (data.size() < 6 || Read(data, 2, 2) != 2) {
        return picture;
    }
    const int count = Read(data, 4, 2);
    for (int entry = 0; entry < count; ++entry) {
        const size_t at = 6 + 16 * entry;
        const int width = data[at] ? data[at] : 256;
        if (width != size) {
            continue;
        }
        const size_t image = Read(data, at + 12, 4);
        const int height = static_cast<int>(Read(data, image + 8, 4)) / 2;
        const int bits = Read(data, image + 14, 2);
        if (bits != 1 || Read(data, image, 4) != 40) {
            return picture;
        }
        // Header, two palette entries, then the XOR rows and the AND rows, both bottom-up.
        const size_t palette = image + 40;
        const size_t xorRows = palette + 8;
        const size_t stride = ((width + 31) / 32) * 4;
        const size_t andRows = xorRows + stride * height;
        auto bit = [&](size_t rows, int x, int y) {
            const size_t row = rows + stride * (height - 1 - y);
            return (Read(data, row + x / 8, 1) >> (7 - x % 8)) & 1;
        };
        picture.width = width;
        picture.height = height;
        picture.hotX = Read(data, at + 4, 2);
        picture.hotY = Read(data, at + 6, 2);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint32_t color = Read(data, palette + 4 * bit(xorRows, x, y), 4) & 0xFFFFFF;
                picture.pixels.push_back(
                    bit(andRows, x, y)
                        ? (bit(xorRows, x, y) ? CursorPixel::kOther : CursorPixel::kClear)
                    : color == 0        ? CursorPixel::kBlack
                    : color == 0xFFFFFF ? CursorPixel::kWhite
                                        : CursorPixel::kOther);
            }
        }
        return picture;
    }
    return picture;
}

}  // namespace e2e
