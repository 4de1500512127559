#include "probe.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <sstream>

#include "process.h"
#include "wait.h"

extern char** environ;

namespace e2e {

std::string ToString(const Rect& r) {
    std::ostringstream out;
    out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return out.str();
}

Probe::Probe(const std::string& folder) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    // Wine's own messages go to a file, never to a pipe someone waits on.
    const std::string log = folder + "/lumora_probe.log";
    posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addclose(&actions, in[1]);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    char wine[] = "wine", exe[] = "lumora_probe.exe";
    char* argv[] = {wine, exe, nullptr};
    if (posix_spawnp(&pid_, "wine", &actions, nullptr, argv, environ) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    toProbe_ = in[1];
    fromProbe_ = out[0];
    signal(SIGPIPE, SIG_IGN);
}

Probe::~Probe() {
    if (pid_ > 0) {
        const char quit[] = "quit\n";
        [[maybe_unused]] ssize_t n = write(toProbe_, quit, sizeof quit - 1);
        if (!WaitForExit(pid_, 3000)) {
            Terminate(pid_);
        }
    }
    close(toProbe_);
    close(fromProbe_);
}

std::string Probe::Ask(const std::string& question) {
    if (pid_ <= 0) {
        return "err no probe";
    }
    const std::string line = question + "\n";
    if (write(toProbe_, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        return "err probe gone";
    }
    const auto deadline = Clock::now() + milliseconds(15000);
    for (;;) {
        const auto end = pending_.find('\n');
        if (end != std::string::npos) {
            std::string answer = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            if (!answer.empty() && answer.back() == '\r') {
                answer.pop_back();
            }
            return answer.compare(0, 3, "ok ") == 0 ? answer.substr(3) : answer;
        }
        const int left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        pollfd fd{fromProbe_, POLLIN, 0};
        if (left <= 0 || poll(&fd, 1, left) <= 0) {
            return "err no answer to " + question;
        }
        char buffer[4096];
        const ssize_t n = read(fromProbe_, buffer, sizeof buffer);
        if (n <= 0) {
            return "err probe gone";
        }
        pending_.append(buffer, n);
    }
}

std::vector<long> Probe::Numbers(const std::string& question) {
    std::istringstream in(Ask(question));
    std::vector<long> numbers;
    long n = 0;
    while (in >> n) {
        numbers.push_back(n);
    }
    return numbers;
}

namespace {
std::string Of(Hwnd window) {
    return " " + std::to_string(window);
}
}  // namespace

Hwnd Probe::Find(const std::string& className) {
    return std::strtoul(Ask("find " + className).c_str(), nullptr, 10);
}

Hwnd Probe::FindInProcess(Hwnd window, const std::string& className) {
    return std::strtoul(Ask("findin" + Of(window) + " " + className).c_str(), nullptr, 10);
}

Hwnd Probe::Child(Hwnd window) {
    return std::strtoul(Ask("child" + Of(window)).c_str(), nullptr, 10);
}

bool Probe::Exists(Hwnd window) {
    return Ask("exists" + Of(window)) == "1";
}

namespace {
Rect ToRect(const std::vector<long>& n) {
    return n.size() < 4 ? Rect{} : Rect{int(n[0]), int(n[1]), int(n[2]), int(n[3])};
}
}  // namespace

Rect Probe::WindowRect(Hwnd window) {
    return ToRect(Numbers("rect" + Of(window)));
}

Rect Probe::ClientRect(Hwnd window) {
    return ToRect(Numbers("client" + Of(window)));
}

WindowState Probe::State(Hwnd window) {
    auto n = Numbers("state" + Of(window));
    if (n.size() < 4) {
        return {};
    }
    return {n[0] != 0, n[1] != 0, n[2] != 0, static_cast<uint32_t>(n[3])};
}

std::string Probe::Text(Hwnd window) {
    return Ask("text" + Of(window));
}

bool Probe::WaitForIdle(Hwnd window, int timeoutMs) {
    return Ask("idle" + Of(window) + " " + std::to_string(timeoutMs)) == "0";
}

Metrics Probe::GetMetrics() {
    auto n = Numbers("metrics");
    if (n.size() < 7) {
        return {};
    }
    return {int(n[0]), int(n[1]), int(n[2]), int(n[3]), int(n[4]), int(n[5]), int(n[6])};
}

void Probe::SetCursorPosition(Point at) {
    Ask("cursorpos " + std::to_string(at.x) + " " + std::to_string(at.y));
}

void Probe::PostSysCommand(Hwnd window, unsigned command) {
    std::ostringstream question;
    question << "syscommand" << Of(window) << " " << std::hex << command;
    Ask(question.str());
}

long Probe::NcHitTest(Hwnd window, Point at) {
    auto n =
        Numbers("nchittest" + Of(window) + " " + std::to_string(at.x) + " " + std::to_string(at.y));
    return n.empty() ? -1 : n[0];
}

unsigned long Probe::Send(Hwnd window, unsigned message, long wParam, long lParam) {
    std::ostringstream question;
    question << "send" << Of(window) << " " << std::hex << message << std::dec << " " << wParam
             << " " << lParam;
    return std::strtoul(Ask(question.str()).c_str(), nullptr, 10);
}

ProcessMemory Probe::Memory(Hwnd window) {
    auto n = Numbers("memory" + Of(window));
    if (n.size() < 4) {
        return {};
    }
    return {n[0], n[1], n[2], n[3]};
}

std::string Probe::ModulePath(Hwnd window, const std::string& fileName) {
    const std::string path = Ask("module" + Of(window) + " " + fileName);
    return path == "-" ? std::string() : path;
}

HoverRun Probe::Hover(Hwnd window, Point in, Point out, int count, unsigned timerId,
                      int waitEvery) {
    std::ostringstream question;
    question << "hover" << Of(window) << ' ' << in.x << ' ' << in.y << ' ' << out.x << ' ' << out.y
             << ' ' << count << ' ' << timerId << ' ' << waitEvery;
    auto n = Numbers(question.str());
    if (n.size() < 2) {
        return {};
    }
    return {static_cast<int>(n[0]), n[1]};
}

unsigned Probe::Register(const std::string& name) {
    return static_cast<unsigned>(std::strtoul(Ask("register " + name).c_str(), nullptr, 10));
}

bool Probe::Deliver(Hwnd window, bool send, unsigned message, long wParam,
                    const std::string& lParam) {
    std::ostringstream question;
    question << "deliver" << Of(window) << (send ? " send " : " post ") << std::hex << message
             << std::dec << " " << wParam << " " << lParam;
    return Ask(question.str()) == "1";
}

long Probe::CpuTimeMs(Hwnd window) {
    return std::strtol(Ask("cputime" + Of(window)).c_str(), nullptr, 10);
}

Rect Probe::Sizing(Hwnd window, int edge, const Rect& r) {
    std::ostringstream question;
    question << "sizing" << Of(window) << " " << edge << " " << r.left << " " << r.top << " "
             << r.right << " " << r.bottom;
    return ToRect(Numbers(question.str()));
}

Hwnd Probe::Cover(const Rect& r) {
    std::ostringstream question;
    question << "cover " << r.left << " " << r.top << " " << r.right << " " << r.bottom;
    return std::strtoul(Ask(question.str()).c_str(), nullptr, 10);
}

bool Probe::IsAbove(Hwnd upper, Hwnd lower) {
    return Ask("above" + Of(upper) + Of(lower)) == "1";
}

std::string Probe::AskHook(Hwnd window, const std::string& query) {
    return Ask("hook" + Of(window) + " " + query);
}

}  // namespace e2e
