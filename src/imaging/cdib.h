// A bitmap with its GDI palette, drawn 1:1 with StretchDIBits.
#pragma once

#include <windows.h>

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

    // Draws at (x, y), only inside clip when given. The palette is selected (never realized)
    // for the draw and the previous one put back.
    void Draw(HDC dc, int x, int y, const RECT* clip = nullptr) const;
    // Draws the dirty area with the top-left corner at (x, y) and forgets it.
    void DrawDirty(HDC dc, int x, int y);
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
};

// A palette of its own with the same entries; empty for no palette.
UniquePalette DuplicatePalette(HPALETTE source);

}  // namespace lumora
