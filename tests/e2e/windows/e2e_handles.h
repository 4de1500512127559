// The program's RAII handle types for the test programs. <windows.h> defines FreeModule as a
// macro, which collides with a helper of that name in win/handles.h.
#pragma once

#include <windows.h>
#undef FreeModule

#include "win/handles.h"
