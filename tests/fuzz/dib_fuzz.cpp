// Loads arbitrary bytes as a bitmap; when they load, checks the image's own bookkeeping, copies
// it, and composes it onto a canvas and a canvas onto it at an offset, with a key and a clip
// taken from the input. ASan and UBSan report any access outside the pixel memory.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "unit/dib_test_bmp.h"
#include "imaging/dib_image.h"

namespace {

using lumora::DibImage;
using lumora::PixelRect;

// Larger inputs only make the same checks slower: the loader's work is bounded by the file size.
constexpr size_t kMaxInput = 1 << 16;

DibImage MakeCanvas(const lumora::test::TestBmp& bmp) {
    DibImage canvas;
    const std::vector<uint8_t> bytes = bmp.Bytes();
    if (!canvas.LoadBytes(bytes.data(), bytes.size())) {
        std::abort();
    }
    return canvas;
}

const DibImage& Canvas(int32_t format) {
    static const DibImage canvas8 = MakeCanvas(lumora::test::Bmp8(48, 40));
    static const DibImage canvas24 = MakeCanvas(lumora::test::Bmp24(48, 40));
    return format == lumora::kFormat8Bit ? canvas8 : canvas24;
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > kMaxInput) {
        return 0;
    }
    DibImage image;
    if (!image.LoadBytes(data, size)) {
        Check(image.empty() && image.width() == 0 && image.blockSize() == 0);
        return 0;
    }
    Check(image.width() > 0 && image.height() > 0);
    Check(image.blockSize() ==
          size_t(image.bitsOffset()) + size_t(image.stride()) * size_t(image.height()));
    // The promise of bmp_layout.h: the block is never larger than the file less its file header.
    Check(image.blockSize() + lumora::kBmpFileHeaderSize <= size);

    // The input's last bytes choose the offset, the key and the clip.
    const uint8_t* tail = data + size - 6;
    const int x = int8_t(tail[0]) * 2;
    const int y = int8_t(tail[1]) * 2;
    const int transparency = int(tail[2]) - 4;  // -4 to 251: opaque and keyed
    const PixelRect clip{int8_t(tail[3]), int8_t(tail[4]), int8_t(tail[3]) + tail[5],
                         int8_t(tail[4]) + tail[5]};
    const bool clipped = tail[5] & 1;

    DibImage copy;
    Check(copy.CopyFrom(image));
    DibImage canvas;
    Check(canvas.CopyFrom(Canvas(image.format())));
    canvas.Compose(image, x, y, transparency, clipped ? &clip : nullptr);
    copy.Compose(canvas, -x, -y, transparency, clipped ? &clip : nullptr);
    copy.Compose(copy, x / 2, y / 2, transparency);

    const PixelRect& dirty = copy.dirty();
    Check(dirty.empty() || (dirty.left >= 0 && dirty.top >= 0 && dirty.right <= copy.width() &&
                            dirty.bottom <= copy.height()));
    return 0;
}
