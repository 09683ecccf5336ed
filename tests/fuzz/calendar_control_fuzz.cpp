// libFuzzer target: the Calendar control fed a property bag and a run of dispatch calls made from
// the input. Beyond not crashing, it checks that every call answers with a known status, that
// outputs keep their types, and that whatever the control saves loads back into the same bag.
#include "automation/unknown.h"
#include "calendar/calendar_control.h"
#include "calendar/calendar_interface.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>
#include <vector>

using namespace guheng::automation;
using namespace guheng::calendar;

namespace {

// Names the broken rule, so a finding explains itself.
#define require(rule)                                                                                        \
    do {                                                                                                     \
        if (!(rule)) {                                                                                       \
            std::fprintf(stderr, "broken: %s\n", #rule);                                                     \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

constexpr std::array<DispId, 8> KnownIds{
    DISPID_DateNow,       DISPID_ChineseDate,      DISPID_ChineseAnimal, DISPID_ChineseDateType,
    DISPID_ChineseGanZhi, DISPID_ChineseSolarTerm, DISPID_About,         0};

constexpr std::array<HRESULT, 8> ExpectedStatuses{S_OK,
                                                  DISP_E_MEMBERNOTFOUND,
                                                  DISP_E_BADPARAMCOUNT,
                                                  DISP_E_TYPEMISMATCH,
                                                  DISP_E_OVERFLOW,
                                                  E_INVALIDARG,
                                                  E_NOTIMPL,
                                                  E_UNEXPECTED};

double someDouble(FuzzedDataProvider& input) {
    constexpr std::array<double, 8> Special{0.0,
                                            36923.0,
                                            -657434.0,
                                            2958465.999,
                                            std::numeric_limits<double>::quiet_NaN(),
                                            std::numeric_limits<double>::infinity(),
                                            -std::numeric_limits<double>::infinity(),
                                            std::numeric_limits<double>::denorm_min()};
    if (input.ConsumeBool())
        return input.PickValueInArray(Special);
    return input.ConsumeFloatingPoint<double>();
}

std::u16string someText(FuzzedDataProvider& input) {
    std::string bytes = input.ConsumeRandomLengthString(24);
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8);
    return text;
}

Variant someVariant(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 6)) {
    case 0:
        return {};
    case 1:
        return Variant::fromI2(input.ConsumeIntegral<std::int16_t>());
    case 2:
        return Variant::fromI4(input.ConsumeIntegral<std::int32_t>());
    case 3:
        return Variant::fromR8(someDouble(input));
    case 4:
        return Variant::fromDate(someDouble(input));
    case 5:
        return Variant::fromBool(input.ConsumeBool());
    default:
        return Variant::fromText(someText(input));
    }
}

PropertyBag someBag(FuzzedDataProvider& input) {
    constexpr std::array<std::u16string_view, 3> Names{u"DateNow", u"ChineseDateType", u"Other"};
    PropertyBag bag;
    for (int n = input.ConsumeIntegralInRange(0, 4); n > 0; --n)
        bag.Write(input.PickValueInArray(Names), someVariant(input));
    return bag;
}

Ref<Calendar> newCalendar() {
    return Ref<Calendar>::adopt(new Calendar());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Ref<Calendar> calendar = newCalendar();
    PropertyBag stored = someBag(input);
    HRESULT loaded = input.ConsumeBool() ? calendar->Load(stored) : calendar->InitNew();
    require(loaded == S_OK || loaded == DISP_E_TYPEMISMATCH || loaded == DISP_E_OVERFLOW);
    if (failed(loaded))
        return 0; // a container releases a control that failed to load

    for (int calls = input.ConsumeIntegralInRange(0, 32); calls > 0 && input.remaining_bytes() > 0; --calls) {
        DispId id = input.ConsumeBool() ? input.PickValueInArray(KnownIds) : input.ConsumeIntegral<DispId>();
        auto flags = input.ConsumeIntegralInRange<std::uint16_t>(0, 7);
        std::vector<Variant> args(input.ConsumeIntegralInRange(0, 2));
        for (Variant& arg : args)
            arg = someVariant(input);
        Variant result;
        HRESULT status = calendar->Invoke(id, flags, args, &result);
        require(std::find(ExpectedStatuses.begin(), ExpectedStatuses.end(), status) !=
                ExpectedStatuses.end());
        if (succeeded(status) && id == DISPID_ChineseDate)
            require(result.type() == VT_BSTR || result.type() == VT_I2);
        if (succeeded(status) && id == DISPID_ChineseGanZhi && (flags & DISPATCH_PROPERTYGET))
            require(result.text() && (result.text()->empty() || result.text()->size() == 3));
    }

    // What the control saves, it loads again, and saves the same.
    PropertyBag saved;
    require(calendar->Save(saved) == S_OK);
    Ref<Calendar> reloaded = newCalendar();
    require(reloaded->Load(saved) == S_OK);
    PropertyBag savedAgain;
    require(reloaded->Save(savedAgain) == S_OK);
    require(saved.entries() == savedAgain.entries());
    return 0;
}
