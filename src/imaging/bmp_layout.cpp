#include "imaging/bmp_layout.h"

#include <cstdint>
#include <cstring>

namespace lumora {

uint16_t ReadLe16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t ReadLe32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

void WriteLe32(uint8_t* p, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

namespace {

std::nullopt_t Refuse(std::string* reason, const char* why) {
    if (reason) {
        *reason = why;
    }
    return std::nullopt;
}

}  // namespace

std::optional<BmpLayout> ParseBmpHeaders(const uint8_t (&headers)[kBmpHeadersSize],
                                         uint64_t fileSize, std::string* reason) {
    if (fileSize < kBmpHeadersSize) {
        return Refuse(reason, "shorter than the BMP headers");
    }
    if (headers[0] != 'B' || headers[1] != 'M') {
        return Refuse(reason, "not a BMP file (it does not start with \"BM\")");
    }
    const uint32_t offBits = ReadLe32(headers + 10);
    const uint8_t* info = headers + kBmpFileHeaderSize;
    const uint16_t bitCount = ReadLe16(info + kBiBitCount);
    if (ReadLe32(info + kBiSize) != kBmpInfoHeaderSize) {
        return Refuse(reason, "its info header is not the 40-byte BITMAPINFOHEADER");
    }
    if (ReadLe32(info + kBiCompression) != 0) {
        return Refuse(reason, "compressed (only uncompressed pictures load)");
    }
    if (bitCount != 8 && bitCount != 24) {
        return Refuse(reason, "not 8 or 24 bits per pixel");
    }
    if (ReadLe16(info + kBiPlanes) != 1) {
        return Refuse(reason, "more than one plane");
    }
    const int32_t width = static_cast<int32_t>(ReadLe32(info + kBiWidth));
    const int32_t height = static_cast<int32_t>(ReadLe32(info + kBiHeight));
    if (height < 0) {
        return Refuse(reason, "stored top-down (negative height)");
    }
    if (width < 1 || width > kMaxDibSide || height < 1 || height > kMaxDibSide) {
        return Refuse(reason, "its width or height is not 1 to 16384 pixels");
    }

    uint32_t colorCount = ReadLe32(info + kBiClrUsed);
    if (colorCount == 0 && bitCount == 8) {
        colorCount = 256;
    }
    if (bitCount == 8 && colorCount > 256) {
        return Refuse(reason, "its colour table has more than 256 entries");
    }
    if (colorCount > kMaxColorTable24) {
        return Refuse(reason, "its colour table has more than 65535 entries");
    }

    // All in 64 bits: no sum or product below can wrap, whatever the headers say.
    const uint64_t tableBytes = uint64_t{colorCount} * 4;
    const uint64_t tableEnd = kBmpHeadersSize + tableBytes;
    const uint64_t stride = (uint64_t{bitCount} * static_cast<uint32_t>(width) + 31) / 32 * 4;
    const uint64_t pixelBytes = stride * static_cast<uint32_t>(height);
    const uint64_t pixelEnd = uint64_t{offBits} + pixelBytes;
    if (tableEnd > fileSize) {
        return Refuse(reason, "the file ends inside its colour table");
    }
    // The parts of the file do not overlap, which bounds the block by the file size.
    if (offBits < tableEnd) {
        return Refuse(reason, "its pixels start inside its headers or colour table");
    }
    if (pixelEnd > fileSize) {
        return Refuse(reason, "the file ends before its last pixel row");
    }
    if (pixelEnd > INT32_MAX) {
        return Refuse(reason, "larger than 2 GB");
    }
    const uint64_t bitsOffset = kBmpInfoHeaderSize + tableBytes;
    const uint64_t blockSize = bitsOffset + pixelBytes;  // at most pixelEnd - 14
    // Every value narrowed below is at most pixelEnd, so none of them changes.

    BmpLayout layout;
    layout.format = bitCount == 8 ? kFormat8Bit : kFormat24Bit;
    layout.width = width;
    layout.height = height;
    layout.stride = static_cast<int32_t>(stride);
    layout.colorCount = colorCount;
    layout.tableBytes = static_cast<int32_t>(tableBytes);
    layout.pixelOffset = static_cast<int32_t>(offBits);
    layout.pixelBytes = static_cast<int32_t>(pixelBytes);
    layout.bitsOffset = static_cast<int32_t>(bitsOffset);
    layout.blockSize = static_cast<int32_t>(blockSize);
    std::memcpy(layout.infoHeader, info, kBmpInfoHeaderSize);
    WriteLe32(layout.infoHeader + kBiClrUsed, colorCount);
    WriteLe32(layout.infoHeader + kBiSizeImage, static_cast<uint32_t>(pixelBytes));
    return layout;
}

}  // namespace lumora
