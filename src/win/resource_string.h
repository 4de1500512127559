// Texts of the string table, loaded by id where they are used.
#pragma once

#include <string>

namespace lumora {

// The string-table text with this id, or the empty text when there is none.
std::string ResourceString(unsigned id);

}  // namespace lumora
