// The civil clock of the calendar: UTC+8. Turns Julian dates on the civil time scale into the day
// number of the UTC+8 civil day that holds them, and into seconds from the nearest UTC+8 midnight.
#pragma once

#include <cmath>

namespace guheng::yearrows {

constexpr double utcOffsetDays = 8.0 / 24.0;

// Julian days begin at noon; civil days at midnight.
inline long civilDayNumber(double jdUt) {
    return static_cast<long>(std::floor(jdUt + 0.5 + utcOffsetDays));
}

// Positive when the moment comes after the midnight.
inline double secondsFromNearestMidnight(double jdUt) {
    const double civil = jdUt + 0.5 + utcOffsetDays;
    return (civil - std::round(civil)) * 86400.0;
}

} // namespace guheng::yearrows
