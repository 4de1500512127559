#include "config/program_model_context.h"

#include "config/settings.h"
#include "win/resource_string.h"

namespace lumora {

ModelContext ProgramModelContext() {
    return ModelContext{ResourceString, [](std::string& path) { ExpandPathMacros(path); }};
}

}  // namespace lumora
