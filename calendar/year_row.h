// Reading a year row and filling one Gregorian month's day codes from it, all constexpr so the rows can be
// read at compile time. A row that lacks what a month needs fills nothing.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace guheng::calendar {

// Index d holds the day code of day d of a Gregorian month; index 0 is unused.
using MonthDayCodes = std::array<std::int16_t, 32>;

// What one Gregorian month needs from its row.
struct MonthAnchors {
    int first = 0; // day code of the month's 1st
    int next = 0;  // day code of the following 1st
    int tailLength =
        0; // length of the middle lunar month when the month holds two changes; 0: none in the row
};

namespace detail {

// Day codes have at most four digits; anything else is not a field of a year row.
constexpr std::optional<int> readNumber(std::string_view text) {
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

constexpr std::string_view fieldAt(std::string_view row, std::size_t start) {
    std::size_t end = start;
    while (end < row.size() && row[end] != ',')
        ++end;
    return row.substr(start, end - start);
}

} // namespace detail

// The length (29 or 30) of the middle lunar month of a two-change month, read from the end of the row:
// the last field, or for January the one before it when the row ends with two lengths.
constexpr std::optional<int> readTailLength(std::string_view row, int month) {
    const std::size_t size = row.size();
    if (size < 3)
        return std::nullopt;
    std::size_t start = size - 2;
    if (month == 1 && size >= 6 && row[size - 6] == ',')
        start = size - 5;
    // The comma in front tells a tail length from the last two digits of field 13.
    if (row[start - 1] != ',')
        return std::nullopt;
    const auto length = detail::readNumber(row.substr(start, 2));
    if (length != 29 && length != 30)
        return std::nullopt;
    return length;
}

// Fields `month` and `month + 1` (field 1 is the first; a trailing comma after the last adds nothing) and
// the tail length. Nothing when a field is missing or not a number, or the month is not 1..12.
constexpr std::optional<MonthAnchors> readMonthAnchors(std::string_view row, int month) {
    if (month < 1 || month > 12)
        return std::nullopt;
    std::size_t pos = 0;
    for (int field = 1; field < month; ++pos) {
        if (pos == row.size())
            return std::nullopt;
        if (row[pos] == ',')
            ++field;
    }
    const std::string_view firstField = detail::fieldAt(row, pos);
    pos += firstField.size();
    if (pos == row.size())
        return std::nullopt;
    const auto first = detail::readNumber(firstField);
    const auto next = detail::readNumber(detail::fieldAt(row, pos + 1));
    if (!first || !next)
        return std::nullopt;
    return MonthAnchors{*first, *next, readTailLength(row, month).value_or(0)};
}

// Writes the day codes of days 1..daysInMonth. Returns false, writing nothing, when the month holds two
// lunar month changes and the row gave no tail length, or daysInMonth is not 1..31.
constexpr bool fillMonthDayCodes(const MonthAnchors& anchors, int daysInMonth, MonthDayCodes& dayCodes) {
    if (daysInMonth < 1 || daysInMonth > 31)
        return false;
    const int a = anchors.first;
    const int am = a / 100, ad = a % 100;
    const int bm = anchors.next / 100, bd = anchors.next % 100;
    const int g = daysInMonth;
    const int middleMonth = am + 1 <= 12 ? am + 1 : bm - 1;

    // Days 1..run continue the lunar month of the 1st; the days after it count from 1 in laterMonth.
    int run = g;
    int laterMonth = bm;
    bool nextMonthOnDay31 = false;
    if ((bm == am && (ad > bd ? ad - bd : bd - ad) < 5) || bm - am == 1 || am - bm == 11) {
        run = g - bd + 1;
    } else if (bm == am) {
        run = g;
    } else if (bd != 1) {
        run = 1;
        laterMonth = middleMonth;
        nextMonthOnDay31 = true;
    } else {
        if (anchors.tailLength == 0)
            return false;
        run = g - anchors.tailLength;
        laterMonth = middleMonth;
    }

    const int lastOfRun = std::clamp(run, 0, g);
    for (int day = 1; day <= lastOfRun; ++day)
        dayCodes[day] = static_cast<std::int16_t>(a + day - 1);
    for (int day = lastOfRun + 1; day <= g; ++day)
        dayCodes[day] = static_cast<std::int16_t>(laterMonth * 100 + day - run);
    if (nextMonthOnDay31 && g == 31)
        dayCodes[31] = static_cast<std::int16_t>(bm * 100 + 1);
    return true;
}

// The same, straight from the row text of Gregorian month `month` (1..12).
constexpr bool fillMonthDayCodes(std::string_view row, int month, int daysInMonth, MonthDayCodes& dayCodes) {
    const auto anchors = readMonthAnchors(row, month);
    return anchors && fillMonthDayCodes(*anchors, daysInMonth, dayCodes);
}

} // namespace guheng::calendar
