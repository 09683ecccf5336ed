#include "calendar_mode.h"

#include "calendar/lunar_calendar.h"
#include "iso_date.h"
#include "utf8.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace guheng::cli {

namespace {

using automation::CivilDate;
using calendar::LunarCalendar;

constexpr CivilDate DefaultFrom{1920, 1, 1};
constexpr CivilDate DefaultTo{2031, 12, 31};
constexpr std::size_t FlushSize = 1 << 16;

int usageError() {
    std::fputs("usage: guheng-cli calendar [FROM TO] | guheng-cli calendar - (dates as YYYY-MM-DD)\n",
               stderr);
    return 2;
}

// The error stays one short line whatever was typed: control characters become '?', long text is cut.
int badDate(std::string_view text) {
    constexpr std::size_t shownLength = 40;
    std::string shown(text.substr(0, shownLength));
    for (char& ch : shown) {
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F)
            ch = '?';
    }
    if (text.size() > shownLength)
        shown += "...";
    std::fprintf(stderr, "guheng-cli: bad date '%s' (expected YYYY-MM-DD, years 0100 to 9999)\n",
                 shown.c_str());
    return 2;
}

// Numeric shape first, then the character shape, the way the host program reads the control.
void appendDayLine(std::string& out, LunarCalendar& calendar, std::int32_t serial) {
    calendar.DateNow = serial;
    calendar.ChineseDateType = calendar::dateNumeric;
    calendar.ConvertDate();
    const std::int16_t code = std::get<std::int16_t>(calendar.ChineseDate);
    calendar.ChineseDateType = calendar::dateCharacter;
    calendar.FormatChineseDate();

    appendIsoDate(out, *automation::civilDateOf(serial));
    out += '\t';
    out += std::to_string(code);
    out += '\t';
    appendUtf8(out, std::get<std::u16string>(calendar.ChineseDate));
    out += '\t';
    appendUtf8(out, calendar.ChineseGanZhi);
    out += '\t';
    appendUtf8(out, calendar.ChineseAnimal);
    out += '\t';
    appendUtf8(out, calendar.ChineseSolarTerm);
    out += '\n';
}

bool writeOut(std::string& buffer) {
    const bool written = std::fwrite(buffer.data(), 1, buffer.size(), stdout) == buffer.size();
    buffer.clear();
    return written;
}

int printDays(std::span<const std::int32_t> serials) {
    LunarCalendar calendar;
    std::string buffer;
    buffer.reserve(FlushSize + 256);
    bool written = true;
    for (std::int32_t serial : serials) {
        appendDayLine(buffer, calendar, serial);
        if (buffer.size() >= FlushSize)
            written = writeOut(buffer) && written;
    }
    written = writeOut(buffer) && written;
    if (std::fflush(stdout) != 0 || !written) {
        std::fputs("guheng-cli: cannot write the output\n", stderr);
        return 1;
    }
    return 0;
}

std::string readAll(std::FILE* in) {
    std::string text;
    char chunk[1 << 14];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        text.append(chunk, got);
    return text;
}

// Every line must be a date before anything is printed.
int printDatesFromStdin() {
    const std::string input = readAll(stdin);
    std::vector<std::int32_t> serials;
    std::string_view rest = input;
    while (!rest.empty()) {
        const std::size_t newline = rest.find('\n');
        std::string_view line = rest.substr(0, newline);
        rest = newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const auto date = parseIsoDate(line);
        if (!date)
            return badDate(line);
        serials.push_back(*automation::daySerialOf(*date));
    }
    return printDays(serials);
}

} // namespace

int runCalendarMode(std::span<const std::string_view> args) {
    if (args.size() == 1 && args[0] == "-")
        return printDatesFromStdin();
    if (!args.empty() && args.size() != 2)
        return usageError();

    CivilDate from = DefaultFrom;
    CivilDate to = DefaultTo;
    if (args.size() == 2) {
        const auto parsedFrom = parseIsoDate(args[0]);
        if (!parsedFrom)
            return badDate(args[0]);
        const auto parsedTo = parseIsoDate(args[1]);
        if (!parsedTo)
            return badDate(args[1]);
        from = *parsedFrom;
        to = *parsedTo;
    }
    const std::int32_t first = *automation::daySerialOf(from);
    const std::int32_t last = *automation::daySerialOf(to);
    if (first > last) {
        std::fputs("guheng-cli: FROM is after TO\n", stderr);
        return 2;
    }
    std::vector<std::int32_t> serials;
    serials.reserve(static_cast<std::size_t>(last - first + 1));
    for (std::int32_t serial = first; serial <= last; ++serial)
        serials.push_back(serial);
    return printDays(serials);
}

} // namespace guheng::cli
