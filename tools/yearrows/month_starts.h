// The lunar months of the Chinese calendar (new moons, month 11 at the winter solstice, leap months),
// all days civil days in UTC+8. A stable entry point: tests of the calendar check against it.
#pragma once

#include <vector>

namespace guheng::yearrows {

struct LunarMonthStart {
    int year, month, day; // Gregorian date of the month's first day
    int lunarMonth;       // 1..12; a leap month repeats the number of the month before it
    bool leap;
};

// Every lunar month whose days touch 1 January firstGregorianYear .. 1 January (lastGregorianYear + 1),
// in order. Empty when the range is empty or reaches outside 1919..2050, where the Delta T model holds.
std::vector<LunarMonthStart> lunarMonthStarts(int firstGregorianYear, int lastGregorianYear);

} // namespace guheng::yearrows
