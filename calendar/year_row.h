// Reading one year row (day codes of the 1st of each Gregorian month, then tail lengths) and filling the
// day codes of one Gregorian month from it. A row that lacks what the month needs fills nothing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace guheng::calendar {

// Index d holds the day code of day d of a Gregorian month; index 0 is unused.
using MonthDayCodes = std::array<std::int16_t, 32>;

// The length (29 or 30) of the middle lunar month of a two-change month, read from the end of the row:
// the last field, or for January the one before it when the row ends with two lengths.
std::optional<int> readTailLength(std::string_view row, int month);

// Writes the day codes of days 1..daysInMonth of Gregorian month `month` (1..12) of the row's year.
// Returns false, writing nothing, when a field the month needs is missing or not a number.
bool fillMonthDayCodes(std::string_view row, int month, int daysInMonth, MonthDayCodes& dayCodes);

} // namespace guheng::calendar
