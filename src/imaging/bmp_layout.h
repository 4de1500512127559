// The headers of a BMP file, checked against each other and against the size of the file before
// anything is allocated or addressed. Portable.
//
// A file is accepted only when all of this holds; otherwise it is refused as a whole:
// - it starts with "BM" and holds the 14-byte file header and a 40-byte info header;
// - the info header is 40 bytes, uncompressed, one plane, 8 or 24 bits per pixel;
// - width and height are 1 to kMaxDibSide (a negative height, a top-down file, is refused);
// - an 8-bit file has at most 256 colours (biClrUsed, or 256 when it is 0); a 24-bit file keeps
//   the colour table it declares, of at most kMaxColorTable24 entries (a palette's limit);
// - the colour table follows the info header and lies inside the file;
// - the pixel array, stride x height bytes from bfOffBits, starts at or after the end of the
//   colour table and lies inside the file, and ends at most INT32_MAX bytes into it, so that
//   every file offset fits a 32-bit seek.
// biSizeImage and bfSize are not trusted: the pixel array is always stride x height bytes.
//
// Since header, colour table and pixel array are disjoint parts of the file, the packed DIB that
// the loader allocates (info header, colour table, pixels) is at most the file's size less the
// 14-byte file header: a file never makes the loader allocate more than the file itself holds.
// Every offset and size is worked out in 64 bits and checked before it is narrowed to 32.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace lumora {

enum DibFormat : int32_t { kFormat8Bit = 2, kFormat24Bit = 4 };

constexpr size_t kBmpFileHeaderSize = 14;
constexpr size_t kBmpInfoHeaderSize = 40;
constexpr size_t kBmpHeadersSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;
// Larger pictures are refused: no screen of the program's time is near that size.
constexpr int32_t kMaxDibSide = 16384;
// The colour table of a 24-bit file is only ever turned into a palette, which counts its entries
// in 16 bits; a longer table is refused.
constexpr uint32_t kMaxColorTable24 = 0xFFFF;

// Byte offsets of the info header fields that the loader reads or amends.
enum BmpInfoField : size_t {
    kBiSize = 0,
    kBiWidth = 4,
    kBiHeight = 8,
    kBiPlanes = 12,
    kBiBitCount = 14,
    kBiCompression = 16,
    kBiSizeImage = 20,
    kBiClrUsed = 32,
};

struct BmpLayout {
    int32_t format = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    uint32_t colorCount = 0;  // colour table entries; 0 when there is no table
    int32_t tableBytes = 0;   // 4 x colorCount, read from the file right after the info header
    int32_t pixelOffset = 0;  // bfOffBits: where the pixel rows start in the file
    int32_t pixelBytes = 0;   // stride x height
    int32_t bitsOffset = 0;   // where the pixel rows start in the packed DIB: 40 + tableBytes
    int32_t blockSize = 0;    // the packed DIB: bitsOffset + pixelBytes, less than the file size
    // The info header as read, with biClrUsed set to the colour count and biSizeImage to
    // pixelBytes, as the packed DIB stores it.
    uint8_t infoHeader[kBmpInfoHeaderSize] = {};
};

// Checks the first kBmpHeadersSize bytes of a file of fileSize bytes. A refused file sets reason,
// when given, to why (for the authors' kit): "compressed (only uncompressed pictures load)".
std::optional<BmpLayout> ParseBmpHeaders(const uint8_t (&headers)[kBmpHeadersSize],
                                         uint64_t fileSize, std::string* reason = nullptr);

uint16_t ReadLe16(const uint8_t* p);
uint32_t ReadLe32(const uint8_t* p);
void WriteLe32(uint8_t* p, uint32_t value);

}  // namespace lumora
