// The probe program in the Wine prefix (lumora_probe.exe), kept running for the whole test run:
// one question per line, one answer per line.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pointer.h"

namespace e2e {

using Hwnd = unsigned long;

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
std::string ToString(const Rect& r);

struct WindowState {
    bool visible = false, iconic = false, zoomed = false;
    uint32_t style = 0;
};

struct Metrics {
    int cxFrame = 0, cyFrame = 0, cyCaption = 0, cxScreen = 0, cyScreen = 0, cxDlgFrame = 0,
        cyDlgFrame = 0;
};

// What GetProcessMemoryInfo and GetGuiResources tell of a process; -1 when it could not be read.
struct ProcessMemory {
    long workingSetKb = -1, privateKb = -1, gdiObjects = -1, userObjects = -1;
};

// Passes of the hover loop that the window answered, and the time they took.
struct HoverRun {
    int answered = 0;
    long ms = -1;
};

class Probe {
  public:
    // Starts the probe from `folder` (a Linux path); check IsRunning().
    explicit Probe(const std::string& folder);
    ~Probe();
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    bool IsRunning() const { return pid_ > 0; }

    // The answer's text after "ok ", or "err ..." when the probe refused or did not answer.
    std::string Ask(const std::string& question);

    Hwnd Find(const std::string& className);
    Hwnd FindInProcess(Hwnd window, const std::string& className);
    Hwnd Child(Hwnd window);
    bool Exists(Hwnd window);
    Rect WindowRect(Hwnd window);
    Rect ClientRect(Hwnd window);  // in screen coordinates
    WindowState State(Hwnd window);
    std::string Text(Hwnd window);
    bool WaitForIdle(Hwnd window, int timeoutMs);
    Metrics GetMetrics();
    void SetCursorPosition(Point at);
    void PostSysCommand(Hwnd window, unsigned command);
    long NcHitTest(Hwnd window, Point at);
    // Sends a message and returns the window procedure's result.
    unsigned long Send(Hwnd window, unsigned message, long wParam = 0, long lParam = 0);
    Rect Sizing(Hwnd window, int edge, const Rect& dragged);
    // The id of a registered window message.
    unsigned Register(const std::string& name);
    // Sends or posts; lParam is a number, or "local": an address in the probe's own memory.
    bool Deliver(Hwnd window, bool send, unsigned message, long wParam, const std::string& lParam);
    // Processor time (user and kernel) of the process that owns the window, in ms; -1 unknown.
    long CpuTimeMs(Hwnd window);
    // The memory and GUI object counts of the process that owns the window.
    ProcessMemory Memory(Hwnd window);
    // The path of the module of that file name loaded in the window's process; empty for none.
    std::string ModulePath(Hwnd window, const std::string& fileName);
    // Sends `count` pointer moves into the window at `in` and out again at `out` (client
    // coordinates), the balloon timer `timerId` between them; every `waitEvery`-th pass leaves the
    // window idle so that its own timer fires. Keep count small enough to finish within the
    // probe's answer time (15 s).
    HoverRun Hover(Hwnd window, Point in, Point out, int count, unsigned timerId, int waitEvery);
    Hwnd Cover(const Rect& where);
    bool IsAbove(Hwnd upper, Hwnd lower);
    std::string AskHook(Hwnd window, const std::string& query);

  private:
    std::vector<long> Numbers(const std::string& question);

    pid_t pid_ = -1;
    int toProbe_ = -1;
    int fromProbe_ = -1;
    std::string pending_;
};

}  // namespace e2e
