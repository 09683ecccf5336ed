// The lunar months the rows are made from: dated examples of the calendar and the shape every
// month and year must have.
#include "julian_day.h"
#include "month_starts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace guheng::yearrows {
namespace {

const std::vector<LunarMonthStart>& monthStarts1920To2031() {
    static const std::vector<LunarMonthStart> starts = lunarMonthStarts(1920, 2031);
    return starts;
}

long firstDayOf(const LunarMonthStart& start) {
    return dayNumberFromCivil({start.year, start.month, start.day});
}

struct LunarDate {
    int dayCode = 0;
    bool leap = false;
};

LunarDate lunarDateOf(CivilDate date) {
    const std::vector<LunarMonthStart>& starts = monthStarts1920To2031();
    const long day = dayNumberFromCivil(date);
    for (std::size_t i = starts.size(); i-- > 0;) {
        if (firstDayOf(starts[i]) <= day) {
            return {starts[i].lunarMonth * 100 + static_cast<int>(day - firstDayOf(starts[i]) + 1),
                    starts[i].leap};
        }
    }
    return {};
}

struct DatedCase {
    std::string what;
    CivilDate date;
    int dayCode;
    bool leap;
};

TEST(LunarMonthStarts, GiveTheCalendarsDatedExamples) {
    const std::vector<DatedCase> cases = {
        {"first day of the range", {1920, 1, 1}, 1111, false},
        {"last day of lunar year 1919", {1920, 2, 19}, 1230, false},
        {"lunar new year 1920", {1920, 2, 20}, 101, false},
        {"month 10 of 1920 begins on the day of its new moon in UTC+8", {1920, 11, 11}, 1001, false},
        {"the day before it", {1920, 11, 10}, 930, false},
        {"month 7 of 1921 ends on 1 September", {1921, 9, 1}, 729, false},
        {"month 8 of 1921 fills September", {1921, 9, 30}, 829, false},
        {"30 January 1938", {1938, 1, 30}, 1229, false},
        {"lunar new year 1938 on 31 January", {1938, 1, 31}, 101, false},
        {"28 February 1938", {1938, 2, 28}, 129, false},
        {"last day of month 6 of 1941", {1941, 7, 23}, 629, false},
        {"leap month 6 of 1941 begins", {1941, 7, 24}, 601, true},
        {"1 August 1941 in the leap month", {1941, 8, 1}, 609, true},
        {"1 December 1984 in leap month 10", {1984, 12, 1}, 1009, true},
        {"1 May 2001 in month 4", {2001, 5, 1}, 409, false},
        {"1 June 2001 in leap month 4", {2001, 6, 1}, 410, true},
        {"22 February 2001", {2001, 2, 22}, 130, false},
        {"23 February 2001", {2001, 2, 23}, 201, false},
        {"2 January 2003", {2003, 1, 2}, 1130, false},
        {"3 January 2003", {2003, 1, 3}, 1201, false},
        {"31 January 2003", {2003, 1, 31}, 1229, false},
        {"1 May 2031 in leap month 3", {2031, 5, 1}, 310, true},
        {"last day of the range", {2031, 12, 31}, 1118, false},
        {"1 January 2032", {2032, 1, 1}, 1119, false},
    };
    for (const DatedCase& c : cases) {
        const LunarDate lunar = lunarDateOf(c.date);
        EXPECT_EQ(lunar.dayCode, c.dayCode) << c.what;
        EXPECT_EQ(lunar.leap, c.leap) << c.what;
    }
}

TEST(LunarMonthStarts, CoverTheRangeWithWholeMonths) {
    const std::vector<LunarMonthStart>& starts = monthStarts1920To2031();
    ASSERT_GE(starts.size(), 2u);
    EXPECT_LE(firstDayOf(starts.front()), dayNumberFromCivil({1920, 1, 1}));
    EXPECT_GT(firstDayOf(starts[1]), dayNumberFromCivil({1920, 1, 1}));
    EXPECT_LE(firstDayOf(starts.back()), dayNumberFromCivil({2032, 1, 1}));
    for (std::size_t i = 1; i < starts.size(); ++i) {
        const long length = firstDayOf(starts[i]) - firstDayOf(starts[i - 1]);
        EXPECT_TRUE(length == 29 || length == 30)
            << "month before " << starts[i].year << "-" << starts[i].month;
    }
}

TEST(LunarMonthStarts, NumberMonthsInTurnWithOneLeapMonthAtMost) {
    const std::vector<LunarMonthStart>& starts = monthStarts1920To2031();
    int monthsSinceLeap = 0;
    for (std::size_t i = 1; i < starts.size(); ++i) {
        const LunarMonthStart& previous = starts[i - 1];
        const LunarMonthStart& month = starts[i];
        const std::string where = std::to_string(month.year) + "-" + std::to_string(month.month);
        if (month.leap) {
            EXPECT_EQ(month.lunarMonth, previous.lunarMonth) << where;
            EXPECT_FALSE(previous.leap) << where;
            // Leap months come about every 33 months, never closer than two years apart.
            EXPECT_GE(monthsSinceLeap, 24) << where;
            monthsSinceLeap = 0;
        } else {
            EXPECT_EQ(month.lunarMonth, previous.lunarMonth % 12 + 1) << where;
            ++monthsSinceLeap;
        }
    }
}

TEST(LunarMonthStarts, AreEmptyForRangesTheModelDoesNotCover) {
    EXPECT_TRUE(lunarMonthStarts(2031, 1920).empty());
    EXPECT_TRUE(lunarMonthStarts(1000, 1920).empty());
    EXPECT_TRUE(lunarMonthStarts(2000, 3000).empty());
}

} // namespace
} // namespace guheng::yearrows
