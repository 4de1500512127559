#include "launch_report.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "e2e_environment.h"
#include "wait.h"

namespace e2e {

namespace fs = std::filesystem;

namespace {

std::string ReportPath(const std::string& exePath) {
    return exePath.substr(0, exePath.find_last_of('.')) + ".txt";
}

}  // namespace

void InstallLaunchProbe(const std::string& exePath) {
    fs::copy_file(Env().windowsBuild + "/tests/win/launch_probe.exe", exePath);
}

std::optional<LaunchReport> TakeLaunchReport(const std::string& exePath, int timeoutMs) {
    const std::string path = ReportPath(exePath);
    std::string text;
    if (!WaitUntil(
            [&] {
                std::ifstream in(path);
                text.assign(std::istreambuf_iterator<char>(in), {});
                return !text.empty();
            },
            milliseconds(timeoutMs))) {
        return std::nullopt;
    }
    std::istringstream in(text);
    LaunchReport report;
    std::getline(in, report.commandLine);
    std::getline(in, report.folder);
    in >> report.startedMs;
    return report;
}

bool LaunchReported(const std::string& exePath) {
    return fs::exists(ReportPath(exePath));
}

}  // namespace e2e
