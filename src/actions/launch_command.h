// Turning a configured command into the line that is started: the found disc's drive letter,
// the short form of the program path, and the file that tells whether the program is there.
// Portable: the short-path conversion is passed in.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "actions/launch_entry.h"

namespace lumora {

// The short form of a path, or nothing when there is none (a missing file, arguments).
using ShortPathFunction = std::function<std::optional<std::string>(const std::string&)>;

// Puts the drive letter `drive` (a character code, upper case only) into the line: the letter
// after a leading quote when a colon follows it, else the first letter when a colon follows it.
// Any other value (-1 for the install folder, 0 for not found) changes nothing.
void SubstituteDiscDrive(std::string& line, int drive);

// A quoted program (up to the quote that closes the first, as CreateProcess reads it) becomes
// short and loses its quotes when what results has no blank, its arguments kept as written after
// one blank; an unquoted line is split at its first blank, the program made short and the
// rebuilt line converted once more (which turns a long path with blanks and no arguments into
// its short form). A line without blank and quotes comes back unchanged.
std::string ToShortPath(const std::string& line, const ShortPathFunction& shorten);

// The part of a line that names the program file: the text between the quotes of a line that
// begins with one, else the text before the first blank, else the whole line.
std::string CommandProgramPart(const std::string& line);

// The arguments after CommandProgramPart, without the blanks that separate them from it.
std::string CommandArguments(const std::string& line);

// The line to start for a command of the entry (null: the id names nothing): drive letter
// first, then the short form unless the entry keeps the long path.
std::string PrepareLaunchLine(const LaunchEntry* entry, const std::string& command,
                              const ShortPathFunction& shorten);

}  // namespace lumora
