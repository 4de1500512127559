#include "win/program_timers.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace lumora {
namespace {

using Timer = std::pair<HWND, UINT_PTR>;

// A handful at most: the balloon's and the logo popup's.
std::vector<Timer>& Running() {
    static std::vector<Timer> timers;
    return timers;
}

}  // namespace

bool StartProgramTimer(HWND window, UINT_PTR id, UINT milliseconds) {
    if (!::SetTimer(window, id, milliseconds, nullptr)) {
        return false;
    }
    if (!IsProgramTimer(window, id)) {
        Running().emplace_back(window, id);
    }
    return true;
}

void StopProgramTimer(HWND window, UINT_PTR id) {
    ::KillTimer(window, id);
    auto& timers = Running();
    timers.erase(std::remove(timers.begin(), timers.end(), Timer{window, id}), timers.end());
}

bool IsProgramTimer(HWND window, UINT_PTR id) {
    const auto& timers = Running();
    return std::find(timers.begin(), timers.end(), Timer{window, id}) != timers.end();
}

void ForgetProgramTimers(HWND window) {
    auto& timers = Running();
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [window](const Timer& t) { return t.first == window; }),
                 timers.end());
}

}  // namespace lumora
