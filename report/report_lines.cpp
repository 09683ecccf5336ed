#include "report_lines.h"

namespace guheng::report {

std::vector<std::u16string> savedReportLines(const ReportTexts& t, const std::u16string& dateTime) {
    return {
        u"Guheng",
        u"",
        u"姓名：" + t.Text6,
        u"属相：" + t.Label16,
        // "日 " ends with an ordinary space before the hour.
        u"公历出生日期：" + t.Text1 + u"年" + t.Text2 + u"月" + t.Text3 + u"日 " + t.Text4 + u"点",
        u"农历出生日期：" + t.Label18 + u"[" + t.Label2 + u"]",
        u"称骨重量：" + t.Label19,
        u"称骨命运：" + t.Label20,
        // Five ideographic spaces put the second couplet under the first.
        u"\u3000\u3000\u3000\u3000\u3000" + t.Label1,
        u"出生太岁：[岁阳]" + t.Label14 + u"\u3000[岁阴]" + t.Label5,
        u"",
        dateTime,
    };
}

std::vector<std::u16string> printedReportLines(const ReportTexts& t, const std::u16string& dateTime) {
    // The printer keeps the verse on one line: the second couplet follows the first, without the indent.
    std::vector<std::u16string> lines = savedReportLines(t, dateTime);
    lines[7] += t.Label1;
    lines.erase(lines.begin() + 8);
    return lines;
}

} // namespace guheng::report
