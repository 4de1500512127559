// The balloon delay in force for a "BalloonDelay" value: 0 shows the balloon at once, and a
// negative value (taken unsigned) is a very long delay, cut to the longest a timer can wait, so
// that every front end waits it alike. Portable.
#pragma once

namespace lumora {

// The longest delay a timer takes, in milliseconds (about 24.8 days): Windows' timers and the
// browser's cut longer ones to it or, worse, to nothing.
constexpr unsigned kLongestTimerMs = 0x7FFFFFFF;

constexpr unsigned BalloonDelayMs(int configured) {
    const unsigned delay = static_cast<unsigned>(configured);
    return delay < kLongestTimerMs ? delay : kLongestTimerMs;
}

}  // namespace lumora
