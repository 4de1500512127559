#include "imaging/cdib.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/double_size.h"
#include "imaging/pixel_scale.h"
#include "imaging/rect_conversion.h"

namespace lumora {
namespace {

UniquePalette MakePalette(const std::vector<PALETTEENTRY>& colors) {
    if (colors.empty()) {
        return UniquePalette();
    }
    std::vector<uint8_t> memory(offsetof(LOGPALETTE, palPalEntry) +
                                colors.size() * sizeof(PALETTEENTRY));
    auto* logPalette = reinterpret_cast<LOGPALETTE*>(memory.data());
    logPalette->palVersion = 0x300;
    logPalette->palNumEntries = static_cast<WORD>(colors.size());
    std::copy(colors.begin(), colors.end(), logPalette->palPalEntry);
    return UniquePalette(::CreatePalette(logPalette));
}

}  // namespace

UniquePalette DuplicatePalette(HPALETTE source) {
    if (!source) {
        return UniquePalette();
    }
    std::vector<PALETTEENTRY> colors(::GetPaletteEntries(source, 0, 0, nullptr));
    ::GetPaletteEntries(source, 0, static_cast<UINT>(colors.size()), colors.data());
    return MakePalette(colors);
}

BOOL CDib::Load(const std::string& path, HPALETTE borrowedPalette) {
    Free();
    if (!image_.LoadFile(path)) {
        return FALSE;
    }
    if (borrowedPalette) {
        borrowedPalette_ = borrowedPalette;
    } else {
        CreateOwnPalette();
    }
    return TRUE;
}

void CDib::CreateOwnPalette() {
    // A LOGPALETTE counts its entries in a WORD; the loader keeps no longer table
    // (kMaxColorTable24), and the clamp holds should that limit ever grow.
    const uint32_t count = std::min<uint32_t>(image_.colorCount(), 0xFFFF);
    std::vector<PALETTEENTRY> colors(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* bgrx = image_.color(i);
        colors[i] = PALETTEENTRY{bgrx[2], bgrx[1], bgrx[0], 0};
    }
    ownedPalette_ = MakePalette(colors);
}

void CDib::Free() {
    doubleSize_.reset();
    authorsDoubleSize_ = false;
    image_.Free();
    ownedPalette_.reset();
    borrowedPalette_ = nullptr;
}

BOOL CDib::CopyFrom(const CDib& source) {
    const HPALETTE sourcePalette = source.palette();
    Free();
    if (!image_.CopyFrom(source.image_)) {
        return FALSE;
    }
    borrowedPalette_ = sourcePalette;
    return TRUE;
}

BOOL CDib::LoadDoubleSize(const std::string& path) {
    doubleSize_.reset();
    authorsDoubleSize_ = false;
    if (empty()) {
        return FALSE;
    }
    auto twin = std::make_unique<CDib>();
    if (!twin->image_.LoadFile(DoubleSizePath(path)) ||
        CheckDoubleSize(image_, twin->image_) != DoubleSizeFault::kNone) {
        return FALSE;
    }
    twin->borrowedPalette_ = palette();
    doubleSize_ = std::move(twin);
    authorsDoubleSize_ = true;
    return TRUE;
}

BOOL CDib::EnsureDoubleSize() const {
    if (doubleSize_) {
        return TRUE;
    }
    auto twin = std::make_unique<CDib>();
    if (!DoubleImage(image_, twin->image_)) {
        return FALSE;
    }
    twin->borrowedPalette_ = palette();
    doubleSize_ = std::move(twin);
    return TRUE;
}

void CDib::Draw(HDC dc, int x, int y, const RECT* clip, int scale) const {
    if (!dc || empty()) {
        return;
    }
    scale = scale > 1 ? scale : 1;
    // The picture pixels to draw: all, or those whose blocks touch the clip.
    PixelRect source = PlacedRect(0, 0, width(), height());
    if (clip) {
        const PixelRect windowClip = OffsetRect(ToPixelRect(*clip), -x, -y);
        source = IntersectRect(source, PictureAreaOf(windowClip, scale));
    }
    // No smoothing: each source pixel is copied to a whole block.
    ::SetStretchBltMode(dc, COLORONCOLOR);
    PaletteScope selected(dc, palette());
    if (source.empty()) {
        return;
    }
    const PixelRect target = OffsetRect(ScaleRect(source, scale), x, y);
    // The source origin is the bottom-left corner of the DIB; source lies inside the picture.
    const int sourceY = height() - source.bottom;
    ::StretchDIBits(dc, target.left, target.top, target.width(), target.height(), source.left,
                    sourceY, source.width(), source.height(), image_.bits(),
                    reinterpret_cast<const BITMAPINFO*>(image_.block()), DIB_RGB_COLORS, SRCCOPY);
}

void CDib::DrawDirty(HDC dc, int x, int y, int scale) {
    const PixelRect dirty = image_.dirty();
    if (dirty.empty()) {
        return;
    }
    const RECT clip = ToRect(OffsetRect(ScaleRect(dirty, scale), x, y));
    Draw(dc, x, y, &clip, scale);
    image_.ClearDirty();
}

void CDib::Compose(const CDib& source, int x, int y, int transparency, const RECT* clip) {
    if (clip) {
        const PixelRect pixelClip = ToPixelRect(*clip);
        image_.Compose(source.image_, x, y, transparency, &pixelClip);
    } else {
        image_.Compose(source.image_, x, y, transparency);
    }
}

}  // namespace lumora
