// The programs that `run` starts on Linux (Wine, Xvfb, the project's scripts) and waits for.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lumora::disc {

// From now on Ctrl+C, SIGTERM and SIGHUP only ask to stop: the kit then ends what it started and
// cleans up before it exits.
void CatchStopSignals();
bool StopAsked();

// Starts a program (searched in PATH) with these NAME=value variables added to the environment,
// in `folder` when one is given, with standard input from /dev/null; with `out` its standard
// output goes there, and with `quiet` its output is dropped. Its process id, or -1.
pid_t Spawn(const std::vector<std::string>& command, const std::vector<std::string>& variables,
            const std::filesystem::path& folder = {}, int out = -1, bool quiet = false);

// Waits for the process; its exit status, or -1 when it did not exit by itself. A stop asked for
// meanwhile is passed on to it as SIGTERM.
int Wait(pid_t child);
// True when the process has ended (and is reaped).
bool Ended(pid_t child);

// The lines a program writes when it succeeds; nothing when it fails.
std::optional<std::vector<std::string>> Lines(const std::vector<std::string>& command);

}  // namespace lumora::disc
