// Checks a keyed row copy against the plain rule, byte for byte, on rows of every length up to
// 300 at several alignments. Shared by the native tests and the Windows build's tests, which
// run the copy that ships in the 32-bit program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace lumora::test {

using KeyedCopy = void (*)(uint8_t* dst, const uint8_t* src, size_t count, uint8_t key);

// The rule: every source byte that is not the key is copied.
inline void PlainKeyedCopy(uint8_t* dst, const uint8_t* src, size_t count, uint8_t key) {
    for (size_t i = 0; i < count; ++i) {
        if (src[i] != key) {
            dst[i] = src[i];
        }
    }
}

// The first row on which copy differs from the rule, or the empty text.
inline std::string FirstMismatch(KeyedCopy copy) {
    std::mt19937 random(7);
    for (size_t count = 0; count <= 300; ++count) {
        for (size_t offset : {0, 1, 3, 7}) {
            const uint8_t key = static_cast<uint8_t>(random());
            std::vector<uint8_t> src(count + 16), dst(count + 16);
            for (size_t i = 0; i < src.size(); ++i) {
                // Keys in runs and alone, and bytes one bit away from the key.
                const uint32_t r = random() % 8;
                src[i] = r < 3    ? key
                         : r == 3 ? uint8_t(key ^ (1u << random() % 8))
                                  : static_cast<uint8_t>(random());
                dst[i] = static_cast<uint8_t>(random());
            }
            std::vector<uint8_t> expected = dst;
            PlainKeyedCopy(expected.data() + offset, src.data() + offset, count, key);
            copy(dst.data() + offset, src.data() + offset, count, key);
            if (dst != expected) {
                return "count " + std::to_string(count) + ", offset " + std::to_string(offset);
            }
        }
    }
    return {};
}

}  // namespace lumora::test
