#include "calendar_days.h"

#include "civil_time.h"
#include "julian_day.h"
#include "new_moons.h"
#include "principal_terms.h"

namespace guheng::yearrows {

CalendarDays calendarDaysBetween(int firstSolsticeYear, int lastSolsticeYear) {
    // Month 11 begins at most a month before its solstice; the solstice falls on 21..23 December.
    const double from = static_cast<double>(dayNumberFromCivil({firstSolsticeYear, 11, 1}));
    const double to = static_cast<double>(dayNumberFromCivil({lastSolsticeYear + 1, 1, 1}));
    CalendarDays days;
    for (const double moment : newMoonsBetween(from, to)) {
        days.newMoonDays.push_back(civilDayNumber(moment));
    }
    for (const PrincipalTerm& term : principalTermsBetween(from, to)) {
        days.termDays.push_back({civilDayNumber(term.jdUt), term.longitude});
    }
    return days;
}

} // namespace guheng::yearrows
