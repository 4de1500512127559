// Polling with a deadline: the only way these tests wait for the program under test.
#pragma once

#include <chrono>
#include <thread>

namespace e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Calls `done` until it returns true or `timeout` has passed; true when it did.
template <typename Done>
bool WaitUntil(Done&& done, milliseconds timeout = milliseconds(5000)) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (done()) {
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
}

// Milliseconds since `start`, as a fraction.
inline double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace e2e
