#include "automation_date.h"

namespace guheng::automation {

namespace {

// Day 0 of the automation calendar, 30 December 1899, counted from 1 March of year 0, the start of a
// 400-year era whose years begin in March so that the leap day falls last.
constexpr std::int32_t AutomationEpochFromMarch0 = 693899;

} // namespace

bool isValidCivilDate(const CivilDate& date) {
    return date.year >= 100 && date.year <= 9999 && date.day >= 1 &&
           date.day <= daysInMonth(date.year, date.month);
}

std::optional<std::int32_t> daySerialOf(double automationDate) {
    // Compared as doubles first, so NaN, infinities and huge values never reach the integer cast,
    // which then truncates toward zero.
    if (!(automationDate > FirstDaySerial - 1.0 && automationDate < LastDaySerial + 1.0))
        return std::nullopt;
    return static_cast<std::int32_t>(automationDate);
}

std::optional<CivilDate> civilDateOf(double automationDate) {
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

std::optional<std::int32_t> daySerialOf(const CivilDate& date) {
    if (!isValidCivilDate(date))
        return std::nullopt;
    // Howard Hinnant's days_from_civil, with years starting in March.
    const int year = date.year - (date.month <= 2 ? 1 : 0);
    const int era = year / 400;
    const int yearOfEra = year - era * 400;
    const int shiftedMonth = date.month > 2 ? date.month - 3 : date.month + 9;
    const int dayOfYear = (153 * shiftedMonth + 2) / 5 + date.day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - AutomationEpochFromMarch0;
}

} // namespace guheng::automation
