// The calendar's year rows made from the lunar months, in the row format the calendar reads, and the
// C++ header that carries them.
#pragma once

#include <string>
#include <vector>

namespace guheng::yearrows {

// Per Gregorian year: the day codes (lunar month x 100 + lunar day) of the 1st of January..December and
// of the next 1 January, then the tail lengths of the months that need one, January's first.
struct YearRows {
    std::vector<std::string> rows; // one per year, no trailing comma
    std::string error;             // empty on success; names a year whose row no reader could decode
};

YearRows makeYearRows(int firstGregorianYear, int lastGregorianYear);

// The header calendar/year_rows.h for rows 1920..2031, as clang-format leaves it.
std::string yearRowsHeader(const std::vector<std::string>& rows);

} // namespace guheng::yearrows
