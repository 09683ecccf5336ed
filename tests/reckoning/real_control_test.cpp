// chenggu over the real Calendar control, created through the hosting layer as the program creates it.
#include "automation/automation_date.h"
#include "automation/hosting.h"
#include "calendar/calendar_interface.h"
#include "reckoning/control_calendar.h"
#include "reckoning/reckoning.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace guheng::reckoning {
namespace {

std::u16string numberText(int value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

class RealControl : public ::testing::Test {
  protected:
    void SetUp() override {
        hosted = automation::createControl(calendar::CalendarProgId, nullptr, nullptr);
        ASSERT_TRUE(automation::succeeded(hosted.status)) << automation::statusMessage(hosted.status);
        control = std::make_unique<ControlCalendar>(*hosted.control.dispatch());
    }
    ChengguOutcome reckon(int year, int month, int day, int hour) {
        return reckoning.chenggu(u"张三", numberText(year), numberText(month), numberText(day),
                                 numberText(hour), *control);
    }
    automation::HostingResult hosted;
    std::unique_ptr<ControlCalendar> control;
    Reckoning reckoning;
};

struct DateCase {
    const char* what;
    int year, month, day, hour;
    std::u16string animal, eightCharacters, pillars, lunarDate, weight, suiyang, suiyin;
    int total;
};

TEST_F(RealControl, KnownDates) {
    const DateCase cases[] = {
        {"worked example, hour 0", 2000, 1, 1, 0, u"兔", u"己卯丙子戊午壬子", u"己卯年丙子月戊午日壬子时",
         u"即冬月廿五日", u"五两九钱", u"屠维", u"单阏\u3000", 59},
        {"worked example, hour 23", 2000, 1, 1, 23, u"兔", u"己卯丙子己未甲子", u"己卯年丙子月己未日甲子时",
         u"即冬月廿五日", u"五两九钱", u"屠维", u"单阏\u3000", 59},
        {"31 December at hour 23 takes the day pillar of 1 January", 2000, 12, 31, 23, u"龙",
         u"庚辰己丑甲子甲子", u"庚辰年己丑月甲子日甲子时", u"即腊月初六日", u"四两八钱", u"上章",
         u"执徐\u3000", 48},
        {"the eve of the lunar new year keeps the old year", 2000, 2, 4, 0, u"兔", u"己卯丁丑壬辰庚子",
         u"己卯年丁丑月壬辰日庚子时", u"即腊月廿九日", u"五两六钱", u"屠维", u"单阏\u3000", 56},
        {"leap fourth month of 2020 weighs as the fourth", 2020, 6, 1, 0, u"鼠", u"庚子辛巳乙亥丙子",
         u"庚子年辛巳月乙亥日丙子时", u"即四月初十日", u"四两八钱", u"上章", u"困郭\u3000", 48},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto outcome = reckon(c.year, c.month, c.day, c.hour);
        const auto* result = std::get_if<ChengguResult>(&outcome);
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->animal, c.animal);
        EXPECT_EQ(result->eightCharacters, c.eightCharacters);
        EXPECT_EQ(result->pillars, c.pillars);
        EXPECT_EQ(result->lunarDate, c.lunarDate);
        EXPECT_EQ(result->weight, c.weight);
        EXPECT_EQ(result->suiyang, c.suiyang);
        EXPECT_EQ(result->suiyin, c.suiyin);
        EXPECT_EQ(result->total, c.total);
    }
}

// Position 0..59 in the sexagenary cycle of a stem and branch, or -1 when they never pair.
int cyclePosition(char16_t stem, char16_t branch) {
    constexpr std::u16string_view stems = u"甲乙丙丁戊己庚辛壬癸";
    constexpr std::u16string_view branches = u"子丑寅卯辰巳午未申酉\u620d亥";
    const auto s = stems.find(stem);
    // The month pillar writes the eleventh branch 戌, the others 戍.
    const auto b = branches.find(branch == u'\u620c' ? u'\u620d' : branch);
    if (s == std::u16string_view::npos || b == std::u16string_view::npos || s % 2 != b % 2)
        return -1;
    for (int n = 0; n < 60; ++n) {
        if (n % 10 == static_cast<int>(s) && n % 12 == static_cast<int>(b))
            return n;
    }
    return -1;
}

// One decade per case, so the whole range runs in parallel pieces; each piece starts on the last day of the
// decade before, so the day pillar's step is checked across every boundary too.
class WholeRange : public RealControl, public ::testing::WithParamInterface<int> {};

TEST_P(WholeRange, EveryDayAndHourOfTheDecade) {
    const int firstYear = GetParam();
    const int lastYear = std::min(firstYear + 9, 2031);
    const int first = std::max(*automation::daySerialOf(automation::CivilDate{firstYear, 1, 1}) - 1,
                               *automation::daySerialOf(automation::CivilDate{1920, 1, 1}));
    const int last = *automation::daySerialOf(automation::CivilDate{lastYear, 12, 31});
    int previousDayPosition = -1;
    int failures = 0;
    for (int serial = first; serial <= last && failures < 10; ++serial) {
        const auto date = *automation::civilDateOf(serial);
        int dayPosition = -1;
        for (int hour = 0; hour < 24; ++hour) {
            const auto outcome = reckon(date.year, date.month, date.day, hour);
            const auto* result = std::get_if<ChengguResult>(&outcome);
            bool sound = result != nullptr && result->total >= 21 && result->total <= 71 &&
                         result->eightCharacters.size() == 8;
            for (std::size_t pillar = 0; sound && pillar < 4; ++pillar)
                sound = cyclePosition(result->eightCharacters[2 * pillar],
                                      result->eightCharacters[2 * pillar + 1]) >= 0;
            if (!sound) {
                ADD_FAILURE() << date.year << "-" << date.month << "-" << date.day << " hour " << hour;
                ++failures;
                continue;
            }
            const int position = cyclePosition(result->eightCharacters[4], result->eightCharacters[5]);
            if (hour == 0)
                dayPosition = position;
            const int expected = hour == 23 ? (dayPosition + 1) % 60 : dayPosition;
            if (position != expected) {
                ADD_FAILURE() << "day pillar of " << date.year << "-" << date.month << "-" << date.day
                              << " hour " << hour;
                ++failures;
            }
        }
        if (previousDayPosition >= 0 && dayPosition != (previousDayPosition + 1) % 60) {
            ADD_FAILURE() << "day pillar does not step on " << date.year << "-" << date.month << "-"
                          << date.day;
            ++failures;
        }
        previousDayPosition = dayPosition;
    }
}

INSTANTIATE_TEST_SUITE_P(Years1920To2031, WholeRange,
                         ::testing::Values(1920, 1930, 1940, 1950, 1960, 1970, 1980, 1990, 2000, 2010, 2020,
                                           2030));

} // namespace
} // namespace guheng::reckoning
