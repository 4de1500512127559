// BMP files built in memory for the imaging tests, fuzz seeds and benchmarks: bottom-up,
// uncompressed, with every header field open to change.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "imaging/bmp_layout.h"
#include "imaging/pixel_rect.h"

namespace lumora {

// Lets test failures show rectangles as (left, top, right, bottom).
inline void PrintTo(const PixelRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

}  // namespace lumora

namespace lumora::test {

constexpr size_t kOffBfOffBits = 10;

// The file offset of an info header field.
constexpr size_t Info(BmpInfoField field) {
    return kBmpFileHeaderSize + field;
}

inline void Put16(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

inline void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

// Colour table entry i of the test pictures as 0xRRGGBB.
inline uint32_t TestColor(uint32_t i) {
    return (i * 37 & 0xFF) << 16 | (255 - i) << 8 | (i * 11 & 0xFF);
}

struct TestBmp {
    int bitCount = 8;
    int width = 4;
    int height = 3;
    uint32_t clrUsed = 0;       // written as is
    uint32_t tableEntries = 0;  // colour table entries written (TestColor)
    uint32_t gap = 0;           // bytes between the colour table and the pixels
    uint32_t sizeImage = 0;     // written as is
    // The pixel at (x, y), y from the top: an index (8-bit) or 0xRRGGBB (24-bit).
    std::function<uint32_t(int, int)> pixel = [](int x, int y) {
        return static_cast<uint32_t>(x * 7 + y * 13 + 1) & 0xFF;
    };

    size_t stride() const { return (size_t(bitCount) * width + 31) / 32 * 4; }

    std::vector<uint8_t> Bytes() const {
        const size_t bitsAt = 54 + 4 * size_t{tableEntries} + gap;
        std::vector<uint8_t> bytes(bitsAt + stride() * height, 0);
        bytes[0] = 'B';
        bytes[1] = 'M';
        Put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
        Put32(bytes, kOffBfOffBits, static_cast<uint32_t>(bitsAt));
        Put32(bytes, Info(kBiSize), 40);
        Put32(bytes, Info(kBiWidth), static_cast<uint32_t>(width));
        Put32(bytes, Info(kBiHeight), static_cast<uint32_t>(height));
        Put16(bytes, Info(kBiPlanes), 1);
        Put16(bytes, Info(kBiBitCount), static_cast<uint32_t>(bitCount));
        Put32(bytes, Info(kBiSizeImage), sizeImage);
        Put32(bytes, Info(kBiClrUsed), clrUsed);
        for (uint32_t i = 0; i < tableEntries; ++i) {
            // Blue, green, red, reserved: the little-endian order of 0xRRGGBB.
            Put32(bytes, 54 + 4 * i, TestColor(i));
        }
        for (int y = 0; y < height; ++y) {
            uint8_t* row = bytes.data() + bitsAt + stride() * (height - 1 - y);
            for (int x = 0; x < width; ++x) {
                const uint32_t value = pixel(x, y);
                if (bitCount == 8) {
                    row[x] = static_cast<uint8_t>(value);
                } else {
                    row[3 * x] = static_cast<uint8_t>(value);
                    row[3 * x + 1] = static_cast<uint8_t>(value >> 8);
                    row[3 * x + 2] = static_cast<uint8_t>(value >> 16);
                }
            }
        }
        return bytes;
    }
};

inline TestBmp Bmp8(int width, int height) {
    TestBmp bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.tableEntries = 256;
    return bmp;
}

inline TestBmp Bmp24(int width, int height) {
    TestBmp bmp;
    bmp.bitCount = 24;
    bmp.width = width;
    bmp.height = height;
    bmp.pixel = [](int x, int y) { return static_cast<uint32_t>(x * 0x010203 + y * 0x302010); };
    return bmp;
}

inline bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace lumora::test
