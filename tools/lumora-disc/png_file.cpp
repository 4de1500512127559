// The PNG pictures and the page's packed files, with stb's encoder and its zlib compressor.
#include <climits>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "rgb_image.h"
#include "zlib_pack.h"

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

std::optional<std::string> ZlibPack(const std::string& bytes) {
    if (bytes.size() >= INT_MAX) {
        return std::nullopt;
    }
    if (bytes.empty()) {
        // stb's compressor leaves out the one empty block that nothing needs.
        return std::string("\x78\x9C\x03\x00\x00\x00\x00\x01", 8);
    }
    int size = 0;
    // stb hands out memory from malloc.
    const std::unique_ptr<unsigned char, decltype(&std::free)> packed(
        stbi_zlib_compress(reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.data())),
                           static_cast<int>(bytes.size()), &size, 8),
        &std::free);
    if (!packed) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(packed.get()), static_cast<size_t>(size));
}

}  // namespace lumora::disc
