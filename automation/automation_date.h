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
constexpr std::optional<std::int32_t> daySerialOf(double automationDate) {
    // Compared as doubles first, so NaN, infinities and huge values never reach the integer cast.
    if (!(automationDate > FirstDaySerial - 1.0 && automationDate < LastDaySerial + 1.0))
        return std::nullopt;
    return static_cast<std::int32_t>(automationDate);
}

// Day 0, 30 December 1899, counted from 1 March of year 0: eras of 400 years whose years begin in March,
// so that the leap day falls last.
inline constexpr std::int32_t AutomationEpochFromMarch0 = 693899;

// The civil date of an automation date's whole day. Inline: every calendar conversion calls it.
constexpr std::optional<CivilDate> civilDateOf(double automationDate) {
    const auto serial = daySerialOf(automationDate);
    if (!serial)
        return std::nullopt;
    // Howard Hinnant's civil_from_days; every automation date lies after 1 March of year 0, so the
    // arithmetic stays unsigned.
    const std::uint32_t days = static_cast<std::uint32_t>(*serial + AutomationEpochFromMarch0);
    const std::uint32_t era = days / 146097;
    const std::uint32_t dayOfEra = days - era * 146097;
    const std::uint32_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::uint32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::uint32_t shiftedMonth = (5 * dayOfYear + 2) / 153; // 0 = March
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int year = static_cast<int>(yearOfEra + era * 400) + (month <= 2 ? 1 : 0);
    return CivilDate{year, month, day};
}

// Day serial of a civil date (1 January 1900 is 2); also its automation date at midnight.
std::optional<std::int32_t> daySerialOf(const CivilDate& date);

} // namespace guheng::automation
