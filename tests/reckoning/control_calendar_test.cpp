// ControlCalendar over a stand-in dispatch interface: what crosses as variants, and what a bad answer
// becomes.
#include "calendar/calendar_interface.h"
#include "reckoning/control_calendar.h"
#include "reckoning/reckoning.h"

#include <gtest/gtest.h>
#include <map>

namespace guheng::reckoning {
namespace {

using namespace automation;

// Answers each get with a scripted status and value; records the puts.
class ScriptedDispatch : public IDispatch {
  public:
    std::map<DispId, std::pair<HRESULT, Variant>> answers;
    std::vector<std::pair<DispId, Variant>> puts;
    HRESULT putStatus = S_OK;

    HRESULT QueryInterface(const Guid&, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return 1; }
    std::uint32_t Release() override { return 1; }
    HRESULT GetTypeInfo(TypeInfo*) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(std::u16string_view, DispId* id) override {
        *id = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT Invoke(DispId id, std::uint16_t flags, std::span<const Variant> args, Variant* result) override {
        if (flags & DISPATCH_PROPERTYPUT) {
            puts.emplace_back(id, args.size() == 1 ? args[0] : Variant());
            return putStatus;
        }
        const auto found = answers.find(id);
        if (found == answers.end())
            return DISP_E_MEMBERNOTFOUND;
        *result = found->second.second;
        return found->second.first;
    }
};

TEST(ControlCalendar, PutsCrossAsDateAndLong) {
    ScriptedDispatch control;
    ControlCalendar calendar(control);
    EXPECT_EQ(calendar.putDateNow(36526), S_OK);
    EXPECT_EQ(calendar.putChineseDateType(dateNumeric), S_OK);
    ASSERT_EQ(control.puts.size(), 2u);
    EXPECT_EQ(control.puts[0].first, calendar::DISPID_DateNow);
    EXPECT_EQ(control.puts[0].second, Variant::fromDate(36526));
    EXPECT_EQ(control.puts[1].first, calendar::DISPID_ChineseDateType);
    EXPECT_EQ(control.puts[1].second, Variant::fromI4(1));
}

struct DateCase {
    const char* what;
    HRESULT status;
    Variant value;
    ChineseDateValue expected;
};

TEST(ControlCalendar, ChineseDateTakesTextOrShortInteger) {
    const DateCase cases[] = {
        {"16-bit day code", S_OK, Variant::fromI2(1125), std::int16_t{1125}},
        {"text", S_OK, Variant::fromText(u"冬月廿五"), std::u16string(u"冬月廿五")},
        {"32-bit integer is no day code", S_OK, Variant::fromI4(1125), std::monostate()},
        {"empty variant", S_OK, Variant(), std::monostate()},
        {"failed call", DISP_E_MEMBERNOTFOUND, Variant::fromI2(1125), std::monostate()},
    };
    for (const auto& c : cases) {
        ScriptedDispatch control;
        control.answers[calendar::DISPID_ChineseDate] = {c.status, c.value};
        ControlCalendar calendar(control);
        const auto answer = calendar.getChineseDate();
        EXPECT_EQ(answer.status, c.status) << c.what;
        EXPECT_EQ(answer.value, c.expected) << c.what;
    }
}

TEST(ControlCalendar, TextPropertiesMustBeText) {
    ScriptedDispatch control;
    control.answers[calendar::DISPID_ChineseGanZhi] = {S_OK, Variant::fromText(u"己卯年")};
    control.answers[calendar::DISPID_ChineseAnimal] = {S_OK, Variant::fromI2(3)};
    ControlCalendar calendar(control);
    EXPECT_EQ(calendar.getChineseGanZhi().value, u"己卯年");
    EXPECT_EQ(calendar.getChineseAnimal().status, DISP_E_TYPEMISMATCH);
}

struct RejectionCase {
    const char* what;
    HRESULT putStatus;
    Variant animal;
    std::u16string message;
};

TEST(ControlCalendar, FailedCallsBecomeClearRejections) {
    const RejectionCase cases[] = {
        {"put refused", DISP_E_MEMBERNOTFOUND, Variant::fromText(u"兔"),
         u"日历控件的DateNow调用失败（0x80020003），小墨没法推算啊！"},
        {"animal of the wrong type", S_OK, Variant::fromI4(7),
         u"日历控件的ChineseAnimal调用失败（0x80020005），小墨没法推算啊！"},
    };
    for (const auto& c : cases) {
        ScriptedDispatch control;
        control.putStatus = c.putStatus;
        control.answers[calendar::DISPID_ChineseDate] = {S_OK, Variant::fromI2(1125)};
        control.answers[calendar::DISPID_ChineseGanZhi] = {S_OK, Variant::fromText(u"己卯年")};
        control.answers[calendar::DISPID_ChineseAnimal] = {S_OK, c.animal};
        ControlCalendar calendar(control);
        Reckoning reckoning;
        const auto outcome = reckoning.chenggu(u"张三", u"2000", u"1", u"1", u"0", calendar);
        const auto* rejection = std::get_if<ChengguRejection>(&outcome);
        ASSERT_NE(rejection, nullptr) << c.what;
        EXPECT_EQ(rejection->message, c.message) << c.what;
    }
}

} // namespace
} // namespace guheng::reckoning
