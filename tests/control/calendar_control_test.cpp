// The Calendar control as a container sees it: the real library, loaded at run time through the
// hosting layer (registration-free, from the manifest beside the test program), driven by dispatch id.
#include "automation/automation_date.h"
#include "automation/hosting.h"
#include "calendar/calendar_interface.h"
#include "recording_sink.h"
#include "temporary_data_home.h"

#include <cmath>
#include <ctime>
#include <gtest/gtest.h>
#include <vector>

using namespace guheng::automation;
using namespace guheng::calendar;

namespace {

double dateOf(int year, int month, int day) {
    return *daySerialOf(CivilDate{year, month, day});
}

Variant text(std::u16string value) {
    return Variant::fromText(std::move(value));
}

class CalendarControl : public ::testing::Test {
  protected:
    void SetUp() override {
        HostingResult created = createControl(CalendarProgId, nullptr, &sink);
        ASSERT_EQ(created.status, S_OK) << statusMessage(created.status);
        control = std::move(created.control);
    }

    Variant get(DispId id) {
        Variant value;
        EXPECT_EQ(control.get(id, &value), S_OK);
        return value;
    }
    void put(DispId id, const Variant& value) { ASSERT_EQ(control.put(id, value), S_OK); }
    void putDate(int year, int month, int day) {
        put(DISPID_DateNow, Variant::fromDate(dateOf(year, month, day)));
    }

    TemporaryDataHome dataHome; // keeps the user's own registry out of the tests
    RecordingSink sink;
    HostedControl control;
};

TEST_F(CalendarControl, FreshInstanceHasEmptyOutputsUntilTheTypeIsRead) {
    for (DispId output :
         {DISPID_ChineseDate, DISPID_ChineseGanZhi, DISPID_ChineseAnimal, DISPID_ChineseSolarTerm})
        EXPECT_EQ(get(output), text(u"")) << output;

    // DateNow is today, without a time of day.
    double today = *get(DISPID_DateNow).date();
    EXPECT_EQ(today, std::floor(today));
    double now = static_cast<double>(std::time(nullptr)) / 86400.0 + 25569.0; // Unix epoch is day 25569
    EXPECT_NEAR(today, now, 1.5);

    EXPECT_EQ(get(DISPID_ChineseDateType), Variant::fromI4(0));
    EXPECT_EQ(get(DISPID_ChineseGanZhi).text()->size(), 3u); // the read converted today's date
    EXPECT_TRUE(sink.names.empty());
}

TEST_F(CalendarControl, FirstOfFebruary2001) {
    putDate(2001, 2, 1);
    put(DISPID_ChineseDateType, Variant::fromI4(1));
    EXPECT_EQ(get(DISPID_ChineseDate), Variant::fromI2(109));
    put(DISPID_ChineseDateType, Variant::fromI4(0));
    EXPECT_EQ(get(DISPID_ChineseDate), text(u"正月初九"));
    EXPECT_EQ(get(DISPID_ChineseGanZhi), text(u"辛巳年"));
    EXPECT_EQ(get(DISPID_ChineseAnimal), text(u"蛇"));
    EXPECT_EQ(get(DISPID_ChineseSolarTerm), text(u""));
    EXPECT_EQ(get(DISPID_DateNow), Variant::fromDate(dateOf(2001, 2, 1)));
}

struct DayCase {
    const char* name;
    int year, month, day;
    Variant numeric;
    std::u16string characters;
    std::u16string ganZhi, animal, solarTerm;
};

class CalendarDays : public CalendarControl, public ::testing::WithParamInterface<DayCase> {};

TEST_P(CalendarDays, BothShapesAndTheOtherOutputs) {
    const DayCase& c = GetParam();
    putDate(c.year, c.month, c.day);
    put(DISPID_ChineseDateType, Variant::fromI4(1));
    EXPECT_EQ(get(DISPID_ChineseDate), c.numeric);
    std::vector<Variant> numericOutputs{get(DISPID_ChineseGanZhi), get(DISPID_ChineseAnimal),
                                        get(DISPID_ChineseSolarTerm)};
    put(DISPID_ChineseDateType, Variant::fromI4(0));
    EXPECT_EQ(get(DISPID_ChineseDate), text(c.characters));
    std::vector<Variant> outputs{get(DISPID_ChineseGanZhi), get(DISPID_ChineseAnimal),
                                 get(DISPID_ChineseSolarTerm)};
    EXPECT_EQ(outputs, (std::vector<Variant>{text(c.ganZhi), text(c.animal), text(c.solarTerm)}));
    EXPECT_EQ(numericOutputs, outputs) << "switching the shape changes nothing else";
}

INSTANTIATE_TEST_SUITE_P(Days, CalendarDays,
                         ::testing::Values(DayCase{"term_day_4_February_2001", 2001, 2, 4,
                                                   Variant::fromI2(112), u"正月十二", u"辛巳年", u"蛇",
                                                   u"立春"},
                                           DayCase{"ordinary_month_6_of_1941", 1941, 6, 25,
                                                   Variant::fromI2(601), u"六月初一", u"辛巳年", u"蛇", u""},
                                           DayCase{"leap_month_6_of_1941", 1941, 7, 24, Variant::fromI2(601),
                                                   u"六月初一", u"辛巳年", u"蛇", u""},
                                           DayCase{"first_day_of_the_range", 1920, 1, 1,
                                                   Variant::fromI2(1111), u"冬月十一", u"己未年", u"羊", u""},
                                           DayCase{"last_day_of_the_range", 2031, 12, 31,
                                                   Variant::fromI2(1118), u"冬月十八", u"辛亥年", u"猪", u""},
                                           DayCase{"year_1919_is_out_of_range", 1919, 6, 1,
                                                   Variant::fromI2(0), u"", u"己未年", u"羊", u""},
                                           DayCase{"year_2032_is_out_of_range", 2032, 1, 1,
                                                   Variant::fromI2(0), u"", u"壬子年", u"鼠", u""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalendarControl, TypeOutsideTheEnumerationIsKeptAndLeavesChineseDateAsItWas) {
    putDate(2001, 2, 1);
    put(DISPID_ChineseDateType, Variant::fromI4(5));
    EXPECT_EQ(get(DISPID_ChineseDate), text(u"正月初九"));
    putDate(2001, 2, 2);
    EXPECT_EQ(get(DISPID_ChineseDate), text(u"正月初九"));
    EXPECT_EQ(get(DISPID_ChineseDateType), Variant::fromI4(5));
}

TEST_F(CalendarControl, PutsNotifyTheContainerByName) {
    putDate(2001, 2, 1);
    put(DISPID_ChineseDateType, Variant::fromI4(1));
    get(DISPID_ChineseDateType);
    get(DISPID_ChineseDate);
    EXPECT_EQ(sink.names, (std::vector<std::u16string>{u"DateNow", u"ChineseDateType"}));
    EXPECT_EQ(sink.ids, (std::vector<DispId>{DISPID_DateNow, DISPID_ChineseDateType}));
}

TEST_F(CalendarControl, KeepsItsSizeWhateverTheContainerAsks) {
    auto site = control.query<IControl>();
    ASSERT_TRUE(site);
    for (Extent asked : {Extent{0, 0}, Extent{480, 450}, Extent{9600, 7200}, Extent{-15, 1}}) {
        EXPECT_EQ(site->SetExtent(asked), S_OK);
        Extent kept;
        ASSERT_EQ(site->GetExtent(&kept), S_OK);
        EXPECT_EQ(kept, (Extent{480, 450}));
    }
    std::uint32_t misc = 0;
    ASSERT_EQ(site->GetMiscStatus(&misc), S_OK);
    EXPECT_EQ(misc, 0x24591u);
}

struct BadCall {
    const char* name;
    DispId id;
    std::uint16_t flags;
    std::vector<Variant> args;
    HRESULT expected;
};

class CalendarBadCalls : public CalendarControl, public ::testing::WithParamInterface<BadCall> {};

TEST_P(CalendarBadCalls, FailWithAClearStatusAndChangeNothing) {
    putDate(2001, 2, 1);
    sink.names.clear();
    const BadCall& c = GetParam();
    Variant result = text(u"untouched");
    EXPECT_EQ(control->Invoke(c.id, c.flags, c.args, &result), c.expected) << statusMessage(c.expected);
    EXPECT_EQ(result, text(u"untouched"));
    EXPECT_EQ(get(DISPID_DateNow), Variant::fromDate(dateOf(2001, 2, 1)));
    EXPECT_EQ(get(DISPID_ChineseDate), text(u"正月初九"));
    EXPECT_TRUE(sink.names.empty());
}

const Variant One = Variant::fromI4(1);

INSTANTIATE_TEST_SUITE_P(
    Calls, CalendarBadCalls,
    ::testing::Values(
        BadCall{"unknown_id", 0x68030006, DISPATCH_PROPERTYGET, {}, DISP_E_MEMBERNOTFOUND},
        BadCall{"id_zero", 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, DISP_E_MEMBERNOTFOUND},
        BadCall{"put_ChineseDate", DISPID_ChineseDate, DISPATCH_PROPERTYPUT, {One}, DISP_E_MEMBERNOTFOUND},
        BadCall{"put_ChineseGanZhi",
                DISPID_ChineseGanZhi,
                DISPATCH_PROPERTYPUT,
                {text(u"甲子年")},
                DISP_E_MEMBERNOTFOUND},
        BadCall{"put_ChineseAnimal",
                DISPID_ChineseAnimal,
                DISPATCH_PROPERTYPUT,
                {text(u"鼠")},
                DISP_E_MEMBERNOTFOUND},
        BadCall{"put_ChineseSolarTerm",
                DISPID_ChineseSolarTerm,
                DISPATCH_PROPERTYPUT,
                {text(u"")},
                DISP_E_MEMBERNOTFOUND},
        BadCall{"get_About", DISPID_About, DISPATCH_PROPERTYGET, {}, DISP_E_MEMBERNOTFOUND},
        BadCall{"call_DateNow_as_method", DISPID_DateNow, DISPATCH_METHOD, {}, DISP_E_MEMBERNOTFOUND},
        BadCall{"no_access_flags", DISPID_DateNow, 0, {}, DISP_E_MEMBERNOTFOUND},
        BadCall{"put_and_get_at_once",
                DISPID_DateNow,
                DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYGET,
                {One},
                E_INVALIDARG},
        BadCall{"put_without_value", DISPID_DateNow, DISPATCH_PROPERTYPUT, {}, DISP_E_BADPARAMCOUNT},
        BadCall{
            "put_two_values", DISPID_ChineseDateType, DISPATCH_PROPERTYPUT, {One, One}, DISP_E_BADPARAMCOUNT},
        BadCall{"get_with_argument", DISPID_ChineseDate, DISPATCH_PROPERTYGET, {One}, DISP_E_BADPARAMCOUNT},
        BadCall{"About_with_argument", DISPID_About, DISPATCH_METHOD, {One}, DISP_E_BADPARAMCOUNT},
        BadCall{
            "date_as_text", DISPID_DateNow, DISPATCH_PROPERTYPUT, {text(u"2001-02-01")}, DISP_E_TYPEMISMATCH},
        BadCall{"date_as_empty_text", DISPID_DateNow, DISPATCH_PROPERTYPUT, {text(u"")}, DISP_E_TYPEMISMATCH},
        BadCall{"date_beyond_year_9999",
                DISPID_DateNow,
                DISPATCH_PROPERTYPUT,
                {Variant::fromR8(3e6)},
                DISP_E_OVERFLOW},
        BadCall{"date_NaN",
                DISPID_DateNow,
                DISPATCH_PROPERTYPUT,
                {Variant::fromR8(std::nan(""))},
                DISP_E_OVERFLOW},
        BadCall{"date_variant_holding_NaN",
                DISPID_DateNow,
                DISPATCH_PROPERTYPUT,
                {Variant::fromDate(std::nan(""))},
                DISP_E_OVERFLOW},
        BadCall{"type_as_word",
                DISPID_ChineseDateType,
                DISPATCH_PROPERTYPUT,
                {text(u"numeric")},
                DISP_E_TYPEMISMATCH},
        BadCall{"type_beyond_32_bits",
                DISPID_ChineseDateType,
                DISPATCH_PROPERTYPUT,
                {Variant::fromR8(3e9)},
                DISP_E_OVERFLOW}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalendarControl, ArgumentsAreConvertedToTheMemberType) {
    put(DISPID_DateNow, Variant::fromR8(dateOf(2001, 2, 1)));
    put(DISPID_ChineseDateType, text(u" 1 "));
    EXPECT_EQ(get(DISPID_ChineseDate), Variant::fromI2(109));
    put(DISPID_ChineseDateType, Variant::fromI2(0));
    EXPECT_EQ(get(DISPID_ChineseDate), text(u"正月初九"));
}

TEST_F(CalendarControl, NamesAndTypeInformation) {
    DispId id = 0;
    EXPECT_EQ(control->GetIDsOfNames(u"chinesedatetype", &id), S_OK);
    EXPECT_EQ(id, DISPID_ChineseDateType);
    EXPECT_EQ(control->GetIDsOfNames(u"ChineseYear", &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);

    TypeInfo info;
    ASSERT_EQ(control->GetTypeInfo(&info), S_OK);
    ASSERT_TRUE(info.dispatchInterface && info.library);
    EXPECT_EQ(info.dispatchInterface->name, u"_Calendar");
    EXPECT_EQ(info.dispatchInterface->iid, IID__Calendar);
    EXPECT_EQ(info.dispatchInterface->flags & (TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE),
              TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE);
    EXPECT_EQ(info.library->name, u"星台");
    EXPECT_EQ(info.library->libid, LIBID_Xingtai);
    ASSERT_EQ(info.library->enums.size(), 1u);
    EXPECT_EQ(info.library->enums[0].name, u"TypesOfChineseDate");
    EXPECT_EQ(info.library->enums[0].values[1].name, u"dateNumeric");
    EXPECT_EQ(info.library->enums[0].values[1].value, 1);

    struct Expected {
        DispId id;
        std::u16string_view name;
        bool canPut;
        bool browsable;
        std::u16string_view typeName;
        std::u16string_view help;
    };
    const Expected members[] = {
        {DISPID_DateNow, u"DateNow", true, true, u"Date", u"返回/设置日历的日期。"},
        {DISPID_ChineseDate, u"ChineseDate", false, false, u"Variant", u""},
        {DISPID_ChineseAnimal, u"ChineseAnimal", false, false, u"String", u""},
        {DISPID_ChineseDateType, u"ChineseDateType", true, true, u"TypesOfChineseDate",
         u"返回/设置农历日期显示的类型。"},
        {DISPID_ChineseGanZhi, u"ChineseGanZhi", false, false, u"String", u""},
        {DISPID_ChineseSolarTerm, u"ChineseSolarTerm", false, false, u"String", u""},
        {-552, u"About", false, true, u"", u"打开窗口显示关于此控件的信息。"},
    };
    ASSERT_EQ(info.dispatchInterface->members.size(), std::size(members));
    for (std::size_t i = 0; i < std::size(members); ++i) {
        const MemberInfo& m = info.dispatchInterface->members[i];
        EXPECT_EQ(m.id, members[i].id);
        EXPECT_EQ(m.name, members[i].name);
        EXPECT_EQ(m.canPut, members[i].canPut);
        EXPECT_EQ((m.flags & FUNCFLAG_FNONBROWSABLE) == 0, members[i].browsable);
        EXPECT_EQ(m.typeName, members[i].typeName);
        EXPECT_EQ(m.helpString, members[i].help);
        EXPECT_EQ(m.putParameter, m.canPut ? u"New_" + std::u16string(m.name) : u"");
    }
}

TEST_F(CalendarControl, AboutWithoutAGuiApplicationIsAnErrorNotACrash) {
    HRESULT status = control.call(DISPID_About);
    EXPECT_TRUE(status == E_UNEXPECTED || status == E_NOTIMPL) << statusMessage(status);
}

// Persistence: what a container stores and what it gets back.

HostingResult load(const PropertyBag& bag) {
    return createControl(CalendarProgId, &bag, nullptr);
}

TEST(CalendarPersistence, TheHostProgramsStoredFormLoadsAsCharacterShape) {
    TemporaryDataHome dataHome;
    HostingResult loaded = load(PropertyBag{{u"DateNow", Variant::fromDate(dateOf(2001, 2, 1))}});
    ASSERT_EQ(loaded.status, S_OK);
    Variant value;
    ASSERT_EQ(loaded.control.get(DISPID_ChineseDate, &value), S_OK);
    EXPECT_EQ(value, Variant::fromText(u"正月初九")); // converted on loading
}

TEST(CalendarPersistence, SaveLeavesOutDefaultsAndReloadGivesTheTypeBack) {
    TemporaryDataHome dataHome;
    for (std::int32_t type : {0, 1}) {
        HostingResult original = load(PropertyBag{{u"DateNow", Variant::fromDate(dateOf(2001, 2, 1))}});
        ASSERT_EQ(original.status, S_OK);
        ASSERT_EQ(original.control.put(DISPID_ChineseDateType, Variant::fromI4(type)), S_OK);
        PropertyBag saved;
        ASSERT_EQ(original.control.save(&saved), S_OK);

        PropertyBag expected{{u"DateNow", Variant::fromDate(dateOf(2001, 2, 1))}};
        if (type != 0)
            expected.Write(u"ChineseDateType", Variant::fromI4(type));
        EXPECT_EQ(saved.entries(), expected.entries()) << "type " << type;

        HostingResult reloaded = load(saved);
        ASSERT_EQ(reloaded.status, S_OK);
        Variant reloadedType, reloadedDate;
        reloaded.control.get(DISPID_ChineseDate, &reloadedDate);
        reloaded.control.get(DISPID_ChineseDateType, &reloadedType);
        EXPECT_EQ(reloadedType, Variant::fromI4(type));
        EXPECT_EQ(reloadedDate, type == 1 ? Variant::fromI2(109) : Variant::fromText(u"正月初九"));
    }
}

struct BagCase {
    const char* name;
    PropertyBag bag;
    HRESULT expected;
};

class CalendarBags : public ::testing::TestWithParam<BagCase> {};

TEST_P(CalendarBags, LoadReportsWhatItCannotRead) {
    TemporaryDataHome dataHome;
    HostingResult loaded = load(GetParam().bag);
    EXPECT_EQ(loaded.status, GetParam().expected) << statusMessage(loaded.status);
    EXPECT_EQ(static_cast<bool>(loaded.control), succeeded(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Bags, CalendarBags,
    ::testing::Values(
        BagCase{"empty_bag", PropertyBag{}, DISP_E_TYPEMISMATCH},
        BagCase{"only_the_type", PropertyBag{{u"ChineseDateType", Variant::fromI4(1)}}, DISP_E_TYPEMISMATCH},
        BagCase{"date_as_text", PropertyBag{{u"DateNow", Variant::fromText(u"2001-02-01")}},
                DISP_E_TYPEMISMATCH},
        BagCase{"date_as_number", PropertyBag{{u"DateNow", Variant::fromR8(36923)}}, S_OK},
        BagCase{"date_out_of_range", PropertyBag{{u"DateNow", Variant::fromR8(-1e7)}}, DISP_E_OVERFLOW},
        BagCase{"date_variant_beyond_year_9999", PropertyBag{{u"DateNow", Variant::fromDate(1e300)}},
                DISP_E_OVERFLOW},
        BagCase{"type_as_word",
                PropertyBag{{u"DateNow", Variant::fromDate(36923)},
                            {u"ChineseDateType", Variant::fromText(u"x")}},
                DISP_E_TYPEMISMATCH},
        BagCase{
            "type_beyond_32_bits",
            PropertyBag{{u"DateNow", Variant::fromDate(36923)}, {u"ChineseDateType", Variant::fromR8(1e12)}},
            DISP_E_OVERFLOW},
        BagCase{"unknown_keys_are_ignored",
                PropertyBag{{u"DateNow", Variant::fromDate(36923)}, {u"Colour", Variant::fromI2(7)}}, S_OK}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
