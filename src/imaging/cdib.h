// A bitmap with its GDI palette, drawn 1:1 or at a whole-number scale with StretchDIBits.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "imaging/dib_image.h"
#include "win/handles.h"

namespace lumora {

class CDib {
  public:
    CDib() = default;
    CDib(const CDib&) = delete;
    CDib& operator=(const CDib&) = delete;
    virtual ~CDib() { Free(); }

    // Loads a BMP file; with a palette to borrow, no palette of its own is made. The borrowed
    // palette must outlive this bitmap's use of it.
    BOOL Load(const std::string& path, HPALETTE borrowedPalette = nullptr);
    // Empties the bitmap; an owned palette is deleted, a borrowed one only forgotten.
    void Free();
    // A copy of the source's pixels that borrows the source's palette.
    BOOL CopyFrom(const CDib& source);

    // Loads the picture's 2x sibling (DoubleSizePath of the path it was loaded from) when there
    // is one that fits it; it borrows this picture's palette and goes with it. A cache of
    // pictures keeps it by keeping the picture.
    BOOL LoadDoubleSize(const std::string& path);
    // Without a fitting sibling, makes one by doubling every pixel, so that the picture can be
    // placed on a canvas of 2x pictures; false when that fails. The picture itself is unchanged:
    // a shared picture can be doubled by whichever screen needs it.
    BOOL EnsureDoubleSize() const;
    // The 2x picture, or null.
    const CDib* doubleSize() const { return doubleSize_.get(); }
    // True when the 2x picture is the author's, not a doubled copy.
    bool hasAuthorsDoubleSize() const { return authorsDoubleSize_; }

    // Draws at (x, y), only inside clip when given, every pixel as a scale x scale block of
    // exactly its colour. The palette is selected (never realized) for the draw and the previous
    // one put back.
    void Draw(HDC dc, int x, int y, const RECT* clip = nullptr, int scale = 1) const;
    // Draws the dirty area with the top-left corner at (x, y) and forgets it.
    void DrawDirty(HDC dc, int x, int y, int scale = 1);
    void Compose(const CDib& source, int x, int y, int transparency, const RECT* clip = nullptr);

    bool empty() const { return image_.empty(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    HPALETTE palette() const { return ownedPalette_ ? ownedPalette_.get() : borrowedPalette_; }
    bool ownsPalette() const { return static_cast<bool>(ownedPalette_); }
    const DibImage& image() const { return image_; }
    DibImage& image() { return image_; }

  private:
    void CreateOwnPalette();

    DibImage image_;
    UniquePalette ownedPalette_;
    HPALETTE borrowedPalette_ = nullptr;
    // Borrows the palette above: declared after it. Made on demand by EnsureDoubleSize.
    mutable std::unique_ptr<CDib> doubleSize_;
    bool authorsDoubleSize_ = false;
};

// A palette of its own with the same entries; empty for no palette.
UniquePalette DuplicatePalette(HPALETTE source);

}  // namespace lumora
