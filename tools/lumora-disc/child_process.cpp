#include "child_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

extern char** environ;

namespace lumora::disc {

namespace fs = std::filesystem;

namespace {

volatile std::sig_atomic_t stopAsked = 0;

void AskToStop(int) {
    stopAsked = 1;
}

}  // namespace

void CatchStopSignals() {
    std::signal(SIGINT, AskToStop);
    std::signal(SIGTERM, AskToStop);
    std::signal(SIGHUP, AskToStop);
}

bool StopAsked() {
    return stopAsked != 0;
}

pid_t Spawn(const std::vector<std::string>& command, const std::vector<std::string>& variables,
            const fs::path& folder, int out, bool quiet) {
    std::vector<std::string> environment;
    for (char** at = environ; *at; ++at) {
        const std::string entry = *at;
        const std::string name = entry.substr(0, entry.find('=') + 1);
        bool replaced = false;
        for (const std::string& variable : variables) {
            replaced = replaced || variable.compare(0, name.size(), name) == 0;
        }
        if (!replaced) {
            environment.push_back(entry);
        }
    }
    environment.insert(environment.end(), variables.begin(), variables.end());
    std::vector<char*> argv, envp;
    for (const std::string& argument : command) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    for (const std::string& entry : environment) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int none = open("/dev/null", O_RDWR);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
        } else if (quiet) {
            dup2(none, STDOUT_FILENO);
        }
        if (quiet) {
            dup2(none, STDERR_FILENO);
        }
        dup2(none, STDIN_FILENO);
        if ((folder.empty() || chdir(folder.c_str()) == 0)) {
            execvpe(argv[0], argv.data(), envp.data());
        }
        _exit(127);
    }
    return child;
}

int Wait(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
        if (stopAsked) {
            kill(child, SIGTERM);
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::optional<std::vector<std::string> > Lines(const std::vector<std::string>& command) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return std::nullopt;
    }
    const pid_t child = Spawn(command, {}, {}, pipeEnds[1]);
    close(pipeEnds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno != EINTR) {
            break;
        }
        text.append(buffer, static_cast<size_t>(std::max<ssize_t>(got, 0)));
    }
    close(pipeEnds[0]);
    if (child < 0 || Wait(child) != 0) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

bool Ended(pid_t child) {
    int status = 0;
    return waitpid(child, &status, WNOHANG) == child;
}

}  // namespace lumora::disc
