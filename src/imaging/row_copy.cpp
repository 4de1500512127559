#include "imaging/row_copy.h"

#include <cstring>

#ifdef LUMORA_HAVE_SSE2
#include <emmintrin.h>
#endif

// Both ways select whole blocks of pixels, with no branch per pixel. A row that is not a whole
// number of blocks ends with one block that overlaps the one before it: it is selected from the
// untouched row before anything is stored (so no load waits for a store in flight) and stored
// last, which gives the overlapped bytes the values they already have.

namespace lumora {
namespace {

using Word = uintptr_t;
constexpr Word kLow7Bits = ~Word{0} / 0xFF * 0x7F;  // 0x7F in every byte

// The src word with the dst bytes kept where src holds the key. A byte of the mask becomes 0xFF
// when src differs from the key there; no carry crosses from one byte into the next.
Word SelectWord(Word src, Word dst, Word keys) {
    const Word diff = src ^ keys;
    const Word nonZeroHigh = (((diff & kLow7Bits) + kLow7Bits) | diff) & ~kLow7Bits;
    const Word copyMask = (nonZeroHigh >> 7) * 0xFF;
    return (src & copyMask) | (dst & ~copyMask);
}

Word LoadWord(const uint8_t* p) {
    Word w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

void StoreWord(uint8_t* p, Word w) {
    std::memcpy(p, &w, sizeof w);
}

void CopyBytesKeyed(uint8_t* dst, const uint8_t* src, size_t count, uint8_t key) {
    for (size_t i = 0; i < count; ++i) {
        if (src[i] != key) {
            dst[i] = src[i];
        }
    }
}

#ifdef LUMORA_HAVE_SSE2
__m128i Load16(const uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
void Store16(uint8_t* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

__m128i Select16(const uint8_t* src, const uint8_t* dst, __m128i keys) {
    const __m128i s = Load16(src);
    const __m128i keep = _mm_cmpeq_epi8(s, keys);
    return _mm_or_si128(_mm_and_si128(keep, Load16(dst)), _mm_andnot_si128(keep, s));
}
#endif

}  // namespace

void CopyRowKeyedWords(uint8_t* dst, const uint8_t* src, size_t count, uint8_t key) {
    constexpr size_t kSize = sizeof(Word);
    if (count < kSize) {
        CopyBytesKeyed(dst, src, count, key);
        return;
    }
    const Word keys = ~Word{0} / 0xFF * key;
    const Word last =
        SelectWord(LoadWord(src + count - kSize), LoadWord(dst + count - kSize), keys);
    for (size_t i = 0; i + kSize <= count; i += kSize) {
        StoreWord(dst + i, SelectWord(LoadWord(src + i), LoadWord(dst + i), keys));
    }
    StoreWord(dst + count - kSize, last);
}

#ifdef LUMORA_HAVE_SSE2
void CopyRowKeyedSse2(uint8_t* dst, const uint8_t* src, size_t count, uint8_t key) {
    if (count < 16) {
        CopyRowKeyedWords(dst, src, count, key);
        return;
    }
    const __m128i keys = _mm_set1_epi8(static_cast<char>(key));
    const __m128i last = Select16(src + count - 16, dst + count - 16, keys);
    size_t i = 0;
    // Four independent vectors per step keep the loop overhead small on short rows.
    for (; i + 64 <= count; i += 64) {
        const __m128i a = Select16(src + i, dst + i, keys);
        const __m128i b = Select16(src + i + 16, dst + i + 16, keys);
        const __m128i c = Select16(src + i + 32, dst + i + 32, keys);
        const __m128i d = Select16(src + i + 48, dst + i + 48, keys);
        Store16(dst + i, a);
        Store16(dst + i + 16, b);
        Store16(dst + i + 32, c);
        Store16(dst + i + 48, d);
    }
    for (; i + 16 <= count; i += 16) {
        Store16(dst + i, Select16(src + i, dst + i, keys));
    }
    Store16(dst + count - 16, last);
}
#endif

void CopyRowKeyed(uint8_t* dst, const uint8_t* src, size_t count, uint8_t key) {
#ifdef LUMORA_HAVE_SSE2
    CopyRowKeyedSse2(dst, src, count, key);
#else
    CopyRowKeyedWords(dst, src, count, key);
#endif
}

}  // namespace lumora
