#include "month_starts.h"

#include "calendar_days.h"
#include "calendar_rule.h"
#include "julian_day.h"

namespace guheng::yearrows {

std::vector<LunarMonthStart> lunarMonthStarts(int firstGregorianYear, int lastGregorianYear) {
    if (firstGregorianYear > lastGregorianYear || firstGregorianYear < 1919 || lastGregorianYear > 2050) {
        return {};
    }
    // From the month 11 before the range, which begins in November or December, to a month 11
    // well after it.
    const CalendarDays days = calendarDaysBetween(firstGregorianYear - 1, lastGregorianYear + 2);
    const std::vector<LunarMonth> months = numberLunarMonths(days.newMoonDays, days.termDays);

    const long rangeFirst = dayNumberFromCivil({firstGregorianYear, 1, 1});
    const long rangeLast = dayNumberFromCivil({lastGregorianYear + 1, 1, 1});
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
