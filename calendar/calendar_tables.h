// The fixed texts of the lunar calendar: numerals, month names, solar-term names and solar-term days.
// Every Chinese character is one char16_t; index 0 of TermNames and TermDayRows is present and never used.
#pragma once

#include <array>
#include <string_view>

namespace guheng::calendar {

// Character k - 1 is the numeral k.
inline constexpr std::u16string_view ChineseDigits = u"一二三四五六七八九十";

// Character k - 1 names lunar month k (正 = 1, 冬 = 11, 腊 = 12).
inline constexpr std::u16string_view MonthNames = u"正二三四五六七八九十冬腊";

// Terms 2m - 1 and 2m fall in Gregorian month m.
inline constexpr std::array<std::u16string_view, 25> TermNames = {
    u"",     u"小寒", u"大寒", u"立春", u"雨水", u"惊蛰", u"春分", u"清明", u"谷雨",
    u"立夏", u"小满", u"芒种", u"夏至", u"小暑", u"大暑", u"立秋", u"处暑", u"白露",
    u"秋分", u"寒露", u"霜降", u"立冬", u"小雪", u"大雪", u"冬至",
};

// Row (year mod 4) + 1; entry m = day of term 2m - 1 × 100 + day of term 2m, in Gregorian month m.
inline constexpr std::array<std::string_view, 5> TermDayRows = {
    "",
    "621,419,520,420,521,521,722,723,723,823,722,721",
    "520,418,520,520,521,621,723,723,723,823,722,722",
    "520,419,621,520,621,621,723,823,823,823,722,722",
    "620,419,621,520,621,622,723,823,823,924,823,722",
};

} // namespace guheng::calendar
