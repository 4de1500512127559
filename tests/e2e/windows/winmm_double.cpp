// A stand-in for winmm.dll, installed as the test prefix's system winmm: it plays nothing and
// appends one line per call, "<function> <flags in hex> <its own file> <sound name>", to the file
// named by LUMORA_SOUND_LOG, so that tests can see exactly which sounds the program asked for,
// with which flags, in which order, and which copy of the library played them.
#include <windows.h>

#include <cstdio>

#include "win/handles.h"

namespace {

void Log(const char* function, DWORD flags, const char* name) {
    char path[MAX_PATH] = {};
    if (!::GetEnvironmentVariableA("LUMORA_SOUND_LOG", path, MAX_PATH)) {
        return;
    }
    char self[MAX_PATH] = {};
    HMODULE module = nullptr;
    ::GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<const char*>(&Log), &module);
    ::GetModuleFileNameA(module, self, MAX_PATH);
    char line[1024];
    int length = std::snprintf(line, sizeof line, "%s 0x%lx %s %s\n", function, flags, self,
                               name ? name : "(null)");
    if (length < 0) {
        return;
    }
    if (length >= static_cast<int>(sizeof line)) {
        length = sizeof line - 1;
    }
    lumora::UniqueHandle file(::CreateFileA(path, FILE_APPEND_DATA,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return;
    }
    DWORD written = 0;
    ::WriteFile(file.get(), line, static_cast<DWORD>(length), &written, nullptr);
}

// Wide names are logged in their ANSI form.
void LogWide(const char* function, DWORD flags, const wchar_t* name) {
    char narrow[MAX_PATH] = {};
    if (name) {
        ::WideCharToMultiByte(CP_ACP, 0, name, -1, narrow, MAX_PATH, nullptr, nullptr);
    }
    Log(function, flags, name ? narrow : nullptr);
}

}  // namespace

extern "C" {

BOOL WINAPI sndPlaySoundA(const char* name, UINT flags) {
    Log("sndPlaySoundA", flags, name);
    return TRUE;
}

BOOL WINAPI sndPlaySoundW(const wchar_t* name, UINT flags) {
    LogWide("sndPlaySoundW", flags, name);
    return TRUE;
}

BOOL WINAPI PlaySoundA(const char* name, HMODULE, DWORD flags) {
    Log("PlaySoundA", flags, name);
    return TRUE;
}

BOOL WINAPI PlaySoundW(const wchar_t* name, HMODULE, DWORD flags) {
    LogWide("PlaySoundW", flags, name);
    return TRUE;
}

DWORD WINAPI timeGetTime() {
    return ::GetTickCount();
}

UINT WINAPI timeBeginPeriod(UINT) {
    return 0;
}

UINT WINAPI timeEndPeriod(UINT) {
    return 0;
}

}  // extern "C"
