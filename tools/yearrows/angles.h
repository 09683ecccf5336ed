// Small helpers on angles and time used by the theories: degrees, wrapping, Julian centuries.
#pragma once

#include <cmath>
#include <numbers>

namespace guheng::yearrows {

constexpr double julianDateJ2000 = 2451545.0;

constexpr double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

constexpr double julianCenturies(double jdTt) {
    return (jdTt - julianDateJ2000) / 36525.0;
}

// The angle brought into [0, 360).
inline double normalizedDegrees(double degrees) {
    const double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0 ? wrapped + 360.0 : wrapped;
}

// The angle brought into [-180, 180).
inline double signedDegrees(double degrees) {
    return normalizedDegrees(degrees + 180.0) - 180.0;
}

} // namespace guheng::yearrows
