// The report as lines of text: twelve for the saved file, eleven for the printer.
// Built only from the five input texts and the shown captions, so a window can build it from what it
// displays.
#pragma once

#include <string>
#include <vector>

namespace guheng::report {

// The texts of the input fields and result labels, by control name.
struct ReportTexts {
    std::u16string Text6;   // name
    std::u16string Text1;   // Gregorian year, as typed
    std::u16string Text2;   // month
    std::u16string Text3;   // day
    std::u16string Text4;   // hour
    std::u16string Label16; // zodiac animal
    std::u16string Label18; // pillars line
    std::u16string Label2;  // lunar date line
    std::u16string Label19; // weight
    std::u16string Label20; // first couplet
    std::u16string Label1;  // second couplet
    std::u16string Label14; // 岁阳 name
    std::u16string Label5;  // 岁阴 name
};

// dateTime is the last line, as reportDateTime writes it.
std::vector<std::u16string> savedReportLines(const ReportTexts& texts, const std::u16string& dateTime);
std::vector<std::u16string> printedReportLines(const ReportTexts& texts, const std::u16string& dateTime);

} // namespace guheng::report
