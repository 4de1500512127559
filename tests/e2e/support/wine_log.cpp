#include "wine_log.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

namespace e2e {

std::vector<std::string> RaisedExceptions(const std::string& path) {
    static const std::regex raised(
        R"(warn:seh:.*exception \(code=([0-9a-fA-F]+)\) raised|err:seh:)");
    static const std::regex informational(R"(code=(406d1388|40010006|4001000a)\))");
    std::vector<std::string> found;
    std::ifstream log(path);
    std::string line;
    while (std::getline(log, line)) {
        if (std::regex_search(line, raised) && !std::regex_search(line, informational)) {
            found.push_back(line);
        }
    }
    return found;
}

OpenedFiles FilesOpened(const std::string& path, long from) {
    // name=L"\\??\\Z:\\tmp\\...\\One.bmp": the last part of the name, in lower case.
    static const std::regex request(R"re(NtCreateFile .*name=L"([^"]*)")re");
    OpenedFiles opened;
    std::ifstream log(path, std::ios::binary);
    log.seekg(from);
    std::string line;
    std::smatch match;
    while (std::getline(log, line)) {
        if (!std::regex_search(line, match, request)) {
            continue;
        }
        std::string name = match[1];
        name = name.substr(name.find_last_of('\\') + 1);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0) {
            ++opened.pictures;
        } else if (name == "lumora.ini") {
            ++opened.ini;
        }
    }
    return opened;
}

long LogSize(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : static_cast<long>(size);
}

bool WaitForQuietLog(const std::string& path, int quietMs, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    long size = LogSize(path);
    auto since = Clock::now();
    while (Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const long now = LogSize(path);
        if (now != size) {
            size = now;
            since = Clock::now();
        } else if (Clock::now() - since >= std::chrono::milliseconds(quietMs)) {
            return true;
        }
    }
    return false;
}

}  // namespace e2e
