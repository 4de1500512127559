// What the portable loaders of screens, regions and menus need from the program: the
// string-table texts (the INI section and key names) and the path macro expansion. Portable.
#pragma once

#include <functional>
#include <string>

namespace lumora {

struct ModelContext {
    std::function<std::string(unsigned id)> text;
    std::function<void(std::string& path)> expandPath;
};

}  // namespace lumora
