// Report text in code page 936, with GB18030 for what GBK lacks.
#include "report/gbk_text.h"

#include <gtest/gtest.h>

namespace guheng::report {
namespace {

struct GbkCase {
    const char* what;
    std::u16string text;
    std::string bytes;
};

TEST(EncodeGbk, CodePage936WithGb18030ForTheRest) {
    const GbkCase cases[] = {
        {"ASCII stays", u"Guheng [] 0", "Guheng [] 0"},
        {"full-width colon", u"：", "\xA3\xBA"},
        {"ideographic space", u"\u3000", "\xA1\xA1"},
        {"both forms of the eleventh branch", u"戍戌", "\xCA\xF9\xD0\xE7"},
        {"rare name characters of the tables", u"珺牂", "\xAC\x42\xA0\x99"},
        {"euro sign of code page 936", u"€", "\x80"},
        {"extension A character only GB18030 holds", u"㐀", "\x81\x39\xEE\x39"},
        {"supplementary character", u"\U00020000", "\x95\x32\x82\x36"},
        {"unpaired surrogate", std::u16string(1, char16_t(0xD800)) + u"a", "?a"},
        {"empty", u"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeGbk(c.text), c.bytes) << c.what;
}

} // namespace
} // namespace guheng::report
