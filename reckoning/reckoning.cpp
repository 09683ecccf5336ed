#include "reckoning.h"

#include "automation/automation_date.h"
#include "reckoning/number_text.h"
#include "reckoning/reckoning_tables.h"

#include <array>
#include <optional>

namespace guheng::reckoning {

namespace {

constexpr std::u16string_view noName = u"您的姓名还没有填啊！";
constexpr std::u16string_view noYear = u"您是哪一年出生的呐？";
constexpr std::u16string_view noMonth = u"您是几月份出生的呐？";
constexpr std::u16string_view noDay = u"您是几号出生的呐？";
constexpr std::u16string_view noHour = u"您是出生时候是几点呐？";
constexpr std::u16string_view yearOutOfRange = u"小墨只能算1920年到2031年的性命啊！";
constexpr std::u16string_view monthBefore = u"小墨好像记得没有";
constexpr std::u16string_view monthAfter = u"月份的呐……";
constexpr std::u16string_view wrongDate = u"呵呵……日期写错了哦！";
constexpr std::u16string_view hourOutOfRange = u"每天时间是从0点算到23点的啊！";

constexpr int firstYear = 1920;
constexpr int lastYear = 2031;

// A calendar trouble concerns the date as a whole, so the focus goes where a wrong date sends it.
constexpr InputField calendarField = InputField::Text3;

ChengguRejection reject(InputField field, std::u16string_view message) {
    return {field, std::u16string(message)};
}

ChengguRejection callFailed(std::u16string_view property, CallStatus status) {
    constexpr std::u16string_view hexDigits = u"0123456789ABCDEF";
    std::u16string message = u"日历控件的";
    message += property;
    message += u"调用失败（0x";
    const auto code = static_cast<std::uint32_t>(status);
    for (int shift = 28; shift >= 0; shift -= 4)
        message += hexDigits[(code >> shift) & 0xF];
    message += u"），小墨没法推算啊！";
    return {calendarField, message};
}

ChengguRejection badAnswer(std::u16string_view property) {
    std::u16string message = u"日历控件的";
    message += property;
    message += u"回答不对，小墨没法推算啊！";
    return {calendarField, message};
}

struct LunarMonthDay {
    int month = 0;
    int day = 0;
};

// The day code month × 100 + day, accepted only inside 101..1230 with a real month and day.
std::optional<LunarMonthDay> readDayCode(const ChineseDateValue& value) {
    const auto* code = std::get_if<std::int16_t>(&value);
    if (code == nullptr)
        return std::nullopt;
    const LunarMonthDay parts{*code / 100, *code % 100};
    if (parts.month < 1 || parts.month > 12 || parts.day < 1 || parts.day > 30)
        return std::nullopt;
    return parts;
}

int twoDigits(std::u16string_view text) {
    return (text[0] - u'0') * 10 + (text[1] - u'0');
}

// The stem of number 1..20 and the branch of number 1..13, read off the jiazi entries.
char16_t stemOf(int number) {
    return jiazi[number][0];
}
char16_t branchOf(int number) {
    return jiazi[number][1];
}

// Stem number of the first lunar month for each year stem, 甲 to 癸.
constexpr std::u16string_view stems = u"甲乙丙丁戊己庚辛壬癸";
constexpr std::array<int, 10> firstMonthStem = {3, 5, 7, 9, 1, 3, 5, 7, 9, 1};

int positiveRemainder(int value, int divisor) {
    return (value % divisor + divisor) % divisor;
}

} // namespace

std::string_view fieldName(InputField field) {
    constexpr std::array<std::string_view, 5> names = {"Text6", "Text1", "Text2", "Text3", "Text4"};
    return names[static_cast<std::size_t>(field)];
}

bool Reckoning::yue(char16_t stem, int month) {
    const auto position = stems.find(stem);
    if (position == std::u16string_view::npos || month < 1 || month > 12)
        return false;
    yuegan = static_cast<std::int16_t>(month + firstMonthStem[position] - 1);
    return true;
}

bool Reckoning::ri(int year, int month, int day, int hour) {
    const auto serial = automation::daySerialOf(automation::CivilDate{year, month, day});
    if (!serial || hour < 0 || hour > 23)
        return false;
    int stem = positiveRemainder(*serial, 10) - 1;
    if (stem <= 0)
        stem += 10;
    int branch = positiveRemainder(*serial, 12) - 3;
    if (branch <= 0)
        branch += 12;
    const int firstHourStem = 2 * (stem > 5 ? stem - 5 : stem) - 1;
    const int hourBranch = ((hour + 1) / 2) % 12;
    rigan = static_cast<std::int16_t>(stem);
    rizhi = static_cast<std::int16_t>(branch);
    shigan = static_cast<std::int16_t>(firstHourStem + hourBranch);
    return true;
}

ChengguOutcome Reckoning::chenggu(std::u16string_view name, std::u16string_view year,
                                  std::u16string_view month, std::u16string_view day,
                                  std::u16string_view hour, CalendarObject& calendar) {
    if (name.empty())
        return reject(InputField::Text6, noName);
    if (year.empty())
        return reject(InputField::Text1, noYear);
    if (month.empty())
        return reject(InputField::Text2, noMonth);
    if (day.empty())
        return reject(InputField::Text3, noDay);
    if (hour.empty())
        return reject(InputField::Text4, noHour);

    // A text that is no number fails the check of its own field, with that check's message.
    const auto yearNumber = readNumber(year);
    if (!yearNumber || *yearNumber > lastYear || *yearNumber < firstYear)
        return reject(InputField::Text1, yearOutOfRange);
    const auto monthNumber = readNumber(month);
    if (!monthNumber || *monthNumber > 12 || *monthNumber < 1) {
        std::u16string message(monthBefore);
        message += month;
        message += monthAfter;
        return ChengguRejection{InputField::Text2, message};
    }
    const auto dayNumber = readNumber(day);
    if (!dayNumber || !automation::isValidCivilDate({*yearNumber, *monthNumber, *dayNumber}))
        return reject(InputField::Text3, wrongDate);
    const auto hourNumber = readNumber(hour);
    if (!hourNumber || *hourNumber > 23 || *hourNumber < 0)
        return reject(InputField::Text4, hourOutOfRange);

    return reckon(*yearNumber, *monthNumber, *dayNumber, *hourNumber, calendar);
}

ChengguOutcome Reckoning::reckon(int year, int month, int day, int hour, CalendarObject& calendar) {
    const int serial = *automation::daySerialOf(automation::CivilDate{year, month, day});

    if (const auto status = calendar.putDateNow(serial); failed(status))
        return callFailed(u"DateNow", status);
    if (const auto status = calendar.putChineseDateType(dateNumeric); failed(status))
        return callFailed(u"ChineseDateType", status);
    const auto firstCode = calendar.getChineseDate();
    if (failed(firstCode.status))
        return callFailed(u"ChineseDate", firstCode.status);
    const auto lunarMonth = readDayCode(firstCode.value);
    if (!lunarMonth)
        return badAnswer(u"ChineseDate");

    const auto yearGanZhi = calendar.getChineseGanZhi();
    if (failed(yearGanZhi.status))
        return callFailed(u"ChineseGanZhi", yearGanZhi.status);
    if (yearGanZhi.value.empty() || !yue(yearGanZhi.value[0], lunarMonth->month))
        return badAnswer(u"ChineseGanZhi");

    ChengguResult result;
    const auto animal = calendar.getChineseAnimal();
    if (failed(animal.status))
        return callFailed(u"ChineseAnimal", animal.status);
    result.animal = animal.value;

    const auto yearPillar = calendar.getChineseGanZhi();
    if (failed(yearPillar.status))
        return callFailed(u"ChineseGanZhi", yearPillar.status);
    if (yearPillar.value.size() < 2)
        return badAnswer(u"ChineseGanZhi");

    if (const auto status = calendar.putChineseDateType(dateCharacter); failed(status))
        return callFailed(u"ChineseDateType", status);
    const auto yearText = calendar.getChineseGanZhi();
    if (failed(yearText.status))
        return callFailed(u"ChineseGanZhi", yearText.status);
    const auto lunarWords = calendar.getChineseDate();
    if (failed(lunarWords.status))
        return callFailed(u"ChineseDate", lunarWords.status);
    const auto* lunarWordsText = std::get_if<std::u16string>(&lunarWords.value);
    if (lunarWordsText == nullptr)
        return badAnswer(u"ChineseDate");
    if (const auto status = calendar.putChineseDateType(dateNumeric); failed(status))
        return callFailed(u"ChineseDateType", status);

    std::optional<std::size_t> yearEntry;
    for (std::size_t index = 0; index < jiazi.size() && !yearEntry; ++index) {
        const auto ganZhi = calendar.getChineseGanZhi();
        if (failed(ganZhi.status))
            return callFailed(u"ChineseGanZhi", ganZhi.status);
        if (ganZhi.value.size() >= 2 &&
            std::u16string_view(ganZhi.value).substr(0, 2) == jiazi[index].substr(0, 2))
            yearEntry = index;
    }
    if (!yearEntry)
        return badAnswer(u"ChineseGanZhi");

    const auto secondCode = calendar.getChineseDate();
    if (failed(secondCode.status))
        return callFailed(u"ChineseDate", secondCode.status);
    const auto lunarDay = readDayCode(secondCode.value);
    if (!lunarDay)
        return badAnswer(u"ChineseDate");

    // At hour 23 the day pillar is that of the next day; the lunar date stays that of the entered day.
    auto pillarDate = automation::CivilDate{year, month, day};
    if (hour == 23)
        pillarDate = *automation::civilDateOf(serial + 1);
    // The date and the hour passed the checks, so ri always sets its members here.
    static_cast<void>(ri(pillarDate.year, pillarDate.month, pillarDate.day, hour));

    const std::u16string_view entry = jiazi[*yearEntry];
    const std::u16string_view monthEntry = yuezhong[lunarDay->month - 1];
    result.total = twoDigits(entry.substr(7, 2)) + twoDigits(monthEntry.substr(1, 2)) +
                   twoDigits(rizhong[lunarDay->day - 1]) + twoDigits(shizhong[((hour + 1) / 2) % 12]);

    const char16_t monthStem = stemOf(yuegan);
    const char16_t monthBranch = yuezhong[lunarMonth->month - 1][0];
    const char16_t dayStem = stemOf(rigan);
    const char16_t dayBranch = branchOf(rizhi);
    const char16_t hourStem = stemOf(shigan);
    const char16_t hourBranch = branchOf((hour + 1) / 2 + 1);

    result.eightCharacters = yearPillar.value.substr(0, 2);
    result.eightCharacters += {monthStem, monthBranch, dayStem, dayBranch, hourStem, hourBranch};
    result.pillars = yearText.value;
    result.pillars += {monthStem, monthBranch, u'月', dayStem, dayBranch, u'日', hourStem, hourBranch, u'时'};
    result.lunarDate = u"即" + *lunarWordsText + u"日";
    result.weight =
        std::u16string(shuzi[result.total / 10]) + u"两" + std::u16string(shuzi[result.total % 10]) + u"钱";
    const std::u16string_view verse = shiju[result.total - shijuFirstWeight];
    result.firstCouplet =
        std::u16string(verse.substr(0, 7)) + u"，" + std::u16string(verse.substr(7, 7)) + u"。";
    result.secondCouplet =
        std::u16string(verse.substr(14, 7)) + u"，" + std::u16string(verse.substr(21, 7)) + u"。";
    result.suiyang = entry.substr(2, 2);
    result.suiyin = entry.substr(4, 3);
    return result;
}

} // namespace guheng::reckoning
