#include "rgb_image.h"

namespace lumora::disc {

Rgb RgbImage::At(int x, int y) const {
    const uint8_t* p = &samples[(static_cast<size_t>(y) * width + x) * 3];
    return {p[0], p[1], p[2]};
}

void RgbImage::Set(int x, int y, Rgb color) {
    if (!Contains(x, y)) {
        return;
    }
    uint8_t* p = &samples[(static_cast<size_t>(y) * width + x) * 3];
    p[0] = color.r;
    p[1] = color.g;
    p[2] = color.b;
}

Rgb ShownColor(const DibImage& image, const DibImage& colors, int x, int y) {
    const uint8_t* p = image.pixel(x, y);
    if (image.format() == kFormat24Bit) {
        return {p[2], p[1], p[0]};
    }
    if (*p < colors.colorCount()) {
        const uint8_t* c = colors.color(*p);
        return {c[2], c[1], c[0]};
    }
    return {};
}

RgbImage ToRgb(const DibImage& image, const DibImage& colors) {
    RgbImage out(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            out.Set(x, y, ShownColor(image, colors, x, y));
        }
    }
    return out;
}

}  // namespace lumora::disc
