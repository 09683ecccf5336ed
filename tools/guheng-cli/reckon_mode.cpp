#include "reckon_mode.h"

#include "automation/hosting.h"
#include "automation/utf.h"
#include "calendar/calendar_interface.h"
#include "json_text.h"
#include "output.h"
#include "reckoning/control_calendar.h"
#include "reckoning/reckoning.h"
#include "report/report_date_time.h"
#include "report/report_file.h"
#include "report/report_lines.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace guheng::cli {

namespace {

using reckoning::ChengguOutcome;
using reckoning::ChengguRejection;
using reckoning::ChengguResult;

int usageError() {
    std::fputs(
        "usage: guheng-cli reckon [--json] [--report FILE] NAME YEAR MONTH DAY HOUR\n"
        "       guheng-cli reckon -   (NAME<TAB>YEAR<TAB>MONTH<TAB>DAY<TAB>HOUR per line, JSON Lines out)\n",
        stderr);
    return 1;
}

// The five texts of a case: name, year, month, day, hour.
using InputTexts = std::array<std::u16string, 5>;

class ReckonSession {
  public:
    bool open() {
        hosted_ = automation::createControl(calendar::CalendarProgId, nullptr, nullptr);
        if (automation::failed(hosted_.status)) {
            std::fprintf(stderr, "guheng-cli: cannot create the Calendar control: %s\n",
                         automation::statusMessage(hosted_.status).c_str());
            return false;
        }
        calendar_.emplace(*hosted_.control.dispatch());
        return true;
    }
    ChengguOutcome reckon(const InputTexts& t) {
        return reckoning_.chenggu(t[0], t[1], t[2], t[3], t[4], *calendar_);
    }

  private:
    automation::HostingResult hosted_;
    std::optional<reckoning::ControlCalendar> calendar_;
    reckoning::Reckoning reckoning_;
};

void appendField(std::string& out, const char* key, std::u16string_view value) {
    out += '"';
    out += key;
    out += "\":";
    appendJsonString(out, value);
    out += ',';
}

void appendJson(std::string& out, const ChengguOutcome& outcome) {
    if (const auto* rejection = std::get_if<ChengguRejection>(&outcome)) {
        out += "{\"rejected\":\"";
        out += reckoning::fieldName(rejection->field);
        out += "\",\"message\":";
        appendJsonString(out, rejection->message);
        out += "}\n";
        return;
    }
    const auto& result = std::get<ChengguResult>(outcome);
    out += '{';
    appendField(out, "animal", result.animal);
    appendField(out, "eight_characters", result.eightCharacters);
    appendField(out, "pillars", result.pillars);
    appendField(out, "lunar_date", result.lunarDate);
    appendField(out, "weight", result.weight);
    appendField(out, "first_couplet", result.firstCouplet);
    appendField(out, "second_couplet", result.secondCouplet);
    appendField(out, "suiyang", result.suiyang);
    appendField(out, "suiyin", result.suiyin);
    out += "\"total\":";
    out += std::to_string(result.total);
    out += "}\n";
}

void appendError(std::string& out, std::u16string_view reason) {
    out += "{\"error\":";
    appendJsonString(out, reason);
    out += "}\n";
}

// The report as the window builds it: from the input texts and the captions it shows.
std::vector<std::u16string> reportLinesOf(const InputTexts& t, const ChengguResult& r) {
    const report::ReportTexts texts = {t[0],
                                       t[1],
                                       t[2],
                                       t[3],
                                       t[4],
                                       r.animal,
                                       r.pillars,
                                       r.lunarDate,
                                       r.weight,
                                       r.firstCouplet,
                                       r.secondCouplet,
                                       r.suiyang,
                                       r.suiyin};
    return report::savedReportLines(texts, report::reportDateTime(report::currentLocalDateTime()));
}

// A batch line: exactly five texts between four tabs; a CR before the line end is dropped.
std::optional<InputTexts> splitCase(std::string_view line, std::u16string& reason) {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    const auto text = automation::fromUtf8(line);
    if (!text) {
        reason = u"line is not valid UTF-8";
        return std::nullopt;
    }
    const auto count = std::count(text->begin(), text->end(), u'\t') + 1;
    if (count != 5) {
        const std::string found = std::to_string(count);
        reason = u"expected 5 tab-separated texts, found " + std::u16string(found.begin(), found.end());
        return std::nullopt;
    }
    InputTexts texts;
    std::size_t start = 0;
    for (auto& field : texts) {
        // The last field has no tab after it: npos - start still reaches the end of the line.
        const auto tab = text->find(u'\t', start);
        field = text->substr(start, tab - start);
        start = tab + 1;
    }
    return texts;
}

int runBatch() {
    ReckonSession session;
    if (!session.open())
        return 1;
    std::string buffer;
    buffer.reserve(FlushSize + 1024);
    bool written = true;
    char* line = nullptr;
    std::size_t capacity = 0;
    ssize_t length = 0;
    while ((length = ::getline(&line, &capacity, stdin)) >= 0) {
        std::string_view view(line, static_cast<std::size_t>(length));
        if (view.ends_with('\n'))
            view.remove_suffix(1);
        std::u16string reason;
        if (const auto texts = splitCase(view, reason))
            appendJson(buffer, session.reckon(*texts));
        else
            appendError(buffer, reason);
        if (buffer.size() >= FlushSize)
            written = writeOut(buffer) && written;
    }
    std::free(line);
    const bool readFailed = std::ferror(stdin) != 0;
    if (readFailed)
        std::fputs("guheng-cli: cannot read the input\n", stderr);
    written = finishOutput(buffer, written);
    return readFailed || !written ? 1 : 0;
}

int runOne(const InputTexts& texts, bool json, const std::optional<std::string>& reportFile) {
    ReckonSession session;
    if (!session.open())
        return 1;
    const auto outcome = session.reckon(texts);
    std::string out;
    if (const auto* rejection = std::get_if<ChengguRejection>(&outcome)) {
        if (json) {
            appendJson(out, outcome);
            return finishOutput(out) ? 2 : 1;
        }
        std::fprintf(stderr, "%s\n", automation::toUtf8(rejection->message).c_str());
        return 2;
    }
    const auto lines = reportLinesOf(texts, std::get<ChengguResult>(outcome));
    if (reportFile) {
        const auto path = report::withReportExtension(*reportFile);
        if (const auto error = report::writeReportFile(path, lines)) {
            std::fprintf(stderr, "guheng-cli: cannot write the report: %s\n", error->reason.c_str());
            return 1;
        }
    }
    if (json) {
        appendJson(out, outcome);
    } else {
        for (const auto& line : lines) {
            out += automation::toUtf8(line);
            out += '\n';
        }
    }
    return finishOutput(out) ? 0 : 1;
}

} // namespace

int runReckonMode(std::span<const std::string_view> args) {
    bool json = false;
    std::optional<std::string> reportFile;
    std::vector<std::string_view> texts;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--json") {
            json = true;
        } else if (!optionsEnded && arg == "--report") {
            if (++i == args.size())
                return usageError();
            reportFile = std::string(args[i]);
        } else if (!optionsEnded && arg.starts_with("--")) {
            return usageError();
        } else {
            texts.push_back(arg);
        }
    }
    if (texts.size() == 1 && texts[0] == "-" && !reportFile)
        return runBatch();
    if (texts.size() != 5)
        return usageError();
    InputTexts inputs;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto text = automation::fromUtf8(texts[i]);
        if (!text) {
            std::fputs("guheng-cli: the arguments must be UTF-8 text\n", stderr);
            return 1;
        }
        inputs[i] = *text;
    }
    return runOne(inputs, json, reportFile);
}

} // namespace guheng::cli
