// Starting a process from a command line, and the file tests and path conversion around it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win/handles.h"

namespace lumora {

// The path names a file, not a folder (a bare name is looked for as the system looks for
// programs, up to the search path). Paths up to MAX_PATH characters, as CreateProcess takes.
bool FileExists(const std::string& path);

// The program part of the line (between the quotes of a quoted line, else before the first
// blank) or the whole line names an existing file.
bool CommandFileExists(const std::string& line);

// GetShortPathName of the path, or nothing when it fails or does not fit 260 characters.
std::optional<std::string> ShortPathOf(const std::string& path);

// Starts the line in the folder (null: the launcher's own; given, it becomes the launcher's
// current folder too). An empty handle when it failed: the last error tells why (2 when the
// program file is not there, whatever the search path holds).
UniqueHandle StartProcess(const std::string& line, const std::string* folder);

// Starts the line's program with its arguments in the folder through the shell, which asks for
// the rights that the program's manifest requires. False when it failed (last error set; 1223
// when the user declined); `process` may stay empty on success.
bool StartThroughShell(const std::string& line, const std::string* folder, UniqueHandle& process);

}  // namespace lumora
