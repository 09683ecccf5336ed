#include "control_calendar.h"

#include "calendar/calendar_interface.h"

namespace guheng::reckoning {

using automation::Variant;

CallStatus ControlCalendar::putDateNow(double automationDate) {
    return automation::putProperty(control_, calendar::DISPID_DateNow, Variant::fromDate(automationDate));
}

CallStatus ControlCalendar::putChineseDateType(std::int32_t type) {
    return automation::putProperty(control_, calendar::DISPID_ChineseDateType, Variant::fromI4(type));
}

Answer<ChineseDateValue> ControlCalendar::getChineseDate() {
    Variant value;
    const auto status = automation::getProperty(control_, calendar::DISPID_ChineseDate, &value);
    if (automation::failed(status))
        return {status, {}};
    if (const auto code = value.i2())
        return {status, *code};
    if (const auto text = value.text())
        return {status, std::u16string(*text)};
    return {status, std::monostate()};
}

Answer<std::u16string> ControlCalendar::getChineseGanZhi() {
    return getText(calendar::DISPID_ChineseGanZhi);
}

Answer<std::u16string> ControlCalendar::getChineseAnimal() {
    return getText(calendar::DISPID_ChineseAnimal);
}

Answer<std::u16string> ControlCalendar::getText(automation::DispId id) {
    Variant value;
    const auto status = automation::getProperty(control_, id, &value);
    if (automation::failed(status))
        return {status, {}};
    const auto text = value.text();
    if (!text)
        return {automation::DISP_E_TYPEMISMATCH, {}};
    return {status, std::u16string(*text)};
}

} // namespace guheng::reckoning
