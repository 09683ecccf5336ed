// The calendar as the reckoning sees it: the five properties of the Calendar control it uses.
// Every access reports the status of the call; a negative status means the call failed and its value is
// empty.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace guheng::reckoning {

// The platform's status of one call: 0 or positive succeeded, negative failed (an HRESULT).
using CallStatus = std::int32_t;

inline bool failed(CallStatus status) {
    return status < 0;
}

// ChineseDate: text in the character form, the 16-bit day code in the numeric form, monostate for anything
// else.
using ChineseDateValue = std::variant<std::monostate, std::u16string, std::int16_t>;

template <typename T> struct Answer {
    CallStatus status = 0;
    T value{};
};

enum TypesOfChineseDate : std::int32_t { dateCharacter = 0, dateNumeric = 1 };

class CalendarObject {
  public:
    virtual ~CalendarObject() = default;

    virtual CallStatus putDateNow(double automationDate) = 0;
    virtual CallStatus putChineseDateType(std::int32_t type) = 0;
    virtual Answer<ChineseDateValue> getChineseDate() = 0;
    virtual Answer<std::u16string> getChineseGanZhi() = 0;
    virtual Answer<std::u16string> getChineseAnimal() = 0;
};

} // namespace guheng::reckoning
