#include "polygon_mask.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace lumora::disc {

std::vector<std::pair<int, int>> PolygonRowSpans(const std::vector<Point>& polygon, int y,
                                                 int width) {
    std::vector<std::pair<int, int>> spans;
    if (polygon.size() < 3 || width <= 0) {
        return spans;
    }
    const double centre = y + 0.5;
    std::vector<double> crossings;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Point& a = polygon[i];
        const Point& b = polygon[(i + 1) % polygon.size()];
        // Half-open in y, so that a vertex on the line counts once.
        if ((a.y <= centre) != (b.y <= centre)) {
            const double t = (centre - a.y) / (static_cast<double>(b.y) - a.y);
            crossings.push_back(a.x + t * (static_cast<double>(b.x) - a.x));
        }
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
        // Clamped before the conversion: shapes may lie far outside the picture.
        const double w = width;
        const double from = std::clamp(std::ceil(crossings[i] - 0.5), 0.0, w);
        const double to = std::clamp(std::ceil(crossings[i + 1] - 0.5), 0.0, w);
        if (from < to) {
            spans.emplace_back(static_cast<int>(from), static_cast<int>(to));
        }
    }
    return spans;
}

bool PolygonCovers(const std::vector<Point>& polygon, int x, int y) {
    if (x < 0 || x == INT_MAX) {
        return false;
    }
    for (const auto& [from, to] : PolygonRowSpans(polygon, y, x + 1)) {
        if (x >= from && x < to) {
            return true;
        }
    }
    return false;
}

void PolygonMask::Fill(const std::vector<Point>& polygon) {
    if (bits_.empty()) {
        return;
    }
    for (int y = 0; y < height_; ++y) {
        for (const auto& [from, to] : PolygonRowSpans(polygon, y, width_)) {
            for (int x = from; x < to; ++x) {
                bits_[static_cast<size_t>(y) * width_ + x] = 1;
            }
        }
    }
}

void PolygonMask::Add(const PolygonMask& other) {
    for (size_t i = 0; i < bits_.size() && i < other.bits_.size(); ++i) {
        bits_[i] |= other.bits_[i];
    }
}

bool PolygonMask::Empty() const {
    return std::none_of(bits_.begin(), bits_.end(), [](uint8_t b) { return b != 0; });
}

bool PolygonMask::Within(const PolygonMask& other) const {
    for (size_t i = 0; i < bits_.size(); ++i) {
        if (bits_[i] && (i >= other.bits_.size() || !other.bits_[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace lumora::disc
