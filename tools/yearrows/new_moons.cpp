#include "new_moons.h"

#include "angles.h"
#include "delta_t.h"
#include "lunar_longitude.h"
#include "solar_longitude.h"

#include <cmath>

namespace guheng::yearrows {
namespace {

constexpr double meanSynodicMonth = 29.530588861;
constexpr double firstMeanNewMoonAfterJ2000 = 2451550.09766;

double elongation(double jdTt) {
    return signedDegrees(apparentLunarLongitude(jdTt) - apparentSolarLongitude(jdTt));
}

} // namespace

double newMoonDynamical(int lunation) {
    double jd = firstMeanNewMoonAfterJ2000 + meanSynodicMonth * lunation;
    // Newton's method on the elongation; the mean moment is within a day, and the Moon's speed
    // relative to the Sun changes slowly, so a handful of steps reach a millisecond.
    constexpr double step = 1e-3;
    for (int iteration = 0; iteration < 20; ++iteration) {
        const double value = elongation(jd);
        const double rate = (elongation(jd + step) - elongation(jd - step)) / (2 * step);
        const double correction = value / rate;
        jd -= correction;
        if (std::abs(correction) < 1e-8) {
            break;
        }
    }
    return jd;
}

std::vector<double> newMoonsBetween(double firstJdUt, double lastJdUt) {
    std::vector<double> moments;
    auto lunation =
        static_cast<int>(std::floor((firstJdUt - firstMeanNewMoonAfterJ2000) / meanSynodicMonth)) - 1;
    for (;; ++lunation) {
        const double moment = universalFromDynamical(newMoonDynamical(lunation));
        if (moment >= lastJdUt) {
            break;
        }
        if (moment >= firstJdUt) {
            moments.push_back(moment);
        }
    }
    return moments;
}

} // namespace guheng::yearrows
