#include "year_row.h"

#include <cstdlib>

namespace guheng::calendar {

namespace {

// Day codes have at most four digits; anything else is not a field of a year row.
std::optional<int> readNumber(std::string_view text) {
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    return value;
}

// Field 1 is the first; a trailing comma after the last field adds nothing.
std::optional<int> readRowField(std::string_view row, int field) {
    std::size_t start = 0;
    for (int i = 1; i < field; ++i) {
        const std::size_t comma = row.find(',', start);
        if (comma == std::string_view::npos)
            return std::nullopt;
        start = comma + 1;
    }
    const std::size_t end = row.find(',', start);
    return readNumber(row.substr(start, end == std::string_view::npos ? row.size() - start : end - start));
}

} // namespace

std::optional<int> readTailLength(std::string_view row, int month) {
    const std::size_t size = row.size();
    if (size < 3)
        return std::nullopt;
    std::size_t start = size - 2;
    if (month == 1 && size >= 6 && row[size - 6] == ',')
        start = size - 5;
    // The comma in front tells a tail length from the last two digits of field 13.
    if (row[start - 1] != ',')
        return std::nullopt;
    const auto length = readNumber(row.substr(start, 2));
    if (length != 29 && length != 30)
        return std::nullopt;
    return length;
}

bool fillMonthDayCodes(std::string_view row, int month, int daysInMonth, MonthDayCodes& dayCodes) {
    if (month < 1 || month > 12 || daysInMonth < 1 || daysInMonth > 31)
        return false;
    const auto first = readRowField(row, month);
    const auto next = readRowField(row, month + 1);
    if (!first || !next)
        return false;
    const int a = *first;
    const int am = a / 100, ad = a % 100;
    const int bm = *next / 100, bd = *next % 100;
    const int g = daysInMonth;
    const int middleMonth = am + 1 <= 12 ? am + 1 : bm - 1;

    // Days 1..run continue the lunar month of the 1st; the days after it count from 1 in laterMonth.
    int run = g;
    int laterMonth = bm;
    bool nextMonthOnDay31 = false;
    if ((bm == am && std::abs(ad - bd) < 5) || bm - am == 1 || am - bm == 11) {
        run = g - bd + 1;
    } else if (bm == am) {
        run = g;
    } else if (bd != 1) {
        run = 1;
        laterMonth = middleMonth;
        nextMonthOnDay31 = true;
    } else {
        const auto tail = readTailLength(row, month);
        if (!tail)
            return false;
        run = g - *tail;
        laterMonth = middleMonth;
    }

    for (int day = 1; day <= g; ++day) {
        const int code = day <= run ? a + day - 1 : laterMonth * 100 + day - run;
        dayCodes[day] = static_cast<std::int16_t>(code);
    }
    if (nextMonthOnDay31 && g == 31)
        dayCodes[31] = static_cast<std::int16_t>(bm * 100 + 1);
    return true;
}

} // namespace guheng::calendar
