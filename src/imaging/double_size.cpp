#include "imaging/double_size.h"

#include <cstring>

#include "imaging/byte_block.h"

namespace lumora {

std::string DoubleSizePath(const std::string& path) {
    const size_t name = path.find_last_of("\\/:");
    const size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && (name == std::string::npos || dot > name);
    std::string twin = path;
    twin.insert(hasExtension ? dot : twin.size(), "@2x");
    return twin;
}

DoubleSizeFault CheckDoubleSize(const DibImage& picture, const DibImage& twin) {
    if (int64_t{twin.width()} != 2 * int64_t{picture.width()} ||
        int64_t{twin.height()} != 2 * int64_t{picture.height()}) {
        return DoubleSizeFault::kSize;
    }
    if (twin.format() != picture.format()) {
        return DoubleSizeFault::kDepth;
    }
    if (picture.format() == kFormat8Bit) {
        if (twin.colorCount() != picture.colorCount()) {
            return DoubleSizeFault::kColorTable;
        }
        for (uint32_t i = 0; i < picture.colorCount(); ++i) {
            // Blue, green and red; the reserved byte draws nothing.
            if (std::memcmp(twin.color(i), picture.color(i), 3) != 0) {
                return DoubleSizeFault::kColorTable;
            }
        }
    }
    return DoubleSizeFault::kNone;
}

bool DoubleImage(const DibImage& source, DibImage& doubled) {
    doubled.Free();
    if (source.empty() || source.width() > kMaxDibSide / 2 || source.height() > kMaxDibSide / 2) {
        return false;
    }
    // A BMP file of the doubled picture, read back by the loader, which checks it like any other.
    const int bytes = source.bytesPerPixel();
    const int width = 2 * source.width();
    const int height = 2 * source.height();
    const size_t stride = (size_t(width) * size_t(bytes) + 3) / 4 * 4;
    const size_t table = size_t(source.bitsOffset()) - kBmpInfoHeaderSize;
    const size_t pixelOffset = kBmpHeadersSize + table;
    const size_t fileSize = pixelOffset + stride * size_t(height);
    const std::unique_ptr<uint8_t[]> file = AllocateBytes(fileSize);
    if (!file) {
        return false;
    }
    file[0] = 'B';
    file[1] = 'M';
    WriteLe32(&file[2], static_cast<uint32_t>(fileSize));
    WriteLe32(&file[10], static_cast<uint32_t>(pixelOffset));
    uint8_t* info = &file[kBmpFileHeaderSize];
    std::memcpy(info, source.block(), kBmpInfoHeaderSize + table);
    WriteLe32(info + kBiWidth, static_cast<uint32_t>(width));
    WriteLe32(info + kBiHeight, static_cast<uint32_t>(height));
    WriteLe32(info + kBiSizeImage, static_cast<uint32_t>(stride * size_t(height)));
    // Rows are stored bottom-up: file row r holds picture row height - 1 - r.
    for (int y = 0; y < height; ++y) {
        uint8_t* row = &file[pixelOffset + stride * size_t(height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            std::memcpy(row + size_t(x) * size_t(bytes), source.pixel(x / 2, y / 2), size_t(bytes));
        }
    }
    return doubled.LoadBytes(file.get(), fileSize);
}

}  // namespace lumora
