// The launch probe (tests/win/launch_probe.cpp) that the launching tests start: a copy under any
// name writes what it was started with beside itself, "<name>.txt".
#pragma once

#include <optional>
#include <string>

namespace e2e {

struct LaunchReport {
    std::string commandLine;
    std::string folder;
    long long startedMs = 0;  // milliseconds since 1970
};

// Copies the launch probe to `exePath` (a Linux path).
void InstallLaunchProbe(const std::string& exePath);

// The report of the probe at `exePath`, once it is there; nothing after `timeoutMs`.
std::optional<LaunchReport> TakeLaunchReport(const std::string& exePath, int timeoutMs = 10000);

// True when the probe at `exePath` has started and written its report.
bool LaunchReported(const std::string& exePath);

}  // namespace e2e
