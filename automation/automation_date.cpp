#include "automation_date.h"

namespace guheng::automation {

bool isValidCivilDate(const CivilDate& date) {
    return date.year >= 100 && date.year <= 9999 && date.day >= 1 &&
           date.day <= daysInMonth(date.year, date.month);
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
