// The lunar conversion of the Calendar control: the state it keeps and the two
// routines that fill it. Plain C++, no platform code, so it runs anywhere.
//
// A caller sets DateNow (an automation date) and ChineseDateType, runs
// ConvertDate, and reads the outputs. Dates outside 1920..2031 (and values that
// are no date at all: NaN, infinities, beyond the automation date range) give
// the out-of-range outputs, never an error; a value that is no date has no
// Gregorian year either, so ChineseGanZhi and ChineseAnimal are empty for it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>

namespace guheng::calendar {

enum TypesOfChineseDate : std::int32_t { dateCharacter = 0, dateNumeric = 1 };

// ChineseDate is text for dateCharacter and the 16-bit day code for dateNumeric.
using ChineseDateValue = std::variant<std::u16string, std::int16_t>;

class LunarCalendar {
  public:
    double DateNow = 0;
    std::int32_t ChineseDateType = dateCharacter;
    ChineseDateValue ChineseDate = std::u16string();
    std::u16string ChineseGanZhi;
    std::u16string ChineseAnimal;
    std::u16string ChineseSolarTerm;

    std::int16_t CurYear = 0;
    std::int16_t CurMonth = 0;
    std::int16_t DaysInMonth = 0;
    std::array<std::int16_t, 32> DayCodes{};

    void ConvertDate();
    void FormatChineseDate();
};

} // namespace guheng::calendar
