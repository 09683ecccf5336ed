#include "iso_date.h"

namespace guheng::cli {

namespace {

std::optional<int> readDigits(std::string_view text) {
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    return value;
}

void appendPadded(std::string& out, int value, int width) {
    char digits[4];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, static_cast<std::size_t>(width));
}

} // namespace

std::optional<automation::CivilDate> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = readDigits(text.substr(0, 4));
    const auto month = readDigits(text.substr(5, 2));
    const auto day = readDigits(text.substr(8, 2));
    if (!year || !month || !day)
        return std::nullopt;
    const automation::CivilDate date{*year, *month, *day};
    if (!automation::isValidCivilDate(date))
        return std::nullopt;
    return date;
}

void appendIsoDate(std::string& out, const automation::CivilDate& date) {
    appendPadded(out, date.year, 4);
    out += '-';
    appendPadded(out, date.month, 2);
    out += '-';
    appendPadded(out, date.day, 2);
}

} // namespace guheng::cli
