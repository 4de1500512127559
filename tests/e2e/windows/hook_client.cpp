#include "hook_client.h"

#include "hook_protocol.h"
#include "win/handles.h"

namespace {

void Unhook(HHOOK hook) {
    ::UnhookWindowsHookEx(hook);
}
using UniqueHook = lumora::UniqueAny<HHOOK, Unhook>;

// The hook DLL sits beside the probe.
std::string HookDllPath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "lumora_probe_hook.dll";
}

}  // namespace

std::string AskHook(HWND window, const std::string& query) {
    static lumora::UniqueLibrary dll(::LoadLibraryA(HookDllPath().c_str()));
    if (!dll) {
        return "err no hook dll";
    }
    auto proc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(::GetProcAddress(dll.get(), "ProbeCallWndProc")));
    DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    if (!proc || !thread) {
        return "err no window";
    }
    lumora::UniqueHandle block(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                                    0, LUMORA_HOOK_BLOCK_SIZE,
                                                    LUMORA_HOOK_MAPPING));
    char* text = block ? static_cast<char*>(::MapViewOfFile(block.get(), FILE_MAP_ALL_ACCESS, 0, 0,
                                                            LUMORA_HOOK_BLOCK_SIZE))
                       : nullptr;
    if (!text) {
        return "err no shared block";
    }
    lstrcpynA(text, query.c_str(), LUMORA_HOOK_BLOCK_SIZE);
    std::string answer = "err no answer";
    {
        UniqueHook hook(::SetWindowsHookExA(WH_CALLWNDPROC, proc, dll.get(), thread));
        DWORD_PTR result = 0;
        if (hook && ::SendMessageTimeoutA(window, ::RegisterWindowMessageA(LUMORA_HOOK_MESSAGE), 0,
                                          0, SMTO_ABORTIFHUNG, 5000, &result)) {
            if (query != text) {
                answer = text;
            }
        }
    }
    ::UnmapViewOfFile(text);
    return answer;
}
