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

std::string ToShortPath(const std::string& line, const ShortPathFunction& shorten) {
    const size_t lastQuote = line.rfind('"');
    std::string program;
    std::optional<std::string> rest;
    if (lastQuote != std::string::npos && lastQuote > 0 && line[0] == '"') {
        program = line.substr(1, lastQuote - 1);
        rest = line.substr(lastQuote + 1);
    } else {
        const size_t blank = line.find(' ');
        if (blank != std::string::npos && blank > 0) {
            program = line.substr(0, blank);
            rest = line.substr(blank);
        } else {
            // Converted, but the line keeps its own form.
            return line;
        }
    }
    program = shorten(program).value_or(program);
    std::string rebuilt = program + *rest;
    // Fails when arguments follow; then the rebuilt line stands.
    return shorten(rebuilt).value_or(rebuilt);
}

std::string CommandProgramPart(const std::string& line) {
    if (!line.empty() && line[0] == '"') {
        const size_t closing = line.find('"', 1);
        return line.substr(1, closing == std::string::npos ? std::string::npos : closing - 1);
    }
    return line.substr(0, line.find(' '));
}

std::string CommandArguments(const std::string& line) {
    size_t end;
    if (!line.empty() && line[0] == '"') {
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
