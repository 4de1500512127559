#include <fstream>

#include "rgb_image.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace lumora::disc {

bool WritePng(const std::string& path, const RgbImage& image) {
    std::vector<uint8_t> bytes;
    auto append = [](void* context, void* data, int size) {
        auto* out = static_cast<std::vector<uint8_t>*>(context);
        const auto* begin = static_cast<const uint8_t*>(data);
        out->insert(out->end(), begin, begin + size);
    };
    if (image.width <= 0 || image.height <= 0 ||
        !stbi_write_png_to_func(append, &bytes, image.width, image.height, 3, image.samples.data(),
                                image.width * 3)) {
        return false;
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace lumora::disc
