// System DLLs that Lumora loads itself, from the system folder only: a DLL of the same name
// planted beside lumora.exe (on a writable stick, in a downloads folder) is never loaded.
#pragma once

#include <windows.h>

namespace lumora {

// Restricts the DLL search of this process to the system folder; the first thing at start.
void RestrictDllSearchToSystem();

// Loads a DLL of the system folder by its file name; null when it cannot be loaded.
HMODULE LoadSystemLibrary(const char* fileName);

// Loads a system DLL by its file name as the program's manifest redirects it (comctl32 6 lives
// side by side, not in the system folder); null when it cannot be loaded.
HMODULE LoadSideBySideSystemLibrary(const char* fileName);

// A function of a loaded module as the type it is called through; null when the module is null
// or lacks the function (an older system).
template <typename Function>
Function ModuleFunction(HMODULE module, const char* functionName) {
    return module ? reinterpret_cast<Function>(
                        reinterpret_cast<void*>(::GetProcAddress(module, functionName)))
                  : nullptr;
}

// A function of a DLL of the system folder, which stays loaded until the process ends; null
// when the DLL or the function is missing.
template <typename Function>
Function SystemFunction(const char* fileName, const char* functionName) {
    return ModuleFunction<Function>(LoadSystemLibrary(fileName), functionName);
}

}  // namespace lumora
