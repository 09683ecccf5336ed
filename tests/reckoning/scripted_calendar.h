// A calendar object for tests: answers like the control from a scripted lunar date, records every access in
// order, and can make one access fail or answer with a value outside the contract.
#pragma once

#include "reckoning/calendar_object.h"

#include <optional>
#include <string>
#include <vector>

namespace guheng::reckoning::testing {

class ScriptedCalendar : public CalendarObject {
  public:
    std::int16_t dayCode = 1125;
    std::u16string dayWords = u"冬月廿五";
    std::u16string ganZhi = u"己卯年";
    std::u16string animal = u"兔";

    // The access (counted from 0) that fails with failStatus.
    std::optional<std::size_t> failingAccess;
    CallStatus failStatus = static_cast<CallStatus>(0x80020005); // DISP_E_TYPEMISMATCH

    // Replaces every ChineseDate answer, whatever the type set.
    std::optional<ChineseDateValue> chineseDateOverride;

    std::vector<std::string> accesses;
    double dateNow = -1;
    std::int32_t dateType = dateCharacter;

    CallStatus putDateNow(double automationDate) override {
        record("put DateNow");
        dateNow = automationDate;
        return status();
    }
    CallStatus putChineseDateType(std::int32_t type) override {
        record("put ChineseDateType " + std::to_string(type));
        dateType = type;
        return status();
    }
    Answer<ChineseDateValue> getChineseDate() override {
        record("get ChineseDate");
        ChineseDateValue value =
            dateType == dateNumeric ? ChineseDateValue(dayCode) : ChineseDateValue(dayWords);
        return answer(chineseDateOverride.value_or(value));
    }
    Answer<std::u16string> getChineseGanZhi() override {
        record("get ChineseGanZhi");
        return answer(ganZhi);
    }
    Answer<std::u16string> getChineseAnimal() override {
        record("get ChineseAnimal");
        return answer(animal);
    }

  private:
    void record(std::string access) { accesses.push_back(std::move(access)); }
    CallStatus status() const { return failingAccess == accesses.size() - 1 ? failStatus : 0; }
    template <typename T> Answer<T> answer(T value) const {
        if (failingAccess == accesses.size() - 1)
            return {failStatus, T{}};
        return {0, std::move(value)};
    }
};

} // namespace guheng::reckoning::testing
