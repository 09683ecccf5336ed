// Filter text → NUL-separated form → the file types the Save As dialog lists.
#include "dialogs/save_file_filter.h"
#include "qstring_print.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace guheng::dialogs;

namespace {

QString nuls(const char16_t* text) {
    QString converted = QString::fromUtf16(text);
    converted.replace(u'~', QChar(u'\0'));
    return converted;
}

struct FilterCase {
    const char* name;
    const char16_t* filter;
    const char16_t* converted; // "~" stands for NUL
    QStringList types;
};

const FilterCase filterCases[] = {
    {"the program's filter",
     u"文本文件 (*.txt)|*.txt",
     u"文本文件 (*.txt)~*.txt~~",
     {u"文本文件 (*.txt) (*.txt)"_s}},
    {"empty filter lists nothing", u"", u"~~", {}},
    {"two types", u"A|*.a|B|*.b;*.c", u"A~*.a~B~*.b;*.c~~", {u"A (*.a)"_s, u"B (*.b *.c)"_s}},
    {"odd part without pattern is dropped", u"A|*.a|B", u"A~*.a~B~~", {u"A (*.a)"_s}},
    {"trailing bar", u"A|*.a|", u"A~*.a~~~", {u"A (*.a)"_s}},
    {"empty description ends the list", u"|*.a|B|*.b", u"~*.a~B~*.b~~", {}},
    {"empty pattern ends the list", u"A||B|*.b", u"A~~B~*.b~~", {}},
    {"only bars", u"|||", u"~~~~~", {}},
    {"no bar at all", u"*.txt", u"*.txt~~", {}},
};

TEST(SaveFileFilter, ConvertsAndLists) {
    for (const FilterCase& c : filterCases) {
        SCOPED_TRACE(c.name);
        const QString converted = convertFilter(QString::fromUtf16(c.filter));
        EXPECT_EQ(converted, nuls(c.converted));
        EXPECT_EQ(fileTypesFromFilter(converted), c.types);
    }
}

} // namespace
