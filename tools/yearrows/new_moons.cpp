#include "new_moons.h"

#include "angles.h"
#include "delta_t.h"
#include "find_moment.h"
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
    // The mean moment is within a day, and the Moon's speed relative to the Sun changes slowly, so a
    // handful of steps reach a millisecond.
    return momentWhereZero(elongation, firstMeanNewMoonAfterJ2000 + meanSynodicMonth * lunation);
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
