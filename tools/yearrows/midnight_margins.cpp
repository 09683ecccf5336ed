#include "midnight_margins.h"

#include "calendar_days.h"
#include "calendar_rule.h"
#include "civil_time.h"
#include "julian_day.h"
#include "new_moons.h"
#include "principal_terms.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace guheng::yearrows {
namespace {

std::vector<MidnightMargin> nearestFirst(std::vector<MidnightMargin> margins, std::size_t count) {
    std::sort(margins.begin(), margins.end(), [](const MidnightMargin& left, const MidnightMargin& right) {
        return std::abs(left.seconds) < std::abs(right.seconds);
    });
    margins.resize(std::min(count, margins.size()));
    return margins;
}

// Whether the months change when the term lands on the other side of its nearest midnight.
bool decidesAMonth(const PrincipalTerm& term, const CalendarDays& days,
                   const std::vector<LunarMonth>& months) {
    const long day = civilDayNumber(term.jdUt);
    std::vector<TermDay> moved = days.termDays;
    const auto found = std::find_if(moved.begin(), moved.end(), [&](const TermDay& termDay) {
        return termDay.day == day && termDay.longitude == term.longitude;
    });
    if (found == moved.end()) {
        return false;
    }
    found->day += secondsFromNearestMidnight(term.jdUt) >= 0 ? -1 : 1;
    return numberLunarMonths(days.newMoonDays, moved) != months;
}

} // namespace

MidnightMargins nearestToMidnight(std::size_t count, int firstGregorianYear, int lastGregorianYear) {
    const double first =
        static_cast<double>(dayNumberFromCivil({firstGregorianYear, 1, 1})) - 0.5 - utcOffsetDays;
    const double last =
        static_cast<double>(dayNumberFromCivil({lastGregorianYear + 1, 1, 1})) - 0.5 - utcOffsetDays;
    const CalendarDays days = calendarDaysBetween(firstGregorianYear - 1, lastGregorianYear + 1);
    const std::vector<LunarMonth> months = numberLunarMonths(days.newMoonDays, days.termDays);

    std::vector<MidnightMargin> newMoons;
    for (const double moment : newMoonsBetween(first, last)) {
        newMoons.push_back({"new moon", moment, secondsFromNearestMidnight(moment)});
    }
    std::vector<MidnightMargin> terms;
    std::vector<MidnightMargin> decidingTerms;
    for (const PrincipalTerm& term : principalTermsBetween(first, last)) {
        const MidnightMargin margin{"principal term " + std::to_string(term.longitude) + "\u00b0", term.jdUt,
                                    secondsFromNearestMidnight(term.jdUt)};
        terms.push_back(margin);
        if (decidesAMonth(term, days, months)) {
            decidingTerms.push_back(margin);
        }
    }
    return {nearestFirst(newMoons, count), nearestFirst(terms, count), nearestFirst(decidingTerms, count)};
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
