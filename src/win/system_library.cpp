#include "win/system_library.h"

#include <string>

namespace lumora {

namespace {
// Older headers lack it; systems before the DLL search update refuse it with error 87.
constexpr DWORD kSearchSystem32 = 0x00000800;
}  // namespace

void RestrictDllSearchToSystem() {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    // Looked up: systems without the DLL search update do not have it.
    const auto set = ModuleFunction<SetDirectories>(::GetModuleHandleA("kernel32.dll"),
                                                    "SetDefaultDllDirectories");
    if (set) {
        set(kSearchSystem32);
    }
}

HMODULE LoadSystemLibrary(const char* fileName) {
    if (HMODULE module = ::LoadLibraryExA(fileName, nullptr, kSearchSystem32)) {
        return module;
    }
    if (::GetLastError() != ERROR_INVALID_PARAMETER) {
        return nullptr;
    }
    // Without the search flag: the full path into the system folder.
    char folder[MAX_PATH + 1] = {};
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::string path = std::string(folder, length) + "\\" + fileName;
    return ::LoadLibraryA(path.c_str());
}

HMODULE LoadSideBySideSystemLibrary(const char* fileName) {
    // A bare name: the manifest's side-by-side redirection comes before any search.
    if (HMODULE module = ::LoadLibraryExA(fileName, nullptr, kSearchSystem32)) {
        return module;
    }
    if (::GetLastError() != ERROR_INVALID_PARAMETER) {
        return nullptr;
    }
    // Without the search flag (XP) a full path would miss the side-by-side version, and the
    // redirection still comes first.
    return ::LoadLibraryA(fileName);
}

}  // namespace lumora
