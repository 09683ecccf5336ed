// The Calendar control as the reckoning's calendar object: every property access is one late-bound call
// by dispatch id. A failed call passes its status on; a text property answered with another type is
// reported as DISP_E_TYPEMISMATCH; a ChineseDate that is neither text nor a 16-bit integer is monostate.
#pragma once

#include "automation/dispatch.h"
#include "reckoning/calendar_object.h"

namespace guheng::reckoning {

class ControlCalendar : public CalendarObject {
  public:
    // The control must outlive this object.
    explicit ControlCalendar(automation::IDispatch& control) : control_(control) {}

    CallStatus putDateNow(double automationDate) override;
    CallStatus putChineseDateType(std::int32_t type) override;
    Answer<ChineseDateValue> getChineseDate() override;
    Answer<std::u16string> getChineseGanZhi() override;
    Answer<std::u16string> getChineseAnimal() override;

  private:
    Answer<std::u16string> getText(automation::DispId id);

    automation::IDispatch& control_;
};

} // namespace guheng::reckoning
