// Reading number fields: what counts as a decimal 16-bit signed integer.
#include "reckoning/number_text.h"

#include <gtest/gtest.h>

namespace guheng::reckoning {
namespace {

struct Case {
    const char* what;
    std::u16string text;
    std::optional<std::int16_t> number;
};

TEST(ReadNumber, DecimalSixteenBitIntegers) {
    const Case cases[] = {
        {"digits", u"2000", 2000},
        {"leading zeros", u"007", 7},
        {"plus sign", u"+5", 5},
        {"minus sign", u"-5", -5},
        {"largest", u"32767", 32767},
        {"smallest", u"-32768", -32768},
        {"just beyond the largest", u"32768", std::nullopt},
        {"just beyond the smallest", u"-32769", std::nullopt},
        {"five nines", u"99999", std::nullopt},
        {"many digits do not wrap", u"4294967297", std::nullopt},
        {"empty", u"", std::nullopt},
        {"sign alone", u"-", std::nullopt},
        {"two signs", u"+-5", std::nullopt},
        {"leading blank", u" 5", std::nullopt},
        {"trailing blank", u"5 ", std::nullopt},
        {"full-width digits", u"２０", std::nullopt},
        {"letters", u"1a", std::nullopt},
        {"decimal point", u"1.0", std::nullopt},
        {"hex prefix", u"0x10", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readNumber(c.text), c.number) << c.what;
}

} // namespace
} // namespace guheng::reckoning
