// What chenggu relies on in its tables: the cycle order, the field positions, the weight ranges.
#include "reckoning/reckoning_tables.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace guheng::reckoning {
namespace {

constexpr std::u16string_view stems = u"甲乙丙丁戊己庚辛壬癸";
constexpr std::u16string_view branches = u"子丑寅卯辰巳午未申酉\u620d亥"; // the eleventh written 戍

int weightOf(std::u16string_view text) {
    EXPECT_EQ(text.size(), 2u);
    EXPECT_TRUE(text[0] >= u'0' && text[0] <= u'9' && text[1] >= u'0' && text[1] <= u'9');
    return (text[0] - u'0') * 10 + (text[1] - u'0');
}

TEST(ReckoningTables, JiaziFollowsTheSexagenaryCycle) {
    EXPECT_EQ(jiazi[0].substr(0, 2), u"癸亥");
    EXPECT_EQ(jiazi[1].substr(0, 2), u"甲子");
    for (std::size_t n = 1; n < jiazi.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(jiazi[n][0], stems[(n - 1) % 10]);
        EXPECT_EQ(jiazi[n][1], branches[(n - 1) % 12]);
    }
}

TEST(ReckoningTables, JiaziFieldsSitAtFixedPositions) {
    for (std::size_t n = 0; n < jiazi.size(); ++n) {
        SCOPED_TRACE(n);
        const auto entry = jiazi[n];
        ASSERT_EQ(entry.size(), 9u);
        // Only a two-character 岁阴 name is padded, with one U+3000 at its end.
        EXPECT_EQ(std::count(entry.begin(), entry.end(), u'\u3000'), entry[6] == u'\u3000' ? 1 : 0);
        EXPECT_NE(entry[4], u'\u3000');
        EXPECT_NE(entry[5], u'\u3000');
    }
    EXPECT_EQ(jiazi[1], u"甲子阏逢困郭\u300012");
    EXPECT_EQ(jiazi[3], u"丙寅柔兆提提格06");
    EXPECT_EQ(jiazi[9], u"壬申玄戈珺滩\u300007");
}

TEST(ReckoningTables, EleventhBranchIsWrittenTwoWays) {
    for (const std::size_t n : {11u, 23u, 35u, 47u, 59u})
        EXPECT_EQ(jiazi[n][1], u'\u620d') << n;
    EXPECT_EQ(yuezhong[8][0], u'\u620c');
}

TEST(ReckoningTables, YuezhongStartsAtTheTigerMonth) {
    constexpr std::u16string_view monthBranches = u"寅卯辰巳午未申酉\u620c亥子丑";
    for (std::size_t i = 0; i < yuezhong.size(); ++i)
        EXPECT_EQ(yuezhong[i][0], monthBranches[i]) << i;
}

TEST(ReckoningTables, EveryWeightIsBetween5And19AndTheTotalsCoverShiju) {
    auto minMax = [](auto weights) {
        const auto [low, high] = std::minmax_element(weights.begin(), weights.end());
        for (const int w : weights)
            EXPECT_TRUE(w >= 5 && w <= 19) << w;
        return std::pair{*low, *high};
    };
    std::vector<int> year, month, day, hour;
    for (const auto entry : jiazi)
        year.push_back(weightOf(entry.substr(7)));
    for (const auto entry : yuezhong)
        month.push_back(weightOf(entry.substr(1)));
    for (const auto entry : rizhong)
        day.push_back(weightOf(entry));
    for (const auto entry : shizhong)
        hour.push_back(weightOf(entry));
    const auto [y0, y1] = minMax(year);
    const auto [m0, m1] = minMax(month);
    const auto [d0, d1] = minMax(day);
    const auto [h0, h1] = minMax(hour);
    EXPECT_EQ(y0 + m0 + d0 + h0, shijuFirstWeight);
    EXPECT_EQ(y1 + m1 + d1 + h1, shijuFirstWeight + static_cast<int>(shiju.size()) - 1);
}

TEST(ReckoningTables, VersesAreFourLinesOfSeven) {
    for (const auto verse : shiju) {
        EXPECT_EQ(verse.size(), 28u);
        EXPECT_TRUE(
            std::all_of(verse.begin(), verse.end(), [](char16_t c) { return c >= 0x4E00 && c <= 0x9FFF; }));
    }
}

TEST(ReckoningTables, ShuziIsTheTenDigits) {
    constexpr std::u16string_view digits = u"零一二三四五六七八九";
    for (std::size_t i = 0; i < shuzi.size(); ++i)
        EXPECT_EQ(shuzi[i], digits.substr(i, 1));
}

} // namespace
} // namespace guheng::reckoning
