// Composition of one bitmap onto another, with the dirty rectangle it leaves.
#include <cstring>

#include "imaging/dib_image.h"
#include "imaging/row_copy.h"

namespace lumora {

void DibImage::Compose(const DibImage& source, int x, int y, int transparency,
                       const PixelRect* clip) {
    if (empty() || source.empty() || format_ != source.format_) {
        return;
    }
    if (&source == this) {
        // Rows would be read after they were written: compose from a snapshot instead.
        DibImage snapshot;
        if (snapshot.CopyFrom(source)) {
            Compose(snapshot, x, y, transparency, clip);
        }
        return;
    }
    PixelRect target{0, 0, width_, height_};
    if (clip) {
        target = IntersectRect(target, *clip);
    }
    target = IntersectRect(target, PlacedRect(x, y, source.width_, source.height_));
    if (target.empty()) {
        return;
    }
    dirty_ = UnionRect(dirty_, target);

    // Inside target both pictures have the pixels addressed here. Rows go downwards in the
    // picture, which is backwards in memory; offsets are counted from each image's bits().
    const int bpp = bytesPerPixel();
    const size_t rowBytes = size_t(target.width()) * bpp;
    ptrdiff_t to = pixel(target.left, target.top) - bits();
    ptrdiff_t from = source.pixel(target.left - x, target.top - y) - source.bits();
    const bool keyed = format_ == kFormat8Bit && transparency >= 0;
    const uint8_t key = static_cast<uint8_t>(transparency & 0xFF);
    for (int row = target.top; row < target.bottom; ++row) {
        if (keyed) {
            CopyRowKeyed(bits() + to, source.bits() + from, rowBytes, key);
        } else {
            std::memcpy(bits() + to, source.bits() + from, rowBytes);
        }
        to -= stride_;
        from -= source.stride_;
    }
}

}  // namespace lumora
