// Automation dates (days since 30 December 1899 as a double) and Gregorian civil dates.
// Only 1 January 100 .. 31 December 9999 are dates; NaN, infinities and anything outside give no date.
#pragma once

#include <cstdint>
#include <optional>

namespace guheng::automation {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Whole-day numbers of the first and last automation dates.
inline constexpr std::int32_t FirstDaySerial = -657434; // 1 January 100
inline constexpr std::int32_t LastDaySerial = 2958465;  // 31 December 9999

// 28..31 for months 1..12 of a Gregorian year; 0 for any other month.
constexpr int daysInMonth(int year, int month) {
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return lengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

// A real Gregorian date that an automation date can hold.
bool isValidCivilDate(const CivilDate& date);

// The whole day of an automation date: its integer part, truncated toward zero (the time is ignored).
std::optional<std::int32_t> daySerialOf(double automationDate);

// The civil date of an automation date's whole day.
std::optional<CivilDate> civilDateOf(double automationDate);

// Day serial of a civil date (1 January 1900 is 2); also its automation date at midnight.
std::optional<std::int32_t> daySerialOf(const CivilDate& date);

} // namespace guheng::automation
