// The lunar months of the Chinese calendar by the astronomical rule, all days civil days in UTC+8:
// a month begins on the day of its new moon, month 11 holds the winter solstice, and in a year of 13
// months the first month without a principal term is the leap month. Stable API for tests.
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
