// Stored positions are in twips; the window works in pixels. The program assumes
// 96 dots per inch, so one pixel is always 15 twips.
#pragma once

#include <chrono>

namespace guheng::shell {

inline constexpr int twipsPerPixel = 15;

constexpr int toTwips(int pixels) {
    return pixels * twipsPerPixel;
}

// The shortest period the original platform's timers delivered (its 64 Hz
// system tick, 15.625 ms); the curtain's "1 ms" timers run at this pace, so it
// opens in about two seconds as it always did.
inline constexpr std::chrono::milliseconds shortestTimerPeriod{16};

} // namespace guheng::shell
