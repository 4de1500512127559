// The names that the disc image holds as written, so that Windows, reading its Joliet names,
// opens the file that Lumora.ini names. The image is made with long Joliet names in UTF-16
// from UTF-8 names on the disc (xorriso -joliet-long -joliet-utf16 -input-charset UTF-8).
#pragma once

#include <optional>
#include <string>

namespace lumora::disc {

// Joliet names as the image is made hold this many UTF-16 units; longer ones are cut.
constexpr size_t kMaxImageNameLength = 103;

// Why the image or Windows cannot hold a name of the disc folder (UTF-8, as the folder gives
// it) as written, to follow the name: "has ':' in its name, ..."; nothing when they can.
std::optional<std::string> ImageNameProblem(const std::string& name);

// A name for a message: as written, with each byte that is not UTF-8 shown as \xHH, so that the
// message is UTF-8 text.
std::string ShownName(const std::string& name);

}  // namespace lumora::disc
