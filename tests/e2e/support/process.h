// Starting and ending native processes (wine and the programs it runs, xdotool) by PID.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct SpawnOptions {
    std::string directory;                 // working folder; empty: the current one
    std::vector<std::string> environment;  // NAME=value entries added to this process's own
    std::string outputFile;                // stdout and stderr go here; empty: /dev/null
};

// Starts `argv` (searched in PATH) with stdin from /dev/null; the PID, or -1.
pid_t Spawn(const std::vector<std::string>& argv, const SpawnOptions& options = {});

// Waits for the process to end; its exit code (or 128 + signal), or nothing after `timeoutMs`.
std::optional<int> WaitForExit(pid_t pid, int timeoutMs);

// Ends the process with SIGTERM (SIGKILL if it lingers) and reaps it.
void Terminate(pid_t pid);

// Runs a short command to its end and returns its exit code (-1 when it could not start).
int Run(const std::vector<std::string>& argv);

}  // namespace e2e
