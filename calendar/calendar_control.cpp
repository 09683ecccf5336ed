#include "calendar/calendar_control.h"

#include "automation/automation_date.h"
#include "automation/dispatch_table.h"
#include "automation/server_module.h"
#include "automation/variant_convert.h"
#include "calendar/about_box.h"
#include "calendar/calendar_interface.h"
#include "calendar/calendar_typelib.h"

#include <ctime>

namespace guheng::calendar {

using namespace automation;

namespace {

constexpr std::u16string_view DateNowKey = u"DateNow";
constexpr std::u16string_view ChineseDateTypeKey = u"ChineseDateType";

// The bag defaults: an empty text for DateNow (which no date equals, and which cannot be read
// back as one) and the 16-bit 0 for ChineseDateType.
Variant dateNowDefault() {
    return Variant::fromText(u"");
}
Variant dateTypeDefault() {
    return Variant::fromI2(0);
}

double today() {
    std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local)
        return 0;
    auto serial = daySerialOf(CivilDate{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday});
    return serial ? *serial : 0;
}

Variant toVariant(const ChineseDateValue& value) {
    if (const auto* text = std::get_if<std::u16string>(&value))
        return Variant::fromText(*text);
    return Variant::fromI2(*std::get_if<std::int16_t>(&value));
}

} // namespace

Calendar::Calendar() {
    server::objectCreated();
}

Calendar::~Calendar() {
    server::objectDestroyed();
}

HRESULT Calendar::QueryInterface(const Guid& iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IUnknown::iid || iid == IDispatch::iid || iid == IID__Calendar)
        *object = static_cast<IDispatch*>(this);
    else if (iid == IPersistPropertyBag::iid)
        *object = static_cast<IPersistPropertyBag*>(this);
    else if (iid == IControl::iid)
        *object = static_cast<IControl*>(this);
    else
        *object = nullptr;
    if (!*object)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

std::uint32_t Calendar::AddRef() {
    return ++references_;
}

std::uint32_t Calendar::Release() {
    std::uint32_t left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT Calendar::GetTypeInfo(TypeInfo* info) {
    if (!info)
        return E_POINTER;
    *info = {&CalendarDispatchInterface, &XingtaiTypeLib};
    return S_OK;
}

HRESULT Calendar::GetIDsOfNames(std::u16string_view name, DispId* id) {
    return findDispId(CalendarDispatchInterface, name, id);
}

HRESULT Calendar::Invoke(DispId id, std::uint16_t flags, std::span<const Variant> args, Variant* result) {
    CheckedCall call;
    HRESULT status = checkInvoke(CalendarDispatchInterface, id, flags, args, &call);
    if (failed(status))
        return status;
    switch (call.access) {
    case Access::put:
        put(id, call.value);
        return S_OK;
    case Access::get: {
        Variant value = get(id);
        if (result)
            *result = std::move(value);
        return S_OK;
    }
    case Access::call:
        return showAboutBox();
    }
    return E_UNEXPECTED;
}

Variant Calendar::get(DispId id) {
    switch (id) {
    case DISPID_DateNow:
        return Variant::fromDate(calendar_.DateNow);
    case DISPID_ChineseDateType: {
        // The value is taken before the conversion that every read of the type runs.
        std::int32_t type = calendar_.ChineseDateType;
        calendar_.ConvertDate();
        return Variant::fromI4(type);
    }
    case DISPID_ChineseDate:
        return toVariant(calendar_.ChineseDate);
    case DISPID_ChineseGanZhi:
        return Variant::fromText(calendar_.ChineseGanZhi);
    case DISPID_ChineseAnimal:
        return Variant::fromText(calendar_.ChineseAnimal);
    case DISPID_ChineseSolarTerm:
        return Variant::fromText(calendar_.ChineseSolarTerm);
    default:
        return {};
    }
}

void Calendar::put(DispId id, const Variant& value) {
    if (id == DISPID_DateNow) {
        calendar_.DateNow = *value.date();
        calendar_.ConvertDate();
        notifyChanged(id, DateNowKey);
    } else if (id == DISPID_ChineseDateType) {
        calendar_.ChineseDateType = *value.i4();
        calendar_.FormatChineseDate();
        notifyChanged(id, ChineseDateTypeKey);
    }
}

void Calendar::notifyChanged(DispId id, std::u16string_view name) {
    if (sink_)
        sink_->OnChanged(id, name);
}

HRESULT Calendar::InitNew() {
    calendar_ = LunarCalendar();
    calendar_.DateNow = today();
    return S_OK;
}

HRESULT Calendar::Load(IPropertyBag& bag) {
    Variant dateNow;
    HRESULT status = changeType(readProperty(bag, DateNowKey, dateNowDefault()), VT_DATE, &dateNow);
    if (failed(status))
        return status;
    Variant dateType;
    status = changeType(readProperty(bag, ChineseDateTypeKey, dateTypeDefault()), VT_I4, &dateType);
    if (failed(status))
        return status;
    calendar_.DateNow = *dateNow.date();
    calendar_.ChineseDateType = *dateType.i4();
    calendar_.ConvertDate();
    return S_OK;
}

HRESULT Calendar::Save(IPropertyBag& bag) {
    HRESULT status = writeProperty(bag, DateNowKey, Variant::fromDate(calendar_.DateNow), dateNowDefault());
    if (failed(status))
        return status;
    return writeProperty(bag, ChineseDateTypeKey, Variant::fromI4(calendar_.ChineseDateType),
                         dateTypeDefault());
}

HRESULT Calendar::SetSite(IPropertyNotifySink* sink) {
    sink_ = sink;
    return S_OK;
}

HRESULT Calendar::SetExtent(Extent) {
    // Whatever size the container asks for, the control keeps its own.
    return S_OK;
}

HRESULT Calendar::GetExtent(Extent* twips) {
    if (!twips)
        return E_POINTER;
    *twips = {CalendarWidthTwips, CalendarHeightTwips};
    return S_OK;
}

HRESULT Calendar::GetMiscStatus(std::uint32_t* flags) {
    if (!flags)
        return E_POINTER;
    *flags = XingtaiTypeLib.classes[0].miscStatus;
    return S_OK;
}

} // namespace guheng::calendar
