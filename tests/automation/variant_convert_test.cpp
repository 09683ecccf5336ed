// Conversions as late-bound calls apply them to arguments and property-bag values.
#include "automation/variant_convert.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace guheng::automation;

namespace {

struct Conversion {
    const char* name;
    Variant from;
    VarType to;
    HRESULT status;
    Variant expected; // only looked at on success
};

class VariantConversions : public ::testing::TestWithParam<Conversion> {};

TEST_P(VariantConversions, GiveTheValueOrAClearStatus) {
    const Conversion& c = GetParam();
    Variant converted = Variant::fromText(u"untouched");
    EXPECT_EQ(changeType(c.from, c.to, &converted), c.status) << statusMessage(c.status);
    EXPECT_EQ(converted, succeeded(c.status) ? c.expected : Variant::fromText(u"untouched"));
}

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, VariantConversions,
    ::testing::Values(
        Conversion{"same_type_copies", Variant::fromI2(7), VT_I2, S_OK, Variant::fromI2(7)},
        Conversion{"any_type_copies", Variant::fromText(u"正月"), VT_VARIANT, S_OK,
                   Variant::fromText(u"正月")},
        Conversion{"I4_to_I2", Variant::fromI4(-32768), VT_I2, S_OK, Variant::fromI2(-32768)},
        Conversion{"I4_beyond_I2", Variant::fromI4(32768), VT_I2, DISP_E_OVERFLOW, {}},
        Conversion{"half_rounds_to_even_down", Variant::fromR8(2.5), VT_I4, S_OK, Variant::fromI4(2)},
        Conversion{"half_rounds_to_even_up", Variant::fromR8(3.5), VT_I2, S_OK, Variant::fromI2(4)},
        Conversion{"R8_beyond_I4", Variant::fromR8(2147483647.5), VT_I4, DISP_E_OVERFLOW, {}},
        Conversion{"NaN_to_I4", Variant::fromR8(NaN), VT_I4, DISP_E_OVERFLOW, {}},
        Conversion{"R8_to_date", Variant::fromR8(36923.5), VT_DATE, S_OK, Variant::fromDate(36923.5)},
        Conversion{"first_date", Variant::fromR8(-657434), VT_DATE, S_OK, Variant::fromDate(-657434)},
        Conversion{"noon_on_first_date", Variant::fromR8(-657434.5), VT_DATE, S_OK,
                   Variant::fromDate(-657434.5)},
        Conversion{"before_first_date", Variant::fromR8(-657435), VT_DATE, DISP_E_OVERFLOW, {}},
        Conversion{"end_of_last_date", Variant::fromR8(2958466), VT_DATE, DISP_E_OVERFLOW, {}},
        Conversion{"date_holding_NaN", Variant::fromDate(NaN), VT_DATE, DISP_E_OVERFLOW, {}},
        Conversion{"date_beyond_year_9999", Variant::fromDate(3e6), VT_DATE, DISP_E_OVERFLOW, {}},
        Conversion{"infinite_date", Variant::fromR8(Infinity), VT_DATE, DISP_E_OVERFLOW, {}},
        Conversion{"date_to_I4", Variant::fromDate(36923.75), VT_I4, S_OK, Variant::fromI4(36924)},
        Conversion{"true_is_minus_one", Variant::fromBool(true), VT_I2, S_OK, Variant::fromI2(-1)},
        Conversion{"number_to_bool", Variant::fromI4(2), VT_BOOL, S_OK, Variant::fromBool(true)},
        Conversion{"empty_to_number", Variant(), VT_I4, S_OK, Variant::fromI4(0)},
        Conversion{"empty_to_text", Variant(), VT_BSTR, S_OK, Variant::fromText(u"")},
        Conversion{"text_to_I4", Variant::fromText(u" -12 "), VT_I4, S_OK, Variant::fromI4(-12)},
        Conversion{"text_with_exponent", Variant::fromText(u"+1e2"), VT_I2, S_OK, Variant::fromI2(100)},
        Conversion{"text_beyond_I2", Variant::fromText(u"40000"), VT_I2, DISP_E_OVERFLOW, {}},
        Conversion{"empty_text_to_number", Variant::fromText(u""), VT_I4, DISP_E_TYPEMISMATCH, {}},
        Conversion{"word_to_number", Variant::fromText(u"one"), VT_R8, DISP_E_TYPEMISMATCH, {}},
        Conversion{"full_width_digits", Variant::fromText(u"１"), VT_I4, DISP_E_TYPEMISMATCH, {}},
        Conversion{"text_inf", Variant::fromText(u"inf"), VT_R8, DISP_E_TYPEMISMATCH, {}},
        Conversion{"text_to_date", Variant::fromText(u"2001-02-01"), VT_DATE, DISP_E_TYPEMISMATCH, {}},
        Conversion{"empty_text_to_date", Variant::fromText(u""), VT_DATE, DISP_E_TYPEMISMATCH, {}},
        Conversion{"number_to_text", Variant::fromI2(109), VT_BSTR, S_OK, Variant::fromText(u"109")},
        Conversion{"date_to_text", Variant::fromDate(1), VT_BSTR, DISP_E_TYPEMISMATCH, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VariantConversion, NeedsSomewhereToPutTheResult) {
    EXPECT_EQ(changeType(Variant::fromI2(1), VT_I4, nullptr), E_POINTER);
}

TEST(VariantComparison, NumbersCompareByValueTextsByText) {
    EXPECT_TRUE(sameValue(Variant::fromI4(0), Variant::fromI2(0)));
    EXPECT_TRUE(sameValue(Variant::fromDate(5), Variant::fromR8(5)));
    EXPECT_FALSE(sameValue(Variant::fromDate(0), Variant::fromText(u""))) << "no date is the empty text";
    EXPECT_FALSE(sameValue(Variant::fromI2(0), Variant()));
    EXPECT_FALSE(sameValue(Variant::fromText(u"1"), Variant::fromI2(1)));
    EXPECT_TRUE(sameValue(Variant::fromText(u"蛇"), Variant::fromText(u"蛇")));
}

} // namespace
