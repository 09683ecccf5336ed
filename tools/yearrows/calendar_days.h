// The UTC+8 civil days of the new moons and of the principal terms from November of one year to the
// end of another: all the astronomy the calendar rule needs.
#pragma once

#include "calendar_rule.h"

#include <vector>

namespace guheng::yearrows {

struct CalendarDays {
    std::vector<long> newMoonDays; // in order
    std::vector<TermDay> termDays; // in order
};

// Covers the winter solstices of firstSolsticeYear..lastSolsticeYear and the month 11 of each.
CalendarDays calendarDaysBetween(int firstSolsticeYear, int lastSolsticeYear);

} // namespace guheng::yearrows
