// The model context of lumora.exe: texts from its own string table, paths expanded with the
// real folders.
#pragma once

#include "config/model_context.h"

namespace lumora {

ModelContext ProgramModelContext();

}  // namespace lumora
