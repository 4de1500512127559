#include "imaging/dib_image.h"

#include <cstdio>
#include <cstring>
#include <memory>
#ifdef _WIN32
#include <share.h>
#endif

#include "imaging/byte_block.h"

namespace lumora {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

UniqueFile OpenForReading(const std::string& path) {
#ifdef _WIN32
    // Nobody may write the picture while it is read.
    return UniqueFile(_fsopen(path.c_str(), "rb", _SH_DENYWR));
#else
    return UniqueFile(std::fopen(path.c_str(), "rb"));
#endif
}

}  // namespace

bool DibImage::LoadFile(const std::string& path) {
    Free();
    UniqueFile file = OpenForReading(path);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) {
        return false;
    }
    const long size = std::ftell(file.get());
    if (size < 0) {
        return false;
    }
    // Header, colour table and pixels are read in order: only a gap before the pixels seeks.
    // Every offset asked for is at most INT32_MAX (bmp_layout.h), so it fits a long everywhere.
    uint64_t position = static_cast<uint64_t>(size);
    return Load(position, [&](uint64_t offset, uint8_t* out, size_t count) {
        if (offset != position &&
            std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0) {
            return false;
        }
        position = offset + count;
        return std::fread(out, 1, count, file.get()) == count;
    });
}

bool DibImage::LoadBytes(const uint8_t* data, size_t size) {
    return Load(size, [&](uint64_t offset, uint8_t* out, size_t count) {
        if (offset > size || count > size - offset) {
            return false;
        }
        if (count != 0) {
            std::memcpy(out, data + offset, count);
        }
        return true;
    });
}

bool DibImage::Load(uint64_t fileSize, const ReadAt& read) {
    Free();
    uint8_t headers[kBmpHeadersSize];
    if (fileSize < kBmpHeadersSize || !read(0, headers, kBmpHeadersSize)) {
        return false;
    }
    const std::optional<BmpLayout> layout = ParseBmpHeaders(headers, fileSize);
    if (!layout) {
        return false;
    }
    const size_t blockSize = size_t(layout->blockSize);
    std::unique_ptr<uint8_t[]> block = AllocateBytes(blockSize);
    if (!block) {
        return false;
    }
    std::memcpy(block.get(), layout->infoHeader, kBmpInfoHeaderSize);
    if (!read(kBmpHeadersSize, block.get() + kBmpInfoHeaderSize, size_t(layout->tableBytes)) ||
        !read(uint64_t(layout->pixelOffset), block.get() + layout->bitsOffset,
              size_t(layout->pixelBytes))) {
        return false;
    }

    block_ = std::move(block);
    blockSize_ = blockSize;
    format_ = layout->format;
    width_ = layout->width;
    height_ = layout->height;
    stride_ = layout->stride;
    colorTableOffset_ = layout->tableBytes != 0 ? int32_t{kBmpInfoHeaderSize} : 0;
    bitsOffset_ = layout->bitsOffset;
    return true;
}

void DibImage::Free() {
    block_.reset();
    blockSize_ = 0;
    format_ = 0;
    width_ = 0;
    height_ = 0;
    stride_ = 0;
    colorTableOffset_ = 0;
    bitsOffset_ = 0;
}

bool DibImage::CopyFrom(const DibImage& source) {
    Free();  // a copy from itself thus fails like one from an empty bitmap
    if (source.empty()) {
        return false;
    }
    block_ = AllocateBytes(source.blockSize_);
    if (!block_) {
        return false;
    }
    std::memcpy(block_.get(), source.block_.get(), source.blockSize_);
    blockSize_ = source.blockSize_;
    format_ = source.format_;
    width_ = source.width_;
    height_ = source.height_;
    stride_ = source.stride_;
    colorTableOffset_ = source.colorTableOffset_;
    bitsOffset_ = source.bitsOffset_;
    dirty_ = source.dirty_;
    return true;
}

uint32_t DibImage::colorCount() const {
    return colorTableOffset_ != 0 ? ReadLe32(block_.get() + kBiClrUsed) : 0;
}

const uint8_t* DibImage::pixel(int x, int y) const {
    return bits() + size_t(stride_) * size_t(height_ - 1 - y) + size_t(x) * bytesPerPixel();
}

uint8_t* DibImage::pixel(int x, int y) {
    return const_cast<uint8_t*>(static_cast<const DibImage&>(*this).pixel(x, y));
}

}  // namespace lumora
