// GUID text forms and the UTF-8 / UTF-16 conversions that carry names into files and out again.
#include "automation/guid.h"
#include "automation/status.h"
#include "automation/utf.h"

#include <gtest/gtest.h>

using namespace guheng::automation;

namespace {

constexpr Guid Calendar{0x8621F080, 0x4CC0, 0x403B, {0x97, 0xCD, 0xFD, 0xB2, 0x50, 0x21, 0xB8, 0x4C}};

TEST(GuidText, RoundTripsInTheRegistryForm) {
    EXPECT_EQ(toString(Calendar), "{8621F080-4CC0-403B-97CD-FDB25021B84C}");
    EXPECT_EQ(parseGuid("{8621F080-4CC0-403B-97CD-FDB25021B84C}"), Calendar);
    EXPECT_EQ(parseGuid("{8621f080-4cc0-403b-97cd-fdb25021b84c}"), Calendar);
}

TEST(GuidText, RejectsEveryOtherShape) {
    for (std::string_view text :
         {"", "8621F080-4CC0-403B-97CD-FDB25021B84C", "{8621F080-4CC0-403B-97CD-FDB25021B84}",
          "{8621F080-4CC0-403B-97CD-FDB25021B84CC}", "{8621F080_4CC0-403B-97CD-FDB25021B84C}",
          "{8621F08G-4CC0-403B-97CD-FDB25021B84C}", "{+621F080-4CC0-403B-97CD-FDB25021B84C}"})
        EXPECT_EQ(parseGuid(text), std::nullopt) << text;
}

TEST(Utf, RoundTripsChineseAndCharactersBeyondTheBasicPlane) {
    const std::u16string text = u"星台.Calendar 𠀀";
    EXPECT_EQ(toUtf8(text), "星台.Calendar 𠀀");
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
}

TEST(Utf, UnpairedSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(toUtf8(std::u16string{u'a', char16_t(0xD800)}), "a\xEF\xBF\xBD");
    EXPECT_EQ(toUtf8(std::u16string{char16_t(0xDC00), u'b'}), "\xEF\xBF\xBD"
                                                              "b");
}

TEST(Utf, RejectsBytesThatAreNotUtf8) {
    for (std::string_view bytes : {"\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"})
        EXPECT_EQ(fromUtf8(bytes), std::nullopt);
}

TEST(StatusMessage, NamesKnownCodesAndShowsTheNumberOfOthers) {
    EXPECT_EQ(statusMessage(DISP_E_MEMBERNOTFOUND), "0x80020003: member not found");
    EXPECT_EQ(statusMessage(static_cast<HRESULT>(0x80041234)), "0x80041234: unknown failure");
}

} // namespace
