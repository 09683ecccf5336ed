// Report texts the tests build reports from, as the window would show them.
#pragma once

#include "report/report_lines.h"

namespace reporttest {

// The worked example: 张三, 1 January 2000 at hour 0.
inline guheng::report::ReportTexts workedExampleTexts() {
    return {u"张三",
            u"2000",
            u"1",
            u"1",
            u"0",
            u"兔",
            u"己卯年丙子月戊午日壬子时",
            u"即冬月廿五日",
            u"五两九钱",
            u"细推此格秀而清，必定才高学业成。",
            u"甲第之中应有分，扬鞭走马显威荣。",
            u"屠维",
            u"单阏\u3000"};
}

// Someone born 27 November 1940 at hour 8, a 龙 year.
inline guheng::report::ReportTexts dragonYearTexts(const std::u16string& name = u"李小龙") {
    return {name,
            u"1940",
            u"11",
            u"27",
            u"8",
            u"龙",
            u"庚辰年 丁亥月 甲午日 戊辰时",
            u"即十月廿八日",
            u"四两二钱",
            u"缘分天生福自宏，",
            u"衣食丰足乐无穷。",
            u"上章",
            u"执徐"};
}

} // namespace reporttest
