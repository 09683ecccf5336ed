// The theories behind the year rows against worked examples and published moments, so a slip in a
// coefficient table shows here before it moves a calendar day.
#include "civil_time.h"
#include "delta_t.h"
#include "julian_day.h"
#include "lunar_longitude.h"
#include "new_moons.h"
#include "nutation.h"
#include "principal_terms.h"
#include "solar_longitude.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace guheng::yearrows {
namespace {

double julianDate(CivilDate date, int hour, int minute, int second) {
    return static_cast<double>(dayNumberFromCivil(date)) - 0.5 +
           (hour * 3600 + minute * 60 + second) / 86400.0;
}

struct LongitudeCase {
    std::string what;
    double (*longitude)(double);
    double jdTt;
    double expectedDegrees;
    double toleranceArcseconds;
};

TEST(Theories, MatchWorkedExamples) {
    const std::vector<LongitudeCase> cases = {
        // Meeus, Astronomical Algorithms, example 22.a: -3.788".
        {"nutation 1987-04-10", nutationInLongitude, 2446895.5, -3.788 / 3600, 0.01},
        // Example 25.b, with the full VSOP87: 199 deg 54' 21.818".
        {"Sun 1992-10-13", apparentSolarLongitude, 2448908.5, 199.906060, 0.5},
        // Example 47.a: 133.167265 deg without the Moon's light time, which takes 0.7" off.
        {"Moon 1992-04-12", apparentLunarLongitude, 2448724.5, 133.167265 - 0.7 / 3600, 0.3},
    };
    for (const LongitudeCase& c : cases) {
        EXPECT_NEAR(c.longitude(c.jdTt), c.expectedDegrees, c.toleranceArcseconds / 3600) << c.what;
    }
}

struct MomentCase {
    std::string what;
    double computedJdUt;
    double publishedJdUt;
    double toleranceSeconds;
};

double onlyNewMoonNear(double jdUt) {
    const std::vector<double> moments = newMoonsBetween(jdUt - 1, jdUt + 1);
    return moments.size() == 1 ? moments.front() : NAN;
}

double onlyPrincipalTermNear(double jdUt) {
    const std::vector<PrincipalTerm> terms = principalTermsBetween(jdUt - 1, jdUt + 1);
    return terms.size() == 1 ? terms.front().jdUt : NAN;
}

TEST(Events, MatchPublishedMoments) {
    const double june1962Tt = julianDate({1962, 6, 21}, 21, 24, 42);
    const std::vector<MomentCase> cases = {
        // Almanac moments in UTC, given to the minute: the rounding and our error both fit in a minute.
        {"new moon 2000-01-06 18:14", onlyNewMoonNear(julianDate({2000, 1, 6}, 18, 14, 0)),
         julianDate({2000, 1, 6}, 18, 14, 0), 60},
        {"new moon 2017-08-21 18:30", onlyNewMoonNear(julianDate({2017, 8, 21}, 18, 30, 0)),
         julianDate({2017, 8, 21}, 18, 30, 0), 60},
        {"March equinox 2000-03-20 07:35", onlyPrincipalTermNear(julianDate({2000, 3, 20}, 7, 35, 0)),
         julianDate({2000, 3, 20}, 7, 35, 0), 60},
        {"December solstice 2000-12-21 13:37", onlyPrincipalTermNear(julianDate({2000, 12, 21}, 13, 37, 0)),
         julianDate({2000, 12, 21}, 13, 37, 0), 60},
        // Meeus, example 27.a: 21:24:42 TD by the full VSOP87.
        {"June solstice 1962 (dynamical time)", dynamicalFromUniversal(onlyPrincipalTermNear(june1962Tt)),
         june1962Tt, 10},
    };
    for (const MomentCase& c : cases) {
        EXPECT_NEAR(c.computedJdUt, c.publishedJdUt, c.toleranceSeconds / 86400) << c.what;
    }
}

TEST(Events, NewMoonOfNovember1920FallsJustAfterMidnightInUtcPlus8) {
    const double moment = onlyNewMoonNear(julianDate({1920, 11, 10}, 16, 0, 0));
    EXPECT_EQ(civilDayNumber(moment), dayNumberFromCivil({1920, 11, 11}));
    EXPECT_GT(secondsFromNearestMidnight(moment), 0);
    EXPECT_LT(secondsFromNearestMidnight(moment), 15 * 60);
}

struct DeltaTCase {
    std::string what;
    CivilDate date;
    double expectedSeconds;
};

TEST(DeltaT, FollowsObservationsThenLeapSeconds) {
    const std::vector<DeltaTCase> cases = {
        {"observed, start of 1920", {1920, 1, 1}, 21.16},
        {"observed, halfway through 1955", {1955, 7, 2}, (31.07 + 31.35) / 2},
        {"first day of UTC with leap seconds", {1972, 1, 1}, 42.184},
        {"day before the leap second of mid-1972", {1972, 6, 30}, 42.184},
        {"day after it", {1972, 7, 1}, 43.184},
        {"last day before 2017", {2016, 12, 31}, 68.184},
        {"since 2017", {2017, 1, 1}, 69.184},
        {"held for the future", {2031, 12, 31}, 69.184},
    };
    for (const DeltaTCase& c : cases) {
        EXPECT_NEAR(deltaTSeconds(julianDate(c.date, 12, 0, 0)), c.expectedSeconds, 0.02) << c.what;
    }
}

} // namespace
} // namespace guheng::yearrows
