#include "process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

extern char** environ;

namespace e2e {

namespace {

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (auto& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

pid_t Spawn(const std::vector<std::string>& argv, const SpawnOptions& options) {
    std::vector<std::string> args = argv;
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        env.emplace_back(*e);
    }
    for (const auto& entry : options.environment) {
        const std::string name = entry.substr(0, entry.find('=') + 1);
        for (auto& existing : env) {
            if (existing.compare(0, name.size(), name) == 0) {
                existing.clear();
            }
        }
        env.push_back(entry);
    }
    std::vector<std::string> kept;
    for (auto& e : env) {
        if (!e.empty()) {
            kept.push_back(e);
        }
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const std::string output = options.outputFile.empty() ? "/dev/null" : options.outputFile;
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    if (!options.directory.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, options.directory.c_str());
    }
    pid_t pid = -1;
    auto argPointers = Pointers(args);
    auto envPointers = Pointers(kept);
    if (posix_spawnp(&pid, args[0].c_str(), &actions, nullptr, argPointers.data(),
                     envPointers.data()) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

std::optional<int> WaitForExit(pid_t pid, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (done < 0 || std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void Terminate(pid_t pid) {
    if (pid <= 0) {
        return;
    }
    kill(pid, SIGTERM);
    if (!WaitForExit(pid, 5000)) {
        kill(pid, SIGKILL);
        WaitForExit(pid, 5000);
    }
}

int Run(const std::vector<std::string>& argv) {
    pid_t pid = Spawn(argv);
    if (pid < 0) {
        return -1;
    }
    return WaitForExit(pid, 30000).value_or(-1);
}

}  // namespace e2e
