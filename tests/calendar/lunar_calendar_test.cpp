// ConvertDate and FormatChineseDate on the real year rows: telling dates, both shapes of ChineseDate,
// spellings, solar terms, the range ends and values that are no date.
#include "automation/automation_date.h"
#include "automation/utf.h"
#include "calendar/lunar_calendar.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using guheng::automation::CivilDate;
using guheng::automation::daySerialOf;
using guheng::automation::toUtf8;
using namespace guheng::calendar;

double automationDate(int year, int month, int day) {
    const auto serial = daySerialOf(CivilDate{year, month, day});
    EXPECT_TRUE(serial.has_value());
    return serial.value_or(0);
}

struct Outputs {
    std::int16_t code;
    std::string text;
    std::string ganZhi;
    std::string animal;
    std::string solarTerm;

    friend bool operator==(const Outputs&, const Outputs&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Outputs& o) {
        return os << o.code << " " << o.text << " " << o.ganZhi << " " << o.animal << " [" << o.solarTerm
                  << "]";
    }
};

// Converts in numeric shape, then reformats in character shape, as the host program does.
Outputs convert(double date) {
    LunarCalendar calendar;
    calendar.DateNow = date;
    calendar.ChineseDateType = dateNumeric;
    calendar.ConvertDate();
    Outputs out{};
    out.code = std::get<std::int16_t>(calendar.ChineseDate);
    calendar.ChineseDateType = dateCharacter;
    calendar.FormatChineseDate();
    out.text = toUtf8(std::get<std::u16string>(calendar.ChineseDate));
    out.ganZhi = toUtf8(calendar.ChineseGanZhi);
    out.animal = toUtf8(calendar.ChineseAnimal);
    out.solarTerm = toUtf8(calendar.ChineseSolarTerm);
    return out;
}

struct DateCase {
    const char* name;
    CivilDate date;
    Outputs expected;
};

const DateCase dateCases[] = {
    {"first day of the range, before the lunar new year",
     {1920, 1, 1},
     {1111, "冬月十一", "己未年", "羊", ""}},
    {"last day of lunar 1919, a solar-term day", {1920, 2, 19}, {1230, "腊月三十", "己未年", "羊", "雨水"}},
    {"lunar new year 1920", {1920, 2, 20}, {101, "正月初一", "庚申年", "猴", ""}},
    {"1 March 1920", {1920, 3, 1}, {111, "正月十一", "庚申年", "猴", ""}},
    {"1921 row: 1 September ends month 7", {1921, 9, 1}, {729, "七月廿九", "辛酉年", "鸡", ""}},
    {"1921 row: 2 September starts month 8", {1921, 9, 2}, {801, "八月初一", "辛酉年", "鸡", ""}},
    {"1921 row: 1 October", {1921, 10, 1}, {901, "九月初一", "辛酉年", "鸡", ""}},
    {"January 1938: the 1st ends month 11", {1938, 1, 1}, {1130, "冬月三十", "丁丑年", "牛", ""}},
    {"January 1938: month 12 from the 2nd", {1938, 1, 2}, {1201, "腊月初一", "丁丑年", "牛", ""}},
    {"January 1938: the 30th", {1938, 1, 30}, {1229, "腊月廿九", "丁丑年", "牛", ""}},
    {"January 1938: lunar new year on the 31st", {1938, 1, 31}, {101, "正月初一", "戊寅年", "虎", ""}},
    {"February 1938 has no change: the 1st", {1938, 2, 1}, {102, "正月初二", "戊寅年", "虎", ""}},
    {"February 1938 has no change: the 28th", {1938, 2, 28}, {129, "正月廿九", "戊寅年", "虎", ""}},
    {"July 1941: the 1st", {1941, 7, 1}, {607, "六月初七", "辛巳年", "蛇", ""}},
    {"July 1941: the 23rd", {1941, 7, 23}, {629, "六月廿九", "辛巳年", "蛇", "大暑"}},
    {"leap month 6 of 1941 begins on 24 July", {1941, 7, 24}, {601, "六月初一", "辛巳年", "蛇", ""}},
    {"leap month 6 of 1941: 31 July", {1941, 7, 31}, {608, "六月初八", "辛巳年", "蛇", ""}},
    {"leap month 6 of 1941: 1 August", {1941, 8, 1}, {609, "六月初九", "辛巳年", "蛇", ""}},
    {"leap month 10 of 1984: 1 December", {1984, 12, 1}, {1009, "十月初九", "甲子年", "鼠", ""}},
    {"1984 row: 2 March closes month 1", {1984, 3, 2}, {130, "正月三十", "甲子年", "鼠", ""}},
    {"1984 row: 3 March starts month 2", {1984, 3, 3}, {201, "二月初一", "甲子年", "鼠", ""}},
    {"1 February 2001", {2001, 2, 1}, {109, "正月初九", "辛巳年", "蛇", ""}},
    {"4 February 2001", {2001, 2, 4}, {112, "正月十二", "辛巳年", "蛇", "立春"}},
    {"18 February 2001", {2001, 2, 18}, {126, "正月廿六", "辛巳年", "蛇", "雨水"}},
    {"23 February 2001", {2001, 2, 23}, {201, "二月初一", "辛巳年", "蛇", ""}},
    {"1 December 2001, month 10", {2001, 12, 1}, {1017, "十月十七", "辛巳年", "蛇", ""}},
    {"January 2003: the 1st", {2003, 1, 1}, {1129, "冬月廿九", "壬午年", "马", ""}},
    {"January 2003: the 2nd", {2003, 1, 2}, {1130, "冬月三十", "壬午年", "马", ""}},
    {"January 2003: month 12 from the 3rd", {2003, 1, 3}, {1201, "腊月初一", "壬午年", "马", ""}},
    {"January 2003: the 31st", {2003, 1, 31}, {1229, "腊月廿九", "壬午年", "马", ""}},
    {"lunar new year 2003", {2003, 2, 1}, {101, "正月初一", "癸未年", "羊", ""}},
    {"April 2003: month 3 from the 2nd", {2003, 4, 2}, {301, "三月初一", "癸未年", "羊", ""}},
    {"the 11th branch is written 戍: eve of lunar new year 2019",
     {2019, 2, 4},
     {1230, "腊月三十", "戊戍年", "狗", "立春"}},
    {"lunar new year 2019", {2019, 2, 5}, {101, "正月初一", "己亥年", "猪", ""}},
    {"leap month 3 of 2031: 1 May", {2031, 5, 1}, {310, "三月初十", "辛亥年", "猪", ""}},
    {"winter solstice 2031", {2031, 12, 22}, {1109, "冬月初九", "辛亥年", "猪", "冬至"}},
    {"last day of the range", {2031, 12, 31}, {1118, "冬月十八", "辛亥年", "猪", ""}},
    {"first day after the range", {2032, 1, 1}, {0, "", "壬子年", "鼠", ""}},
    {"a solar-term day after the range", {2032, 1, 6}, {0, "", "壬子年", "鼠", ""}},
    {"last day before the range", {1919, 12, 31}, {0, "", "己未年", "羊", ""}},
    {"first automation date", {100, 1, 1}, {0, "", "庚子年", "鼠", ""}},
    {"last automation date", {9999, 12, 31}, {0, "", "己亥年", "猪", ""}},
};

TEST(LunarCalendar, DateCases) {
    for (const auto& c : dateCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(convert(automationDate(c.date.year, c.date.month, c.date.day)), c.expected);
    }
}

TEST(LunarCalendar, TimeOfDayPlaysNoPart) {
    const double midnight = automationDate(1920, 2, 19);
    EXPECT_EQ(convert(midnight + 0.99), convert(midnight));
}

// Each day's code is the day before's plus one, or day 1 after day 29 or 30, of the same month number
// (a leap month) or the next; so every row fills every month of its year.
TEST(LunarCalendar, EveryDayOfTheRangeFollowsTheDayBefore) {
    const std::int32_t first = *daySerialOf(CivilDate{1920, 1, 1});
    const std::int32_t last = *daySerialOf(CivilDate{2031, 12, 31});
    LunarCalendar calendar;
    calendar.ChineseDateType = dateNumeric;
    int previous = 1110;
    for (std::int32_t serial = first; serial <= last; ++serial) {
        calendar.DateNow = serial;
        calendar.ConvertDate();
        const int code = std::get<std::int16_t>(calendar.ChineseDate);
        const int month = code / 100, day = code % 100;
        const int previousMonth = previous / 100, previousDay = previous % 100;
        ASSERT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 30) << code << " on " << serial;
        if (day == 1) {
            ASSERT_TRUE(previousDay == 29 || previousDay == 30) << code << " on " << serial;
            ASSERT_TRUE(month == previousMonth || month == previousMonth % 12 + 1)
                << code << " on " << serial;
        } else {
            ASSERT_EQ(code, previous + 1) << "on " << serial;
        }
        previous = code;
    }
}

// One solar-term day from each row of the four-year cycle, so a wrong row choice shows.
TEST(LunarCalendar, SolarTermsFollowTheFourYearCycle) {
    struct Case {
        CivilDate date;
        const char* term;
    };
    const Case cases[] = {
        {{1920, 1, 6}, "小寒"},   {{1920, 1, 5}, ""},       {{1921, 1, 5}, "小寒"},  {{1922, 3, 6}, "惊蛰"},
        {{1923, 10, 24}, "霜降"}, {{1923, 10, 23}, ""},     {{1924, 6, 4}, ""},      {{1924, 6, 21}, "夏至"},
        {{2000, 2, 4}, "立春"},   {{2030, 12, 22}, "冬至"}, {{2031, 12, 7}, "大雪"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.year << '-' << c.date.month << '-' << c.date.day);
        EXPECT_EQ(convert(automationDate(c.date.year, c.date.month, c.date.day)).solarTerm, c.term);
    }
}

TEST(LunarCalendar, WorkingMembers) {
    struct Case {
        const char* name;
        CivilDate date;
        int curYear, curMonth, daysInMonth;
    };
    const Case cases[] = {
        {"lunar year before the new year", {1920, 1, 1}, 1919, 1, 31},
        {"lunar year after the new year", {1920, 2, 20}, 1920, 2, 29},
        {"common February", {2001, 2, 1}, 2001, 2, 28},
        {"out of range keeps the Gregorian year", {2032, 1, 1}, 2032, 1, 31},
        {"century year 1900 is common", {1900, 2, 1}, 1900, 2, 28},
        {"April", {1984, 4, 10}, 1984, 4, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LunarCalendar calendar;
        calendar.DateNow = automationDate(c.date.year, c.date.month, c.date.day);
        calendar.ConvertDate();
        EXPECT_EQ(calendar.CurYear, c.curYear);
        EXPECT_EQ(calendar.CurMonth, c.curMonth);
        EXPECT_EQ(calendar.DaysInMonth, c.daysInMonth);
    }
}

// FormatChineseDate spells whatever day code the last conversion left for the day of DateNow.
TEST(LunarCalendar, Spellings) {
    struct Case {
        std::int16_t code;
        const char* text;
    };
    const Case cases[] = {
        {101, "正月初一"},  {110, "正月初十"}, {111, "正月十一"},  {119, "正月十九"},
        {120, "正月二十"},  {121, "正月廿一"}, {129, "正月廿九"},  {130, "正月三十"},
        {215, "二月十五"},  {930, "九月三十"}, {1001, "十月初一"}, {1105, "冬月初五"},
        {1230, "腊月三十"}, {131, "正月"},     {100, "正月"},      {0, ""},
        {1301, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        LunarCalendar calendar;
        calendar.DateNow = automationDate(2001, 2, 14);
        calendar.DayCodes[14] = c.code;
        calendar.ChineseDateType = dateCharacter;
        calendar.FormatChineseDate();
        EXPECT_EQ(toUtf8(std::get<std::u16string>(calendar.ChineseDate)), c.text);
    }
}

TEST(LunarCalendar, ChangingTheShapeReformatsOnlyChineseDate) {
    LunarCalendar calendar;
    calendar.DateNow = automationDate(2001, 2, 1);
    calendar.ChineseDateType = dateNumeric;
    calendar.ConvertDate();
    EXPECT_EQ(calendar.ChineseDate, ChineseDateValue(std::int16_t{109}));
    const auto ganZhi = calendar.ChineseGanZhi;

    calendar.ChineseDateType = dateCharacter;
    calendar.FormatChineseDate();
    EXPECT_EQ(calendar.ChineseDate, ChineseDateValue(std::u16string(u"正月初九")));
    EXPECT_EQ(calendar.ChineseGanZhi, ganZhi);

    // A shape that is neither leaves ChineseDate as it was, in conversion and in formatting.
    for (std::int32_t other : {2, -1, std::numeric_limits<std::int32_t>::max()}) {
        calendar.ChineseDateType = other;
        calendar.FormatChineseDate();
        EXPECT_EQ(calendar.ChineseDate, ChineseDateValue(std::u16string(u"正月初九")));
        calendar.DateNow = automationDate(2032, 1, 1);
        calendar.ConvertDate();
        EXPECT_EQ(calendar.ChineseDate, ChineseDateValue(std::u16string(u"正月初九")));
        EXPECT_EQ(calendar.ChineseGanZhi, u"壬子年");
    }
}

TEST(LunarCalendar, LeavingTheRangeClearsTheDayCodes) {
    LunarCalendar calendar;
    calendar.DateNow = automationDate(2031, 12, 31);
    calendar.ConvertDate();
    calendar.DateNow = automationDate(2032, 12, 31);
    calendar.ConvertDate();
    for (int day = 1; day <= 31; ++day)
        EXPECT_EQ(calendar.DayCodes[day], 0) << "day " << day;
}

// Not a date at all: no Gregorian year to name either, so every text is empty.
TEST(LunarCalendar, ValuesThatAreNoDate) {
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {std::nan(""), inf,   -inf,   2958466.0,
                             -657435.0,    1e300, -1e300, std::numeric_limits<double>::max(),
                             -700000.5};
    for (double value : values) {
        SCOPED_TRACE(value);
        for (std::int32_t shape : {dateCharacter, dateNumeric}) {
            LunarCalendar calendar;
            calendar.DateNow = automationDate(2001, 2, 1);
            calendar.ChineseDateType = shape;
            calendar.ConvertDate();
            calendar.DateNow = value;
            calendar.ConvertDate();
            if (shape == dateCharacter)
                EXPECT_EQ(calendar.ChineseDate, ChineseDateValue(std::u16string()));
            else
                EXPECT_EQ(calendar.ChineseDate, ChineseDateValue(std::int16_t{0}));
            EXPECT_EQ(calendar.ChineseGanZhi, u"");
            EXPECT_EQ(calendar.ChineseAnimal, u"");
            EXPECT_EQ(calendar.ChineseSolarTerm, u"");
            for (int day = 1; day <= 31; ++day)
                EXPECT_EQ(calendar.DayCodes[day], 0);
        }
    }
}

} // namespace
