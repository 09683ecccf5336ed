// Report text in code page 936, with GB18030 for what GBK lacks.
#include "report/gbk_text.h"
#include "report/utf8_text.h"

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

struct Utf8Case {
    const char* what;
    std::string bytes;
    std::optional<std::u16string> text;
};

TEST(Utf8Text, DecodesOnlyWellFormedUtf8) {
    const Utf8Case cases[] = {
        {"ASCII", "2000", u"2000"},
        {"Chinese", "\xE5\xBC\xA0\xE4\xB8\x89", u"张三"},
        {"supplementary", "\xF0\xA0\x80\x80", u"\U00020000"},
        {"empty", "", u""},
        {"GBK bytes", "\xD5\xC5", std::nullopt},
        {"cut short", "\xE5\xBC", std::nullopt},
        {"overlong slash", "\xC0\xAF", std::nullopt},
        {"encoded surrogate", "\xED\xA0\x80", std::nullopt},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fromUtf8(c.bytes), c.text) << c.what;
        if (c.text) {
            EXPECT_EQ(toUtf8(*c.text), c.bytes) << c.what;
        }
    }
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
}

} // namespace
} // namespace guheng::report
