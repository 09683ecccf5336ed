#include "principal_terms.h"

#include "angles.h"
#include "delta_t.h"
#include "find_moment.h"
#include "solar_longitude.h"

#include <cmath>

namespace guheng::yearrows {
namespace {

constexpr double tropicalYear = 365.242189;
// The March equinox of 2000, close enough to start the search.
constexpr double equinox2000 = 2451623.8;

// Solves apparent solar longitude = target near the first guess; dynamical time in and out.
double solarLongitudeMoment(double targetDegrees, double firstGuessTt) {
    return momentWhereZero(
        [targetDegrees](double when) { return signedDegrees(apparentSolarLongitude(when) - targetDegrees); },
        firstGuessTt);
}

// The term of longitude 30 k counted from the March equinox of 2000 (k may be negative).
PrincipalTerm principalTerm(int k) {
    const double guess = equinox2000 + tropicalYear * k / 12.0;
    const int longitude = ((k % 12) + 12) % 12 * 30;
    return {universalFromDynamical(solarLongitudeMoment(longitude, guess)), longitude};
}

} // namespace

std::vector<PrincipalTerm> principalTermsBetween(double firstJdUt, double lastJdUt) {
    std::vector<PrincipalTerm> terms;
    auto k = static_cast<int>(std::floor((firstJdUt - equinox2000) * 12.0 / tropicalYear)) - 1;
    for (;; ++k) {
        const PrincipalTerm term = principalTerm(k);
        if (term.jdUt >= lastJdUt) {
            break;
        }
        if (term.jdUt >= firstJdUt) {
            terms.push_back(term);
        }
    }
    return terms;
}

} // namespace guheng::yearrows
