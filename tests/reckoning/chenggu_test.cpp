// chenggu over a scripted calendar: the checks, the access order, the captions and the calendar's faults.
#include "reckoning/reckoning.h"
#include "scripted_calendar.h"

#include <gtest/gtest.h>

namespace guheng::reckoning {
namespace {

using testing::ScriptedCalendar;

struct Texts {
    std::u16string name, year, month, day, hour;
};

ChengguOutcome run(Reckoning& reckoning, const Texts& texts, ScriptedCalendar& calendar) {
    return reckoning.chenggu(texts.name, texts.year, texts.month, texts.day, texts.hour, calendar);
}

ChengguResult resultOf(const ChengguOutcome& outcome) {
    if (const auto* rejection = std::get_if<ChengguRejection>(&outcome)) {
        ADD_FAILURE() << "rejected: " << fieldName(rejection->field);
        return {};
    }
    return std::get<ChengguResult>(outcome);
}

struct WorkedExample {
    const char* what;
    std::u16string hour;
    std::u16string eightCharacters, pillars;
    int rigan, rizhi, shigan;
};

TEST(Chenggu, WorkedExampleGivesEveryCaption) {
    const WorkedExample cases[] = {
        {"hour 0", u"0", u"己卯丙子戊午壬子", u"己卯年丙子月戊午日壬子时", 5, 7, 9},
        {"hour 23 takes the day pillar of 2 January", u"23", u"己卯丙子己未甲子", u"己卯年丙子月己未日甲子时",
         6, 8, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedCalendar calendar;
        Reckoning reckoning;
        const auto result = resultOf(run(reckoning, {u"张三", u"2000", u"1", u"1", c.hour}, calendar));
        EXPECT_EQ(result.animal, u"兔");
        EXPECT_EQ(result.eightCharacters, c.eightCharacters);
        EXPECT_EQ(result.pillars, c.pillars);
        EXPECT_EQ(result.lunarDate, u"即冬月廿五日");
        EXPECT_EQ(result.weight, u"五两九钱");
        EXPECT_EQ(result.firstCouplet, u"细推此格秀而清，必定才高学业成。");
        EXPECT_EQ(result.secondCouplet, u"甲第之中应有分，扬鞭走马显威荣。");
        EXPECT_EQ(result.suiyang, u"屠维");
        EXPECT_EQ(result.suiyin, u"单阏\u3000");
        EXPECT_EQ(result.total, 59);
        EXPECT_EQ(reckoning.yuegan, 13);
        EXPECT_EQ(reckoning.rigan, c.rigan);
        EXPECT_EQ(reckoning.rizhi, c.rizhi);
        EXPECT_EQ(reckoning.shigan, c.shigan);
        EXPECT_EQ(calendar.dateNow, 36526) << "DateNow stays the entered date";
        EXPECT_EQ(calendar.dateType, dateNumeric);
    }
}

// The control's accesses for 2000-01-01, whose year 己卯 is jiazi entry 16.
std::vector<std::string> workedExampleAccesses() {
    std::vector<std::string> accesses = {
        "put DateNow",       "put ChineseDateType 1", "get ChineseDate",       "get ChineseGanZhi",
        "get ChineseAnimal", "get ChineseGanZhi",     "put ChineseDateType 0", "get ChineseGanZhi",
        "get ChineseDate",   "put ChineseDateType 1",
    };
    accesses.insert(accesses.end(), 17, "get ChineseGanZhi");
    accesses.push_back("get ChineseDate");
    return accesses;
}

TEST(Chenggu, AsksTheCalendarInTheControlsOrder) {
    ScriptedCalendar calendar;
    Reckoning reckoning;
    resultOf(run(reckoning, {u"张三", u"2000", u"1", u"1", u"0"}, calendar));
    EXPECT_EQ(calendar.accesses, workedExampleAccesses());
}

struct CheckCase {
    const char* what;
    Texts texts;
    std::optional<InputField> field; // none: the checks pass
    std::u16string message;
};

TEST(Chenggu, ChecksTheFieldsInOrder) {
    const std::u16string yearMessage = u"小墨只能算1920年到2031年的性命啊！";
    const std::u16string dateMessage = u"呵呵……日期写错了哦！";
    const std::u16string hourMessage = u"每天时间是从0点算到23点的啊！";
    const CheckCase cases[] = {
        {"all fields empty", {u"", u"", u"", u"", u""}, InputField::Text6, u"您的姓名还没有填啊！"},
        {"a name of blanks passes",
         {u" ", u"", u"1", u"1", u"0"},
         InputField::Text1,
         u"您是哪一年出生的呐？"},
        {"month empty", {u"张", u"2000", u"", u"1", u"0"}, InputField::Text2, u"您是几月份出生的呐？"},
        {"day empty", {u"张", u"2000", u"1", u"", u"0"}, InputField::Text3, u"您是几号出生的呐？"},
        {"hour empty", {u"张", u"2000", u"1", u"1", u""}, InputField::Text4, u"您是出生时候是几点呐？"},
        {"pasted year waits for the empty checks",
         {u"张", u"abc", u"", u"1", u"0"},
         InputField::Text2,
         u"您是几月份出生的呐？"},
        {"year 1919", {u"张", u"1919", u"1", u"1", u"0"}, InputField::Text1, yearMessage},
        {"year 2032", {u"张", u"2032", u"1", u"1", u"0"}, InputField::Text1, yearMessage},
        {"year 1920", {u"张", u"1920", u"1", u"1", u"0"}, std::nullopt, u""},
        {"year 2031", {u"张", u"2031", u"12", u"31", u"0"}, std::nullopt, u""},
        {"year checked before month", {u"张", u"1919", u"13", u"1", u"0"}, InputField::Text1, yearMessage},
        {"month 13", {u"张", u"2000", u"13", u"1", u"0"}, InputField::Text2, u"小墨好像记得没有13月份的呐……"},
        {"month 00 as typed",
         {u"张", u"2000", u"00", u"1", u"0"},
         InputField::Text2,
         u"小墨好像记得没有00月份的呐……"},
        {"month checked before day",
         {u"张", u"2000", u"13", u"40", u"0"},
         InputField::Text2,
         u"小墨好像记得没有13月份的呐……"},
        {"29 February 2000", {u"张", u"2000", u"2", u"29", u"0"}, std::nullopt, u""},
        {"29 February 2001", {u"张", u"2001", u"2", u"29", u"0"}, InputField::Text3, dateMessage},
        {"29 February 1900 is no leap day",
         {u"张", u"1900", u"2", u"29", u"0"},
         InputField::Text1,
         yearMessage},
        {"31 April", {u"张", u"2000", u"4", u"31", u"0"}, InputField::Text3, dateMessage},
        {"day 0", {u"张", u"2000", u"4", u"0", u"0"}, InputField::Text3, dateMessage},
        {"day checked before hour", {u"张", u"2000", u"4", u"31", u"24"}, InputField::Text3, dateMessage},
        {"hour 24", {u"张", u"2000", u"1", u"1", u"24"}, InputField::Text4, hourMessage},
        {"hour -1", {u"张", u"2000", u"1", u"1", u"-1"}, InputField::Text4, hourMessage},
        {"hour 0", {u"张", u"2000", u"1", u"1", u"0"}, std::nullopt, u""},
        {"hour 23", {u"张", u"2000", u"1", u"1", u"23"}, std::nullopt, u""},
        {"pasted letters in the year", {u"张", u"abcd", u"1", u"1", u"0"}, InputField::Text1, yearMessage},
        {"pasted full-width year", {u"张", u"２０００", u"1", u"1", u"0"}, InputField::Text1, yearMessage},
        {"year beyond 16 bits", {u"张", u"99999", u"1", u"1", u"0"}, InputField::Text1, yearMessage},
        {"pasted month is echoed",
         {u"张", u"2000", u"1a", u"1", u"0"},
         InputField::Text2,
         u"小墨好像记得没有1a月份的呐……"},
        {"pasted day", {u"张", u"2000", u"1", u"x", u"0"}, InputField::Text3, dateMessage},
        {"blank before the day", {u"张", u"2000", u"1", u" 1", u"0"}, InputField::Text3, dateMessage},
        {"pasted hour", {u"张", u"2000", u"1", u"1", u"5点"}, InputField::Text4, hourMessage},
        {"plus sign reads as a number", {u"张", u"2000", u"+1", u"1", u"+5"}, std::nullopt, u""},
        {"leading zeros read as a number", {u"张", u"02000", u"01", u"01", u"00"}, std::nullopt, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedCalendar calendar;
        Reckoning reckoning;
        const auto outcome = run(reckoning, c.texts, calendar);
        if (!c.field) {
            EXPECT_TRUE(std::holds_alternative<ChengguResult>(outcome));
            continue;
        }
        const auto* rejection = std::get_if<ChengguRejection>(&outcome);
        ASSERT_NE(rejection, nullptr);
        EXPECT_EQ(fieldName(rejection->field), fieldName(*c.field));
        EXPECT_EQ(rejection->message, c.message);
        EXPECT_TRUE(calendar.accesses.empty()) << "a failed check leaves the calendar alone";
        EXPECT_EQ(reckoning.yuegan, 0);
    }
}

TEST(Chenggu, EveryFailedCalendarCallIsARejection) {
    const auto accesses = workedExampleAccesses();
    for (std::size_t failing = 0; failing < accesses.size(); ++failing) {
        SCOPED_TRACE(accesses[failing]);
        ScriptedCalendar calendar;
        calendar.failingAccess = failing;
        Reckoning reckoning;
        const auto outcome = run(reckoning, {u"张三", u"2000", u"1", u"1", u"0"}, calendar);
        const auto* rejection = std::get_if<ChengguRejection>(&outcome);
        ASSERT_NE(rejection, nullptr);
        const auto& access = accesses[failing];
        const auto property = access.substr(4, access.find(' ', 4) - 4);
        const std::u16string expected = u"日历控件的" + std::u16string(property.begin(), property.end()) +
                                        u"调用失败（0x80020005），小墨没法推算啊！";
        EXPECT_EQ(rejection->message, expected);
        EXPECT_EQ(fieldName(rejection->field), "Text3");
        EXPECT_EQ(calendar.accesses.size(), failing + 1) << "nothing is asked after a failed call";
    }
}

struct AnswerCase {
    const char* what;
    std::int16_t dayCode;
    std::u16string ganZhi;
    std::optional<ChineseDateValue> chineseDate;
    std::u16string property;
};

TEST(Chenggu, CalendarAnswersOutsideTheContractAreRejections) {
    const AnswerCase cases[] = {
        {"day code 0 (a date the control cannot convert)", 0, u"己卯年", std::nullopt, u"ChineseDate"},
        {"day code with day 31", 131, u"己卯年", std::nullopt, u"ChineseDate"},
        {"day code with day 0", 1100, u"己卯年", std::nullopt, u"ChineseDate"},
        {"day code with month 13", 1301, u"己卯年", std::nullopt, u"ChineseDate"},
        {"negative day code", -101, u"己卯年", std::nullopt, u"ChineseDate"},
        {"empty stem-branch", 1125, u"", std::nullopt, u"ChineseGanZhi"},
        {"one-character stem-branch", 1125, u"己", std::nullopt, u"ChineseGanZhi"},
        {"stem-branch with no stem", 1125, u"卯己年", std::nullopt, u"ChineseGanZhi"},
        {"branch 戌 instead of 戍 matches no jiazi entry", 1125, u"甲戌年", std::nullopt, u"ChineseGanZhi"},
        {"stem and branch that never pair", 1125, u"甲丑年", std::nullopt, u"ChineseGanZhi"},
        {"ChineseDate of no known type", 1125, u"己卯年", ChineseDateValue(), u"ChineseDate"},
        {"text where the day code belongs", 1125, u"己卯年", ChineseDateValue(u"1125"), u"ChineseDate"},
        {"day code where the words belong", 1125, u"己卯年", ChineseDateValue(std::int16_t{1125}),
         u"ChineseDate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedCalendar calendar;
        calendar.dayCode = c.dayCode;
        calendar.ganZhi = c.ganZhi;
        calendar.chineseDateOverride = c.chineseDate;
        Reckoning reckoning;
        const auto outcome = run(reckoning, {u"张三", u"2000", u"1", u"1", u"0"}, calendar);
        const auto* rejection = std::get_if<ChengguRejection>(&outcome);
        ASSERT_NE(rejection, nullptr);
        EXPECT_EQ(rejection->message, u"日历控件的" + c.property + u"回答不对，小墨没法推算啊！");
        EXPECT_EQ(fieldName(rejection->field), "Text3");
    }
}

TEST(Chenggu, YearSearchStopsAfterTheSixtyEntries) {
    ScriptedCalendar calendar;
    calendar.ganZhi = u"甲戌年";
    Reckoning reckoning;
    run(reckoning, {u"张三", u"2000", u"1", u"1", u"0"}, calendar);
    EXPECT_EQ(calendar.accesses.size(), 10u + 60u);
}

struct WeightCase {
    const char* what;
    std::u16string ganZhi;
    std::int16_t dayCode;
    std::u16string hour;
    int total;
    std::u16string weight, firstCouplet, secondCouplet;
};

TEST(Chenggu, WeightsAndVerses) {
    const WeightCase cases[] = {
        {"30 written with 零", u"癸亥年", 102, u"14", 30, u"三两零钱", u"劳劳碌碌苦中求，东奔西走何日休。",
         u"若使终身勤与俭，老来稍可免忧愁。"},
        {"40 written with 零", u"癸亥年", 118, u"6", 40, u"四两零钱", u"平生衣禄是绵长，件件心中自主张。",
         u"前面风霜多受过，后来必定享安康。"},
        {"50 written with 零", u"癸亥年", 302, u"0", 50, u"五两零钱", u"为利为名终日劳，中年福禄也多遭。",
         u"老来自有财星照，不比前番目下高。"},
        {"60 written with 零", u"甲子年", 605, u"0", 60, u"六两零钱", u"一朝金榜快题名，显祖荣宗大器成。",
         u"衣禄定然无欠缺，田园财帛更丰盈。"},
        {"70 written with 零", u"己卯年", 312, u"23", 70, u"七两零钱", u"此命推来福不轻，何须愁虑苦劳心。",
         u"荣华富贵已天定，正笏垂绅拜紫宸。"},
        {"lightest, 21", u"己巳年", 501, u"2", 21, u"二两一钱", u"短命非业谓大空，平生灾难事重重。",
         u"凶祸频临陷逆境，终世困苦事不成。"},
        {"heaviest, 71", u"己卯年", 318, u"0", 71, u"七两一钱", u"此命生成大不同，公侯卿相在其中。",
         u"一生自有逍遥福，富贵荣华极品隆。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedCalendar calendar;
        calendar.ganZhi = c.ganZhi;
        calendar.dayCode = c.dayCode;
        Reckoning reckoning;
        const auto result = resultOf(run(reckoning, {u"张三", u"2000", u"1", u"1", c.hour}, calendar));
        EXPECT_EQ(result.total, c.total);
        EXPECT_EQ(result.weight, c.weight);
        EXPECT_EQ(result.firstCouplet, c.firstCouplet);
        EXPECT_EQ(result.secondCouplet, c.secondCouplet);
    }
}

struct MonthCase {
    const char* what;
    std::int16_t dayCode;
    int total;
    std::u16string monthPillar;
};

TEST(Chenggu, LateLunarMonths) {
    // 癸亥 year (6), lunar day 1 (5), 子 hour (16): the total shows the month weight.
    const MonthCase cases[] = {
        {"tenth month, 亥08", 1001, 35, u"癸亥"},
        {"eleventh month, 子09", 1101, 36, u"甲子"},
        {"twelfth month, 丑05", 1201, 32, u"乙丑"},
        {"ninth month is written 戌", 901, 45, u"壬戌"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedCalendar calendar;
        calendar.ganZhi = u"癸亥年";
        calendar.dayCode = c.dayCode;
        Reckoning reckoning;
        const auto result = resultOf(run(reckoning, {u"张三", u"2000", u"1", u"1", u"0"}, calendar));
        EXPECT_EQ(result.total, c.total);
        EXPECT_EQ(result.eightCharacters.substr(2, 2), c.monthPillar);
    }
}

struct NextDayCase {
    const char* what;
    std::u16string year, month, day; // entered with hour 23
    int nextYear, nextMonth;         // the day after is the first of this month
    double enteredDate;
};

TEST(Chenggu, Hour23MovesOnlyTheDayPillar) {
    const NextDayCase cases[] = {
        {"31 December to 1 January", u"2000", u"12", u"31", 2001, 1, 36891},
        {"31 January to 1 February", u"2001", u"1", u"31", 2001, 2, 36922},
        {"28 February 2001 to 1 March", u"2001", u"2", u"28", 2001, 3, 36950},
        {"29 February 2000 to 1 March", u"2000", u"2", u"29", 2000, 3, 36585},
        {"31 December 2031 to 2032", u"2031", u"12", u"31", 2032, 1, 48213},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Texts atHour23 = {u"张", c.year, c.month, c.day, u"23"};
        ScriptedCalendar calendar;
        Reckoning late;
        const auto lateResult = resultOf(run(late, atHour23, calendar));
        EXPECT_EQ(calendar.dateNow, c.enteredDate) << "the calendar is asked about the entered day";

        // The day after, reckoned directly (ri is not bound by the year range of the checks).
        Reckoning nextDay;
        ASSERT_TRUE(nextDay.ri(c.nextYear, c.nextMonth, 1, 0));
        EXPECT_EQ(late.rigan, nextDay.rigan);
        EXPECT_EQ(late.rizhi, nextDay.rizhi);
        EXPECT_EQ(late.shigan, nextDay.shigan);

        ScriptedCalendar sameAnswers;
        Reckoning early;
        Texts sameDayAtHour0 = atHour23;
        sameDayAtHour0.hour = u"0";
        const auto earlyResult = resultOf(run(early, sameDayAtHour0, sameAnswers));
        EXPECT_EQ(lateResult.total, earlyResult.total);
        EXPECT_EQ(lateResult.eightCharacters.substr(0, 4), earlyResult.eightCharacters.substr(0, 4));
        EXPECT_NE(lateResult.eightCharacters.substr(4, 2), earlyResult.eightCharacters.substr(4, 2));
        EXPECT_EQ(lateResult.eightCharacters.substr(7, 1), u"子");
    }
}

struct StemCase {
    char16_t yearStem;
    char16_t firstMonthStem;
};

TEST(Yue, FirstLunarMonthStemFollowsTheYearStem) {
    constexpr std::u16string_view stems = u"甲乙丙丁戊己庚辛壬癸";
    const StemCase cases[] = {
        {u'甲', u'丙'}, {u'乙', u'戊'}, {u'丙', u'庚'}, {u'丁', u'壬'}, {u'戊', u'甲'},
        {u'己', u'丙'}, {u'庚', u'戊'}, {u'辛', u'庚'}, {u'壬', u'壬'}, {u'癸', u'甲'},
    };
    for (const auto& c : cases) {
        Reckoning reckoning;
        ASSERT_TRUE(reckoning.yue(c.yearStem, 1));
        const int first = reckoning.yuegan;
        EXPECT_EQ(stems[(first - 1) % 10], c.firstMonthStem);
        ASSERT_TRUE(reckoning.yue(c.yearStem, 12));
        EXPECT_EQ(reckoning.yuegan, first + 11) << "not reduced: numbers up to 20 stand for the stems again";
    }
}

TEST(Yue, IgnoresWhatIsNoStemOrMonth) {
    Reckoning reckoning;
    EXPECT_FALSE(reckoning.yue(u'卯', 1));
    EXPECT_FALSE(reckoning.yue(u'甲', 0));
    EXPECT_FALSE(reckoning.yue(u'甲', 13));
    EXPECT_EQ(reckoning.yuegan, 0);
}

struct DayCase {
    const char* what;
    int year, month, day, hour;
    int rigan, rizhi, shigan;
};

TEST(Ri, DayAndHourStems) {
    const DayCase cases[] = {
        {"1 October 1949 is 甲子", 1949, 10, 1, 0, 1, 1, 1},
        {"甲 day, 丑 hour (1) is 乙", 1949, 10, 1, 1, 1, 1, 2},
        {"甲 day, 亥 hour (22) is 乙 again", 1949, 10, 1, 22, 1, 1, 12},
        {"己 day (2 January 2000), 子 hour starts at 甲", 2000, 1, 2, 0, 6, 8, 1},
        {"戊 day (1 January 2000), 子 hour starts at 壬", 2000, 1, 1, 0, 5, 7, 9},
        {"戊 day, 亥 hour reaches 20", 2000, 1, 1, 21, 5, 7, 20},
        {"癸 day (10 October 1949) ends the ten stems", 1949, 10, 10, 0, 10, 10, 9},
        {"1 January 1900, serial 2", 1900, 1, 1, 0, 1, 11, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Reckoning reckoning;
        ASSERT_TRUE(reckoning.ri(c.year, c.month, c.day, c.hour));
        EXPECT_EQ(reckoning.rigan, c.rigan);
        EXPECT_EQ(reckoning.rizhi, c.rizhi);
        EXPECT_EQ(reckoning.shigan, c.shigan);
    }
}

TEST(Ri, IgnoresWhatIsNoDateOrHour) {
    Reckoning reckoning;
    EXPECT_FALSE(reckoning.ri(2001, 2, 29, 0));
    EXPECT_FALSE(reckoning.ri(2000, 1, 1, 24));
    EXPECT_FALSE(reckoning.ri(2000, 1, 1, -1));
    EXPECT_EQ(reckoning.rigan, 0);
    EXPECT_EQ(reckoning.shigan, 0);
}

} // namespace
} // namespace guheng::reckoning
