// An 8-bit or 24-bit bottom-up bitmap held as one packed DIB (info header, colour table, pixel
// rows), with its dirty rectangle. Loading, copying and composition; no drawing. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumora {

// A rectangle in pixel coordinates: origin top-left, y downwards, right and bottom exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

enum DibFormat : int32_t { kFormat8Bit = 2, kFormat24Bit = 4 };

class DibImage {
public:
    // Replaces the content with the BMP file (or bytes); on failure the image is left empty.
    bool LoadFile(const std::string& path);
    bool LoadBytes(const uint8_t* data, size_t size);
    void Free();
    // An independent copy of the source's pixels; fails (leaving this empty) for an empty source.
    bool CopyFrom(const DibImage& source);

    // Copies the source's pixels with its top-left corner at (x, y), a colour key when
    // transparency >= 0 (8-bit only, low 8 bits), clipped to clip when given; widens dirty().
    void Compose(const DibImage& source, int x, int y, int transparency,
                 const PixelRect* clip = nullptr);

    bool empty() const { return block_.empty(); }
    int32_t format() const { return format_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t stride() const { return stride_; }
    int32_t colorTableOffset() const { return colorTableOffset_; }
    int32_t bitsOffset() const { return bitsOffset_; }
    // Number of colour table entries (the stored biClrUsed when there is a table, else 0).
    uint32_t colorCount() const;

    // The packed DIB: info header, colour table, then the rows (what StretchDIBits takes).
    const uint8_t* block() const { return block_.data(); }
    size_t blockSize() const { return block_.size(); }
    const uint8_t* bits() const { return block_.data() + bitsOffset_; }
    uint8_t* bits() { return block_.data() + bitsOffset_; }
    // Colour table entry i as blue, green, red, reserved.
    const uint8_t* color(uint32_t i) const { return block_.data() + colorTableOffset_ + 4 * i; }
    // The first byte of the pixel at (x, y), y counted from the top; no range check.
    const uint8_t* pixel(int x, int y) const;

    const PixelRect& dirty() const { return dirty_; }
    void ClearDirty() { dirty_ = PixelRect{}; }

private:
    std::vector<uint8_t> block_;
    int32_t format_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t stride_ = 0;
    int32_t colorTableOffset_ = 0;
    int32_t bitsOffset_ = 0;
    PixelRect dirty_;
};

}  // namespace lumora
