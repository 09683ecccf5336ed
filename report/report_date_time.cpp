#include "report_date_time.h"

#include <ctime>
#include <string>

namespace guheng::report {

namespace {

void appendNumber(std::u16string& text, int value, int minimumDigits = 1) {
    const std::string digits = std::to_string(value);
    for (int i = static_cast<int>(digits.size()); i < minimumDigits; ++i)
        text += u'0';
    text.append(digits.begin(), digits.end());
}

} // namespace

std::u16string reportDateTime(const LocalDateTime& value) {
    std::u16string text;
    appendNumber(text, value.year);
    text += u'/';
    appendNumber(text, value.month);
    text += u'/';
    appendNumber(text, value.day);
    if (value.hour == 0 && value.minute == 0 && value.second == 0)
        return text;
    text += u' ';
    appendNumber(text, value.hour);
    text += u':';
    appendNumber(text, value.minute, 2);
    text += u':';
    appendNumber(text, value.second, 2);
    return text;
}

LocalDateTime currentLocalDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

} // namespace guheng::report
