// Copying one row of 8-bit pixels with a colour key. Portable; uses SSE2 where the target has it.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define LUMORA_HAVE_SSE2 1
#endif

namespace lumora {

// Copies count bytes from src to dst, except that every src byte equal to key leaves its dst
// byte as it was. dst and src must not overlap.
void CopyRowKeyed(uint8_t* dst, const uint8_t* src, size_t count, uint8_t key);

// The two ways CopyRowKeyed works, open to the tests: a compare-and-select over machine words
// (any target), and one over 16-byte vectors.
void CopyRowKeyedWords(uint8_t* dst, const uint8_t* src, size_t count, uint8_t key);
#ifdef LUMORA_HAVE_SSE2
void CopyRowKeyedSse2(uint8_t* dst, const uint8_t* src, size_t count, uint8_t key);
#endif

}  // namespace lumora
