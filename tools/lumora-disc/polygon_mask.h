// The pixels a region's polygon covers, with the alternate (even-odd) fill rule of the region
// that lumora.exe builds: a pixel belongs to it when its centre is inside.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "config/value_parse.h"

namespace lumora::disc {

// The pixels [from, to) of row y that the polygon covers, clipped to [0, width); none for fewer
// than three points.
std::vector<std::pair<int, int>> PolygonRowSpans(const std::vector<Point>& polygon, int y,
                                                 int width);

// True when the polygon covers the pixel at (x, y): what a point in the region hits.
bool PolygonCovers(const std::vector<Point>& polygon, int x, int y);

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
