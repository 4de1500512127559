// An 8-bit or 24-bit bottom-up bitmap held as one packed DIB (info header, colour table, pixel
// rows), with its dirty rectangle. Loading, copying and composition; no drawing. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "imaging/bmp_layout.h"
#include "imaging/pixel_rect.h"

namespace lumora {

class DibImage {
  public:
    // Replaces the content with the BMP file (or bytes); on failure the image is left empty.
    // What is refused is listed in bmp_layout.h.
    bool LoadFile(const std::string& path);
    bool LoadBytes(const uint8_t* data, size_t size);
    void Free();
    // An independent copy of the source's pixels and dirty rectangle; fails (leaving this empty)
    // for an empty source.
    bool CopyFrom(const DibImage& source);

    // Copies the source's pixels with its top-left corner at (x, y), a colour key when
    // transparency >= 0 (8-bit only, low 8 bits), clipped to clip when given; widens dirty().
    // Nothing happens when either image is empty or their formats differ.
    void Compose(const DibImage& source, int x, int y, int transparency,
                 const PixelRect* clip = nullptr);

    bool empty() const { return !block_; }
    int32_t format() const { return format_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t stride() const { return stride_; }
    int32_t colorTableOffset() const { return colorTableOffset_; }
    int32_t bitsOffset() const { return bitsOffset_; }
    int bytesPerPixel() const { return format_ == kFormat24Bit ? 3 : 1; }
    // Number of colour table entries (the stored biClrUsed when there is a table, else 0).
    uint32_t colorCount() const;

    // The packed DIB: info header, colour table, then the rows (what StretchDIBits takes).
    const uint8_t* block() const { return block_.get(); }
    size_t blockSize() const { return blockSize_; }
    const uint8_t* bits() const { return block_.get() + bitsOffset_; }
    uint8_t* bits() { return block_.get() + bitsOffset_; }
    // Colour table entry i as blue, green, red, reserved.
    const uint8_t* color(uint32_t i) const { return block_.get() + colorTableOffset_ + 4 * i; }
    // The first byte of the pixel at (x, y), y counted from the top; no range check.
    const uint8_t* pixel(int x, int y) const;
    uint8_t* pixel(int x, int y);

    const PixelRect& dirty() const { return dirty_; }
    void ClearDirty() { dirty_ = PixelRect{}; }

  private:
    // Reads count bytes at offset of the file into out; false when they are not all there.
    using ReadAt = std::function<bool(uint64_t offset, uint8_t* out, size_t count)>;
    bool Load(uint64_t fileSize, const ReadAt& read);

    // Allocated without exceptions (see dib_image.cpp).
    std::unique_ptr<uint8_t[]> block_;
    size_t blockSize_ = 0;
    int32_t format_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t stride_ = 0;
    int32_t colorTableOffset_ = 0;
    int32_t bitsOffset_ = 0;
    PixelRect dirty_;
};

}  // namespace lumora
