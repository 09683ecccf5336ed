#include "delta_t.h"

#include "julian_day.h"

#include <array>

namespace guheng::yearrows {
namespace {

// Observed Delta T in seconds at the start of each year 1918..1972.
constexpr int firstObservedYear = 1918;
constexpr std::array observedDeltaT{
    20.25, 20.95,                                                         // 1918..1919
    21.16, 22.25, 22.41, 23.03, 23.49, 23.62, 23.86, 24.49, 24.34, 24.08, // 1920..1929
    24.02, 24.00, 23.87, 23.95, 23.86, 23.93, 23.73, 23.92, 23.96, 24.02, // 1930..1939
    24.33, 24.83, 25.30, 25.70, 26.24, 26.77, 27.28, 27.78, 28.25, 28.71, // 1940..1949
    29.15, 29.57, 29.97, 30.36, 30.72, 31.07, 31.35, 31.68, 32.18, 32.68, // 1950..1959
    33.15, 33.59, 34.00, 34.47, 35.03, 35.73, 36.54, 37.43, 38.29, 39.20, // 1960..1969
    40.18, 41.17, 42.23,                                                  // 1970..1972
};

struct LeapSecondStep {
    CivilDate from;
    int taiMinusUtc;
};

// TAI - UTC from each date on. No leap second has been announced after 2017, and the Earth's
// rotation has lately been running fast rather than slow, so the last value is held for the future.
constexpr std::array leapSecondSteps{
    LeapSecondStep{{1972, 1, 1}, 10}, LeapSecondStep{{1972, 7, 1}, 11}, LeapSecondStep{{1973, 1, 1}, 12},
    LeapSecondStep{{1974, 1, 1}, 13}, LeapSecondStep{{1975, 1, 1}, 14}, LeapSecondStep{{1976, 1, 1}, 15},
    LeapSecondStep{{1977, 1, 1}, 16}, LeapSecondStep{{1978, 1, 1}, 17}, LeapSecondStep{{1979, 1, 1}, 18},
    LeapSecondStep{{1980, 1, 1}, 19}, LeapSecondStep{{1981, 7, 1}, 20}, LeapSecondStep{{1982, 7, 1}, 21},
    LeapSecondStep{{1983, 7, 1}, 22}, LeapSecondStep{{1985, 7, 1}, 23}, LeapSecondStep{{1988, 1, 1}, 24},
    LeapSecondStep{{1990, 1, 1}, 25}, LeapSecondStep{{1991, 1, 1}, 26}, LeapSecondStep{{1992, 7, 1}, 27},
    LeapSecondStep{{1993, 7, 1}, 28}, LeapSecondStep{{1994, 7, 1}, 29}, LeapSecondStep{{1996, 1, 1}, 30},
    LeapSecondStep{{1997, 7, 1}, 31}, LeapSecondStep{{1999, 1, 1}, 32}, LeapSecondStep{{2006, 1, 1}, 33},
    LeapSecondStep{{2009, 1, 1}, 34}, LeapSecondStep{{2012, 7, 1}, 35}, LeapSecondStep{{2015, 7, 1}, 36},
    LeapSecondStep{{2017, 1, 1}, 37},
};

constexpr double ttMinusTai = 32.184;

double startOfYear(int year) {
    return static_cast<double>(dayNumberFromCivil({year, 1, 1})) - 0.5;
}

} // namespace

double deltaTSeconds(double jdUt) {
    const double leapSecondsBegin = startOfYear(1972);
    if (jdUt >= leapSecondsBegin) {
        int taiMinusUtc = leapSecondSteps.front().taiMinusUtc;
        for (const LeapSecondStep& step : leapSecondSteps) {
            if (jdUt >= static_cast<double>(dayNumberFromCivil(step.from)) - 0.5) {
                taiMinusUtc = step.taiMinusUtc;
            }
        }
        return ttMinusTai + taiMinusUtc;
    }
    // Linear between the yearly values; held flat before the table.
    const double jdFirst = startOfYear(firstObservedYear);
    const double years = (jdUt - jdFirst) / 365.2425;
    if (years <= 0) {
        return observedDeltaT.front();
    }
    const auto index = static_cast<std::size_t>(years);
    if (index + 1 >= observedDeltaT.size()) {
        return observedDeltaT.back();
    }
    const double fraction = years - static_cast<double>(index);
    return observedDeltaT[index] + fraction * (observedDeltaT[index + 1] - observedDeltaT[index]);
}

double dynamicalFromUniversal(double jdUt) {
    return jdUt + deltaTSeconds(jdUt) / 86400.0;
}

double universalFromDynamical(double jdTt) {
    // Delta T changes by well under a second in a day, so one correction step is exact enough.
    const double firstGuess = jdTt - deltaTSeconds(jdTt) / 86400.0;
    return jdTt - deltaTSeconds(firstGuess) / 86400.0;
}

} // namespace guheng::yearrows
