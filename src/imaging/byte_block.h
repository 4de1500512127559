// Zeroed bytes, or none when memory is short: a picture too big to hold then fails to load like a
// broken one. No exception is involved, so lumora.exe needs no unwinder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

namespace lumora {

inline std::unique_ptr<uint8_t[]> AllocateBytes(size_t size) {
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[size]());
}

}  // namespace lumora
