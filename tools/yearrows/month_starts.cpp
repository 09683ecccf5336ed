#include "month_starts.h"

#include "civil_time.h"
#include "julian_day.h"
#include "new_moons.h"
#include "principal_terms.h"

#include <algorithm>

namespace guheng::yearrows {
namespace {

struct LunarMonth {
    long firstDay; // day number
    int number;
    bool leap;
};

bool holdsPrincipalTerm(const std::vector<long>& termDays, long firstDay, long nextFirstDay) {
    const auto term = std::lower_bound(termDays.begin(), termDays.end(), firstDay);
    return term != termDays.end() && *term < nextFirstDay;
}

// Months from the month 11 of firstSolsticeYear up to, not including, the month 11 of lastSolsticeYear.
std::vector<LunarMonth> monthsBetweenSolstices(int firstSolsticeYear, int lastSolsticeYear) {
    const double searchFrom = winterSolstice(firstSolsticeYear) - 40.0;
    const double searchTo = winterSolstice(lastSolsticeYear) + 40.0;
    std::vector<long> newMoonDays;
    for (const double moment : newMoonsBetween(searchFrom, searchTo)) {
        newMoonDays.push_back(civilDayNumber(moment));
    }
    std::vector<long> termDays;
    for (const PrincipalTerm& term : principalTermsBetween(searchFrom, searchTo)) {
        termDays.push_back(civilDayNumber(term.jdUt));
    }
    // The month holding the solstice is the one begun on the last new-moon day not after it.
    const auto monthElevenStart = [&newMoonDays](int year) {
        const long solsticeDay = civilDayNumber(winterSolstice(year));
        return *(std::upper_bound(newMoonDays.begin(), newMoonDays.end(), solsticeDay) - 1);
    };

    std::vector<LunarMonth> months;
    for (int year = firstSolsticeYear; year < lastSolsticeYear; ++year) {
        const long from = monthElevenStart(year);
        const long to = monthElevenStart(year + 1);
        const auto first = std::lower_bound(newMoonDays.begin(), newMoonDays.end(), from);
        const auto last = std::lower_bound(newMoonDays.begin(), newMoonDays.end(), to);
        const bool leapYear = last - first == 13;
        bool leapFound = false;
        int number = 10;
        for (auto day = first; day != last; ++day) {
            const long nextDay = day + 1 == last ? to : *(day + 1);
            const bool leap = leapYear && !leapFound && !holdsPrincipalTerm(termDays, *day, nextDay);
            leapFound = leapFound || leap;
            if (!leap) {
                number = number % 12 + 1;
            }
            months.push_back({*day, number, leap});
        }
    }
    return months;
}

} // namespace

std::vector<LunarMonthStart> lunarMonthStarts(int firstGregorianYear, int lastGregorianYear) {
    if (firstGregorianYear > lastGregorianYear || firstGregorianYear < 1919 || lastGregorianYear > 2050) {
        return {};
    }
    const long rangeFirst = dayNumberFromCivil({firstGregorianYear, 1, 1});
    const long rangeLast = dayNumberFromCivil({lastGregorianYear + 1, 1, 1});
    // Month 11 of the year before begins in late November or December, before the range;
    // month 11 of the year after the last begins well after it.
    const std::vector<LunarMonth> months =
        monthsBetweenSolstices(firstGregorianYear - 1, lastGregorianYear + 2);

    std::vector<LunarMonthStart> starts;
    for (std::size_t i = 0; i + 1 < months.size(); ++i) {
        const long lastDay = months[i + 1].firstDay - 1;
        if (lastDay < rangeFirst || months[i].firstDay > rangeLast) {
            continue;
        }
        const CivilDate date = civilFromDayNumber(months[i].firstDay);
        starts.push_back({date.year, date.month, date.day, months[i].number, months[i].leap});
    }
    return starts;
}

} // namespace guheng::yearrows
