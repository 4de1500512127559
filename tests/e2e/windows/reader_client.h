// Asks a window's object for screen readers what a reader in another process asks, through
// AccessibleObjectFromWindow, and hears the events a reader hears.
#pragma once

#include <windows.h>

#include <string>

// The answer to `query` about `window`'s client object (see reader_client.cpp), or "err ...".
std::string AskReader(HWND window, const std::string& query);
