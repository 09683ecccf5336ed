// The calendar rule on UTC+8 civil days: from the days of the new moons and principal terms, the lunar
// months with their numbers and leap marks. Pure day arithmetic, no astronomy.
#pragma once

#include <vector>

namespace guheng::yearrows {

struct TermDay {
    long day; // day number of the UTC+8 civil day
    int longitude;
};

struct LunarMonth {
    long firstDay; // day number of the UTC+8 civil day
    int number;    // 1..12
    bool leap;

    friend bool operator==(const LunarMonth&, const LunarMonth&) = default;
};

// A month begins on the day of its new moon; the month holding the winter solstice is month 11; when
// 13 months begin from one month 11 up to, not including, the next, the first of them without a
// principal term is the leap month and repeats the number before it. Gives the months from the month 11
// of the first winter solstice (longitude 270) among the terms up to, not including, the month 11 of the
// last one. Both lists in order; a solstice with no new moon on or before it is passed over.
std::vector<LunarMonth> numberLunarMonths(const std::vector<long>& newMoonDays,
                                          const std::vector<TermDay>& terms);

} // namespace guheng::yearrows
