// Bytes packed in the zlib format, which browsers unpack with DecompressionStream("deflate"):
// the page carries the disc's files so, about a quarter of their size for the demo's pictures.
#pragma once

#include <optional>
#include <string>

namespace lumora::disc {

// Nothing for what the packer cannot take (2 GB or more) or when memory runs out.
std::optional<std::string> ZlibPack(const std::string& bytes);

}  // namespace lumora::disc
