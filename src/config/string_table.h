// The texts of the string table for the portable core, which cannot load resources: the build
// writes them from the same resource script that lumora.exe carries. Portable.
#pragma once

#include <string>
#include <vector>

namespace lumora {

// The text with this id, or the empty text for an id the table does not have.
std::string BuiltInText(unsigned id);

// Every id the table has, in the order of the resource script.
std::vector<unsigned> BuiltInTextIds();

}  // namespace lumora
