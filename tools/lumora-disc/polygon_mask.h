// The pixels a region's polygon covers, with the alternate (even-odd) fill rule of the region
// that lumora.exe builds: a pixel belongs to it when its centre is inside.
#pragma once

#include <cstdint>
#include <vector>

#include "config/value_parse.h"

namespace lumora::disc {

class PolygonMask {
  public:
    PolygonMask(int width, int height)
        : width_(width), height_(height), bits_(Size(width, height)) {}

    // Adds the polygon's pixels (fewer than three points add none).
    void Fill(const std::vector<Point>& polygon);
    // Adds every pixel of the other mask of the same size.
    void Add(const PolygonMask& other);

    bool At(int x, int y) const { return bits_[static_cast<size_t>(y) * width_ + x] != 0; }
    bool Empty() const;
    // True when every pixel of this mask is in the other.
    bool Within(const PolygonMask& other) const;

  private:
    static size_t Size(int w, int h) { return w > 0 && h > 0 ? static_cast<size_t>(w) * h : 0; }
    int width_;
    int height_;
    std::vector<uint8_t> bits_;
};

}  // namespace lumora::disc
