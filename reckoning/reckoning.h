// The bone-weight reckoning: chenggu checks the five input texts, asks the calendar and builds the nine
// captions. It never throws and never reads outside its tables: bad input, a failed calendar call or a
// calendar answer outside the contract comes back as a ChengguRejection naming the field that gets the focus.
#pragma once

#include "reckoning/calendar_object.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace guheng::reckoning {

enum class InputField { Text6, Text1, Text2, Text3, Text4 };

// The control name of the field, e.g. "Text6".
std::string_view fieldName(InputField field);

struct ChengguRejection {
    InputField field = InputField::Text6;
    std::u16string message;
};

// The captions as the window shows them, and the total weight in 钱 (21..71).
struct ChengguResult {
    std::u16string animal;          // Label16
    std::u16string eightCharacters; // Label17
    std::u16string pillars;         // Label18
    std::u16string lunarDate;       // Label2
    std::u16string weight;          // Label19
    std::u16string firstCouplet;    // Label20
    std::u16string secondCouplet;   // Label1
    std::u16string suiyang;         // Label14
    std::u16string suiyin;          // Label5
    int total = 0;
};

using ChengguOutcome = std::variant<ChengguRejection, ChengguResult>;

// Holds the stem numbers of the last reckoning, as the main window does.
class Reckoning {
  public:
    std::int16_t yuegan = 0; // stem of the lunar month, 1..20
    std::int16_t rigan = 0;  // stem of the day, 1..10
    std::int16_t rizhi = 0;  // branch of the day, 1..12
    std::int16_t shigan = 0; // stem of the hour, 1..20

    // The five texts as typed: name, Gregorian year, month, day, hour of the clock.
    ChengguOutcome chenggu(std::u16string_view name, std::u16string_view year, std::u16string_view month,
                           std::u16string_view day, std::u16string_view hour, CalendarObject& calendar);

    // Sets yuegan from the year stem character and the lunar month 1..12; false (nothing set) for other
    // input.
    [[nodiscard]] bool yue(char16_t stem, int month);

    // Sets rigan, rizhi and shigan for a Gregorian date and hour 0..23; false (nothing set) for other input.
    [[nodiscard]] bool ri(int year, int month, int day, int hour);

  private:
    ChengguOutcome reckon(int year, int month, int day, int hour, CalendarObject& calendar);
};

} // namespace guheng::reckoning
