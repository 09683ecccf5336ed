// Every day of 1920..2031 against the astronomy tool's own list of lunar month starts: the day code,
// and the lunar year that names the stem-branch year.
#include "automation/automation_date.h"
#include "calendar/lunar_calendar.h"
#include "month_starts.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

using guheng::automation::CivilDate;
using guheng::automation::daySerialOf;
using guheng::calendar::LunarCalendar;

struct MonthStart {
    std::int32_t serial;
    int lunarMonth;
    bool newYear;
    int gregorianYear;
};

std::vector<MonthStart> monthStarts() {
    std::vector<MonthStart> starts;
    for (const auto& s : guheng::yearrows::lunarMonthStarts(1920, 2031)) {
        const auto serial = daySerialOf(CivilDate{s.year, s.month, s.day});
        EXPECT_TRUE(serial.has_value());
        starts.push_back({serial.value_or(0), s.lunarMonth, s.lunarMonth == 1 && !s.leap, s.year});
    }
    return starts;
}

TEST(WholeRange, DayCodesAndLunarYearsMatchTheMonthStarts) {
    const auto starts = monthStarts();
    const std::int32_t first = *daySerialOf(CivilDate{1920, 1, 1});
    const std::int32_t last = *daySerialOf(CivilDate{2031, 12, 31});
    ASSERT_FALSE(starts.empty());
    ASSERT_LE(starts.front().serial, first);

    // The lunar year in progress on 1 January 1920 began in 1919.
    int lunarYear = 1919;
    std::size_t current = 0;
    LunarCalendar calendar;
    calendar.ChineseDateType = guheng::calendar::dateNumeric;
    for (std::int32_t serial = first; serial <= last; ++serial) {
        while (current + 1 < starts.size() && starts[current + 1].serial <= serial) {
            ++current;
            if (starts[current].newYear)
                lunarYear = starts[current].gregorianYear;
        }
        const int expectedCode = starts[current].lunarMonth * 100 + (serial - starts[current].serial + 1);

        calendar.DateNow = serial;
        calendar.ConvertDate();
        ASSERT_EQ(std::get<std::int16_t>(calendar.ChineseDate), expectedCode) << "automation date " << serial;
        ASSERT_EQ(calendar.CurYear, lunarYear) << "automation date " << serial;
    }
}

} // namespace
