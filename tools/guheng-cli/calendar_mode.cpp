#include "calendar_mode.h"

#include "automation/hosting.h"
#include "automation/utf.h"
#include "calendar/calendar_interface.h"
#include "calendar/lunar_calendar.h"
#include "iso_date.h"
#include "output.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace guheng::cli {

namespace {

using automation::CivilDate;

constexpr CivilDate DefaultFrom{1920, 1, 1};
constexpr CivilDate DefaultTo{2031, 12, 31};

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

// The control's answers for one day; a failed call leaves the line unwritten.
struct DayAnswers {
    automation::Variant code, words, ganZhi, animal, solarTerm;
};

// Numeric shape first, then the character shape, the way the host program reads the control.
automation::HRESULT askControl(const automation::HostedControl& control, std::int32_t serial,
                               DayAnswers& day) {
    using namespace automation;
    const std::pair<DispId, Variant> puts[] = {
        {calendar::DISPID_DateNow, Variant::fromDate(serial)},
        {calendar::DISPID_ChineseDateType, Variant::fromI4(calendar::dateNumeric)}};
    for (const auto& [id, value] : puts) {
        if (HRESULT status = control.put(id, value); failed(status))
            return status;
    }
    HRESULT status = control.get(calendar::DISPID_ChineseDate, &day.code);
    if (succeeded(status))
        status = control.put(calendar::DISPID_ChineseDateType, Variant::fromI4(calendar::dateCharacter));
    const std::pair<DispId, Variant*> gets[] = {{calendar::DISPID_ChineseDate, &day.words},
                                                {calendar::DISPID_ChineseGanZhi, &day.ganZhi},
                                                {calendar::DISPID_ChineseAnimal, &day.animal},
                                                {calendar::DISPID_ChineseSolarTerm, &day.solarTerm}};
    for (const auto& [id, value] : gets) {
        if (succeeded(status))
            status = control.get(id, value);
    }
    return status;
}

void appendText(std::string& out, const automation::Variant& value) {
    out += '\t';
    automation::appendUtf8(out, value.text().value_or(u""));
}

void appendDayLine(std::string& out, std::int32_t serial, const DayAnswers& day) {
    appendIsoDate(out, *automation::civilDateOf(serial));
    out += '\t';
    out += std::to_string(day.code.i2().value_or(0));
    appendText(out, day.words);
    appendText(out, day.ganZhi);
    appendText(out, day.animal);
    appendText(out, day.solarTerm);
    out += '\n';
}

int controlFailed(automation::HRESULT status) {
    std::fprintf(stderr, "guheng-cli: the Calendar control failed: %s\n",
                 automation::statusMessage(status).c_str());
    return 3;
}

// The control is created as a container creates it, and driven only by dispatch id.
int printDays(std::span<const std::int32_t> serials) {
    automation::HostingResult created = automation::createControl(calendar::CalendarProgId, nullptr, nullptr);
    if (automation::failed(created.status))
        return controlFailed(created.status);
    std::string buffer;
    buffer.reserve(FlushSize + 256);
    bool written = true;
    DayAnswers day;
    for (std::int32_t serial : serials) {
        if (automation::HRESULT status = askControl(created.control, serial, day); automation::failed(status))
            return controlFailed(status);
        appendDayLine(buffer, serial, day);
        if (buffer.size() >= FlushSize)
            written = writeOut(buffer) && written;
    }
    return finishOutput(buffer, written) ? 0 : 1;
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
