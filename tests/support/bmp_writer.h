// Writes small BMP files for tests: 8-bit with a colour table, or 24-bit; bottom-up, 40-byte
// info header, uncompressed. Header-only and portable, for native and Windows tests alike.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace lumora::testing {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

namespace detail {
inline void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
inline std::vector<uint8_t> Headers(int width, int height, int bits, uint32_t colors,
                                    uint32_t imageSize) {
    std::vector<uint8_t> out;
    const uint32_t offBits = 14 + 40 + 4 * colors;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offBits + imageSize);
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, colors);
    Put32(out, 0);
    return out;
}
inline bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
}  // namespace detail

// An 8-bit picture: index(x, y) with y counted from the top; the palette gives the colours.
inline std::vector<uint8_t> Bitmap8(int width, int height, const std::vector<Rgb>& palette,
                                    const std::function<uint8_t(int x, int y)>& index) {
    const int stride = (width + 3) & ~3;
    const uint32_t imageSize = static_cast<uint32_t>(stride * height);
    std::vector<uint8_t> out =
        detail::Headers(width, height, 8, static_cast<uint32_t>(palette.size()), imageSize);
    for (const Rgb& c : palette) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < stride; ++x) {
            out.push_back(x < width ? index(x, row) : 0);
        }
    }
    return out;
}

// A 24-bit picture without a colour table.
inline std::vector<uint8_t> Bitmap24(int width, int height,
                                     const std::function<Rgb(int x, int y)>& color) {
    const int stride = (width * 3 + 3) & ~3;
    const uint32_t imageSize = static_cast<uint32_t>(stride * height);
    std::vector<uint8_t> out = detail::Headers(width, height, 24, 0, imageSize);
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            Rgb c = color(x, row);
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        for (int pad = width * 3; pad < stride; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

inline bool WriteBitmap8(const std::string& path, int width, int height,
                         const std::vector<Rgb>& palette,
                         const std::function<uint8_t(int x, int y)>& index) {
    return detail::Save(path, Bitmap8(width, height, palette, index));
}

inline bool WriteBitmap24(const std::string& path, int width, int height,
                          const std::function<Rgb(int x, int y)>& color) {
    return detail::Save(path, Bitmap24(width, height, color));
}

}  // namespace lumora::testing
