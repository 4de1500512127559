#include "win/resource_string.h"

#include <windows.h>

#include "win/window.h"

namespace lumora {

std::string ResourceString(unsigned id) {
    // A string-table entry holds at most 4097 characters; texts here are far shorter.
    char buffer[1024];
    int length = ::LoadStringA(ProgramInstance(), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace lumora
