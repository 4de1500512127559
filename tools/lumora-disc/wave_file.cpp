#include "wave_file.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "imaging/bmp_layout.h"

namespace lumora::disc {

namespace {

constexpr uint16_t kWaveFormatPcm = 1;

bool Tag(const uint8_t* p, const char* tag) {
    return p[0] == tag[0] && p[1] == tag[1] && p[2] == tag[2] && p[3] == tag[3];
}

}  // namespace

std::optional<std::string> WaveProblem(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return "cannot be read";
    }
    // The headers of every chunk before the samples; a sound file of a disc is small.
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || !Tag(bytes.data(), "RIFF") || !Tag(bytes.data() + 8, "WAVE")) {
        return "not a RIFF WAVE file";
    }
    bool pcm = false;
    bool format = false;
    uint64_t at = 12;  // 64 bits: a hostile chunk size must not wrap it
    while (at + 8 <= bytes.size()) {
        const uint8_t* chunk = bytes.data() + at;
        const uint32_t size = ReadLe32(chunk + 4);
        if (Tag(chunk, "fmt ")) {
            if (size < 16 || at + 8 + 16 > bytes.size()) {
                return "its format chunk is cut short";
            }
            format = true;
            const uint16_t tag = ReadLe16(chunk + 8);
            if (tag != kWaveFormatPcm) {
                return "not PCM (format tag " + std::to_string(tag) + ")";
            }
            pcm = true;
        } else if (Tag(chunk, "data")) {
            if (!format) {
                return "its samples come before their format chunk";
            }
            return pcm ? std::nullopt : std::optional<std::string>("not PCM");
        }
        // Chunks are padded to an even size.
        at += 8 + uint64_t{size} + (size & 1);
    }
    return format ? "it has no sample data" : "it has no format chunk";
}

}  // namespace lumora::disc
