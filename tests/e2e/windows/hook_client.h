// Asks the hook DLL, loaded into the thread that owns a window, a question about that program.
#pragma once

#include <windows.h>

#include <string>

// The hook's answer to `query` for `window` (see probe_hook.cpp), or "err ..." when it failed.
std::string AskHook(HWND window, const std::string& query);
