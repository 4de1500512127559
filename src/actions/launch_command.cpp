#include "actions/launch_command.h"

#include <algorithm>

namespace lumora {

void SubstituteDiscDrive(std::string& line, int drive) {
    if (drive < 'A' || drive > 'Z') {
        return;
    }
    const char letter = static_cast<char>(drive);
    if (line.size() > 2 && line[0] == '"' && line[2] == ':') {
        line[1] = letter;
    } else if (line.size() > 1 && line[1] == ':') {
        line[0] = letter;
    }
}

namespace {

bool IsQuoted(const std::string& line) {
    return !line.empty() && line[0] == '"';
}

// A program that CreateProcess reads as written without quotes: one word, not empty.
bool StandsWithoutQuotes(const std::string& program) {
    return !program.empty() && program.find_first_of(" \t") == std::string::npos;
}

}  // namespace

std::string ToShortPath(const std::string& line, const ShortPathFunction& shorten) {
    if (IsQuoted(line)) {
        // The program ends where CreateProcess ends it: at the quote that closes the first.
        const std::string written = CommandProgramPart(line);
        std::string program = shorten(written).value_or(written);
        if (!StandsWithoutQuotes(program)) {
            program = '"' + program + '"';
        }
        const std::string arguments = CommandArguments(line);
        return arguments.empty() ? program : program + ' ' + arguments;
    }
    const size_t blank = line.find(' ');
    if (blank == std::string::npos || blank == 0) {
        // Converted, but the line keeps its own form.
        return line;
    }
    const std::string written = line.substr(0, blank);
    const std::string rebuilt = shorten(written).value_or(written) + line.substr(blank);
    // Converts a long path with blanks and no arguments as a whole; fails when arguments follow,
    // and then the rebuilt line stands.
    return shorten(rebuilt).value_or(rebuilt);
}

std::string CommandProgramPart(const std::string& line) {
    if (IsQuoted(line)) {
        const size_t closing = line.find('"', 1);
        return line.substr(1, closing == std::string::npos ? std::string::npos : closing - 1);
    }
    return line.substr(0, line.find(' '));
}

std::string CommandArguments(const std::string& line) {
    size_t end;
    if (IsQuoted(line)) {
        const size_t closing = line.find('"', 1);
        end = closing == std::string::npos ? line.size() : closing + 1;
    } else {
        end = std::min(line.find(' '), line.size());
    }
    const size_t first = line.find_first_not_of(' ', end);
    return first == std::string::npos ? std::string() : line.substr(first);
}

std::string PrepareLaunchLine(const LaunchEntry* entry, const std::string& command,
                              const ShortPathFunction& shorten) {
    std::string line = command;
    if (UsesDiscDrive(entry, command)) {
        SubstituteDiscDrive(line, GetDiscDrive(entry));
    }
    if (!KeepsLongPath(entry, command)) {
        line = ToShortPath(line, shorten);
    }
    return line;
}

}  // namespace lumora
