#include "automation_date.h"

#include <chrono>
#include <cmath>

namespace guheng::automation {

namespace {

// 30 December 1899, day 0 of the automation calendar.
constexpr std::chrono::sys_days AutomationEpoch =
    std::chrono::sys_days(std::chrono::year(1899) / std::chrono::December / 30);

} // namespace

int daysInMonth(int year, int month) {
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return lengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool isValidCivilDate(const CivilDate& date) {
    return date.year >= 100 && date.year <= 9999 && date.day >= 1 &&
           date.day <= daysInMonth(date.year, date.month);
}

std::optional<std::int32_t> daySerialOf(double automationDate) {
    // Compared as doubles first, so NaN, infinities and huge values never reach the integer cast.
    const double whole = std::trunc(automationDate);
    if (!(whole >= FirstDaySerial && whole <= LastDaySerial))
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

std::optional<CivilDate> civilDateOf(double automationDate) {
    const auto serial = daySerialOf(automationDate);
    if (!serial)
        return std::nullopt;
    const std::chrono::year_month_day ymd(AutomationEpoch + std::chrono::days(*serial));
    return CivilDate{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                     static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::optional<std::int32_t> daySerialOf(const CivilDate& date) {
    if (!isValidCivilDate(date))
        return std::nullopt;
    const std::chrono::year_month_day ymd(std::chrono::year(date.year),
                                          std::chrono::month(static_cast<unsigned>(date.month)),
                                          std::chrono::day(static_cast<unsigned>(date.day)));
    return static_cast<std::int32_t>((std::chrono::sys_days(ymd) - AutomationEpoch).count());
}

} // namespace guheng::automation
