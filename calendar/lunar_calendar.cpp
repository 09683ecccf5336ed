#include "lunar_calendar.h"

#include "automation/automation_date.h"
#include "calendar_tables.h"
#include "year_row.h"
#include "year_rows.h"

namespace guheng::calendar {

namespace {

constexpr int FirstYear = 1920;
// The range follows the size of the table.
constexpr int LastYear = FirstYear + static_cast<int>(YearRows.size()) - 1;

constexpr std::u16string_view Stems = u"甲乙丙丁戊己庚辛壬癸";
// The 11th branch is written 戍, as the host program's sixty-year table writes it.
constexpr std::u16string_view Branches = u"子丑寅卯辰巳午未申酉戍亥";
constexpr std::u16string_view Animals = u"鼠牛虎兔龙蛇马羊猴鸡狗猪";

// Every month's anchors, read from the year rows when the program is compiled.
constexpr auto RowAnchors = [] {
    std::array<std::optional<YearAnchors>, YearRows.size()> table{};
    for (std::size_t i = 0; i < YearRows.size(); ++i)
        table[i] = readYearRow(YearRows[i]);
    return table;
}();

constexpr bool everyRowHoldsEveryMonth() {
    for (const auto& year : RowAnchors) {
        if (!year)
            return false;
        for (const MonthAnchors& month : *year) {
            if (fillCaseOf(month) == FillCase::TwoChangesNextMonthOnFollowingFirst && month.tailLength == 0)
                return false;
        }
    }
    return true;
}
static_assert(everyRowHoldsEveryMonth(), "a year row does not follow the row format or lacks a tail length");

bool isInRange(int year) {
    return year >= FirstYear && year <= LastYear;
}

// Entry `month` of the solar-term row for `year`: day of the month's first term × 100 + day of its second.
int termDays(int year, int month) {
    const std::string_view entry = TermDayRows[year % 4 + 1].substr(4 * month - 4, 3);
    return (entry[0] - '0') * 100 + (entry[1] - '0') * 10 + (entry[2] - '0');
}

// Appends 初一..初十, 十一..十九, 二十, 廿一..廿九 or 三十; any other day has no name.
void appendDayName(std::u16string& text, int day) {
    if (day >= 1 && day <= 10) {
        text += u'初';
        text += ChineseDigits[day - 1];
    } else if (day >= 11 && day <= 19) {
        text += u'十';
        text += ChineseDigits[day - 11];
    } else if (day == 20) {
        text += u"二十";
    } else if (day >= 21 && day <= 29) {
        text += u'廿';
        text += ChineseDigits[day - 21];
    } else if (day == 30) {
        text += u"三十";
    }
}

// A code whose month is no lunar month (only possible before any conversion) spells nothing.
void spellDayCode(std::u16string& text, int code) {
    text.clear();
    const int month = code / 100;
    if (month < 1 || month > 12)
        return;
    text += MonthNames[month - 1];
    text += u'月';
    appendDayName(text, code % 100);
}

} // namespace

void LunarCalendar::ConvertDate() {
    const auto date = automation::civilDateOf(DateNow);
    CurYear = static_cast<std::int16_t>(date ? date->year : 0);
    CurMonth = static_cast<std::int16_t>(date ? date->month : 0);
    DaysInMonth = static_cast<std::int16_t>(date ? automation::daysInMonth(date->year, date->month) : 0);

    const bool inRange = date && isInRange(date->year);
    // Cannot fail: every row was checked when the program was compiled.
    if (inRange)
        fillMonthDayCodes((*RowAnchors[date->year - FirstYear])[date->month - 1], DaysInMonth, DayCodes);
    else
        DayCodes.fill(0);

    FormatChineseDate();

    ChineseSolarTerm.clear();
    if (!date) {
        // No Gregorian year to name.
        ChineseGanZhi.clear();
        ChineseAnimal.clear();
        return;
    }

    // Before the lunar new year the lunar month number exceeds the Gregorian one.
    const int lunarMonth = DayCodes[date->day] / 100;
    CurYear = static_cast<std::int16_t>(lunarMonth > date->month ? date->year - 1 : date->year);
    const int cycle = CurYear - 4;
    ChineseGanZhi.assign({Stems[cycle % 10], Branches[cycle % 12], u'年'});
    ChineseAnimal.assign(1, Animals[cycle % 12]);

    if (inRange) {
        const int days = termDays(date->year, date->month);
        if (date->day == days / 100)
            ChineseSolarTerm = TermNames[2 * date->month - 1];
        else if (date->day == days % 100)
            ChineseSolarTerm = TermNames[2 * date->month];
    }
}

void LunarCalendar::FormatChineseDate() {
    if (ChineseDateType != dateCharacter && ChineseDateType != dateNumeric)
        return;
    const auto date = automation::civilDateOf(DateNow);
    if (!date || !isInRange(date->year)) {
        if (ChineseDateType == dateCharacter)
            ChineseDate = std::u16string();
        else
            ChineseDate = std::int16_t{0};
        return;
    }
    const std::int16_t code = DayCodes[date->day];
    if (ChineseDateType == dateNumeric) {
        ChineseDate = code;
        return;
    }
    // Reuses the text already held, so spelling a date allocates nothing.
    if (!std::holds_alternative<std::u16string>(ChineseDate))
        ChineseDate = std::u16string();
    spellDayCode(std::get<std::u16string>(ChineseDate), code);
}

} // namespace guheng::calendar
