// The report's lines and bytes for the worked example, the printed variant and the date-time line.
#include "report/report_date_time.h"
#include "report/report_file.h"
#include "report/report_lines.h"
#include "report_fixture.h"
#include "sample_report_texts.h"

#include <gtest/gtest.h>

namespace guheng::report {
namespace {

using reporttest::workedExampleTexts;

TEST(ReportFile, WorkedExampleMatchesTheFixtureByteForByte) {
    const auto lines = savedReportLines(workedExampleTexts(), u"2026/12/11 9:05:07");
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(reportFileBytes(lines), reporttest::workedExampleReport());
}

TEST(ReportFile, LiteralPiecesStayWhenTextsAreEmpty) {
    const auto lines = savedReportLines({}, u"");
    const std::vector<std::u16string> expected = {
        u"Guheng",
        u"",
        u"姓名：",
        u"属相：",
        u"公历出生日期：年月日 点",
        u"农历出生日期：[]",
        u"称骨重量：",
        u"称骨命运：",
        u"\u3000\u3000\u3000\u3000\u3000",
        u"出生太岁：[岁阳]\u3000[岁阴]",
        u"",
        u"",
    };
    EXPECT_EQ(lines, expected);
}

TEST(PrintedReport, ElevenLinesWithTheVerseOnOne) {
    const auto saved = savedReportLines(workedExampleTexts(), u"2026/12/11");
    const auto printed = printedReportLines(workedExampleTexts(), u"2026/12/11");
    ASSERT_EQ(printed.size(), 11u);
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(printed[i], saved[i]) << "line " << i + 1;
    EXPECT_EQ(printed[7], u"称骨命运：细推此格秀而清，必定才高学业成。甲第之中应有分，扬鞭走马显威荣。");
    for (std::size_t i = 8; i < 11; ++i)
        EXPECT_EQ(printed[i], saved[i + 1]) << "line " << i + 1;
}

struct DateTimeCase {
    LocalDateTime value;
    std::u16string text;
};

TEST(ReportDateTime, WrittenAsTheChineseRegionalDefaults) {
    const DateTimeCase cases[] = {
        {{2026, 12, 11, 9, 5, 7}, u"2026/12/11 9:05:07"}, {{2026, 1, 5, 12, 0, 0}, u"2026/1/5 12:00:00"},
        {{2026, 1, 5, 23, 59, 59}, u"2026/1/5 23:59:59"}, {{2000, 2, 29, 0, 0, 1}, u"2000/2/29 0:00:01"},
        {{2000, 2, 29, 0, 1, 0}, u"2000/2/29 0:01:00"},   {{2026, 12, 11, 0, 0, 0}, u"2026/12/11"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reportDateTime(c.value), c.text);
}

TEST(ReportDateTime, NowIsARealLocalTime) {
    const auto now = currentLocalDateTime();
    EXPECT_GE(now.year, 2020);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= 31);
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23 && now.minute >= 0 && now.minute <= 59);
}

} // namespace
} // namespace guheng::report
