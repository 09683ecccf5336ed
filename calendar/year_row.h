// Reading a year row and filling one Gregorian month's day codes from it, all constexpr so the rows can be
// read at compile time. A row that does not follow the row format reads as nothing and fills nothing.
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
    // Length of the middle lunar month when the month holds two changes; 0: none in the row.
    int tailLength = 0;
};

// Index m - 1 holds the anchors of Gregorian month m.
using YearAnchors = std::array<MonthAnchors, 12>;

// How the lunar months fall in a Gregorian month; tested in this order.
enum class FillCase {
    OneChange,
    NoChange,
    TwoChangesNextMonthOnDay31,
    TwoChangesNextMonthOnFollowingFirst, // needs the tail length
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

constexpr bool isTailLength(std::string_view text) {
    return text == "29" || text == "30";
}

// What may follow field 13: nothing, a lone comma, or a comma and one or two tail lengths.
constexpr bool isRowEnd(std::string_view rest) {
    if (rest.empty() || rest == ",")
        return true;
    if (rest.size() == 3)
        return rest[0] == ',' && isTailLength(rest.substr(1));
    if (rest.size() == 6)
        return rest[0] == ',' && isTailLength(rest.substr(1, 2)) && rest[3] == ',' &&
               isTailLength(rest.substr(4));
    return false;
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
    if (row[start - 1] != ',' || !detail::isTailLength(row.substr(start, 2)))
        return std::nullopt;
    return detail::readNumber(row.substr(start, 2));
}

// All twelve months' anchors, in one pass over the row: fields 1 to 13, then the tail lengths.
constexpr std::optional<YearAnchors> readYearRow(std::string_view row) {
    std::array<int, 13> fields{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            if (pos == row.size() || row[pos] != ',')
                return std::nullopt;
            ++pos;
        }
        const std::size_t end = std::min(row.find(',', pos), row.size());
        const auto value = detail::readNumber(row.substr(pos, end - pos));
        if (!value)
            return std::nullopt;
        fields[i] = *value;
        pos = end;
    }
    if (!detail::isRowEnd(row.substr(pos)))
        return std::nullopt;
    YearAnchors anchors{};
    for (int month = 1; month <= 12; ++month)
        anchors[month - 1] = {fields[month - 1], fields[month], readTailLength(row, month).value_or(0)};
    return anchors;
}

constexpr FillCase fillCaseOf(const MonthAnchors& anchors) {
    const int am = anchors.first / 100, ad = anchors.first % 100;
    const int bm = anchors.next / 100, bd = anchors.next % 100;
    // Same month number with days close together: the change into a leap month.
    if ((bm == am && (ad > bd ? ad - bd : bd - ad) < 5) || bm - am == 1 || am - bm == 11)
        return FillCase::OneChange;
    if (bm == am)
        return FillCase::NoChange;
    if (bd != 1)
        return FillCase::TwoChangesNextMonthOnDay31;
    return FillCase::TwoChangesNextMonthOnFollowingFirst;
}

// Writes the day codes of days 1..daysInMonth. Returns false, writing nothing, when the month needs a tail
// length the row did not give, or daysInMonth is not 1..31.
constexpr bool fillMonthDayCodes(const MonthAnchors& anchors, int daysInMonth, MonthDayCodes& dayCodes) {
    if (daysInMonth < 1 || daysInMonth > 31)
        return false;
    const int a = anchors.first;
    const int am = a / 100, bm = anchors.next / 100, bd = anchors.next % 100;
    const int g = daysInMonth;
    const int middleMonth = am + 1 <= 12 ? am + 1 : bm - 1;

    // Days 1..run continue the lunar month of the 1st; the days after it count from 1 in laterMonth.
    int run = g;
    int laterMonth = bm;
    const FillCase fillCase = fillCaseOf(anchors);
    switch (fillCase) {
    case FillCase::OneChange:
        run = g - bd + 1;
        break;
    case FillCase::NoChange:
        break;
    case FillCase::TwoChangesNextMonthOnDay31:
        run = 1;
        laterMonth = middleMonth;
        break;
    case FillCase::TwoChangesNextMonthOnFollowingFirst:
        if (anchors.tailLength == 0)
            return false;
        run = g - anchors.tailLength;
        laterMonth = middleMonth;
        break;
    }

    const int lastOfRun = std::clamp(run, 0, g);
    for (int day = 1; day <= lastOfRun; ++day)
        dayCodes[day] = static_cast<std::int16_t>(a + day - 1);
    for (int day = lastOfRun + 1; day <= g; ++day)
        dayCodes[day] = static_cast<std::int16_t>(laterMonth * 100 + day - run);
    if (fillCase == FillCase::TwoChangesNextMonthOnDay31 && g == 31)
        dayCodes[31] = static_cast<std::int16_t>(bm * 100 + 1);
    return true;
}

// The same, straight from the row text, for Gregorian month `month` (1..12).
constexpr bool fillMonthDayCodes(std::string_view row, int month, int daysInMonth, MonthDayCodes& dayCodes) {
    const auto anchors = readYearRow(row);
    return anchors && month >= 1 && month <= 12 &&
           fillMonthDayCodes((*anchors)[month - 1], daysInMonth, dayCodes);
}

} // namespace guheng::calendar
