// Trimming and extending the text that an application's setup recorded in the registry, as the
// region's "RegistrySubtract" and "RegistryAppend" keys ask. Portable.
#pragma once

#include <string>

namespace lumora {

// Removes `count` characters from the end: the first (length - count) characters stay. A count
// larger than the text leaves it empty; a negative count (more than the length to keep) leaves
// it whole.
void RegistrySubtract(std::string& text, int count);

void RegistryAppend(std::string& text, const std::string& tail);

}  // namespace lumora
