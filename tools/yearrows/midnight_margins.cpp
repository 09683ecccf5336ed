#include "midnight_margins.h"

#include "civil_time.h"
#include "julian_day.h"
#include "new_moons.h"
#include "principal_terms.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace guheng::yearrows {
namespace {

void keepNearest(std::vector<MidnightMargin>& margins, std::size_t count) {
    std::sort(margins.begin(), margins.end(), [](const MidnightMargin& left, const MidnightMargin& right) {
        return std::abs(left.seconds) < std::abs(right.seconds);
    });
    margins.resize(std::min(count, margins.size()));
}

} // namespace

std::vector<MidnightMargin> nearestToMidnight(std::size_t count, int firstGregorianYear,
                                              int lastGregorianYear) {
    const double first =
        static_cast<double>(dayNumberFromCivil({firstGregorianYear, 1, 1})) - 0.5 - utcOffsetDays;
    const double last =
        static_cast<double>(dayNumberFromCivil({lastGregorianYear + 1, 1, 1})) - 0.5 - utcOffsetDays;

    std::vector<MidnightMargin> newMoons;
    for (const double moment : newMoonsBetween(first, last)) {
        newMoons.push_back({"new moon", moment, secondsFromNearestMidnight(moment)});
    }
    std::vector<MidnightMargin> terms;
    for (const PrincipalTerm& term : principalTermsBetween(first, last)) {
        terms.push_back({"principal term " + std::to_string(term.longitude) + "\u00b0", term.jdUt,
                         secondsFromNearestMidnight(term.jdUt)});
    }
    keepNearest(newMoons, count);
    keepNearest(terms, count);
    newMoons.insert(newMoons.end(), terms.begin(), terms.end());
    return newMoons;
}

std::string civilDateTime(double jdUt) {
    const double civil = jdUt + 0.5 + utcOffsetDays;
    // Round to the second first, so 23:59:59.7 becomes the next day's 00:00:00.
    const auto totalSeconds = static_cast<long long>(std::llround(civil * 86400.0));
    const long dayNumber = static_cast<long>(totalSeconds / 86400);
    const long secondOfDay = static_cast<long>(totalSeconds % 86400);
    const CivilDate date = civilFromDayNumber(dayNumber);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02ld:%02ld:%02ld", date.year, date.month, date.day,
                  secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
    return text;
}

} // namespace guheng::yearrows
