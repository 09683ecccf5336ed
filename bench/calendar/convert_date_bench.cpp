// ConvertDate + FormatChineseDate, one day per iteration, cycling through every day of 1920..2031:
// the reported time is the time per day.
#include "automation/automation_date.h"
#include "calendar/lunar_calendar.h"

#include <benchmark/benchmark.h>

namespace {

using guheng::automation::CivilDate;
using guheng::automation::daySerialOf;
using guheng::calendar::LunarCalendar;

void ConvertAndFormatOneDay(benchmark::State& state) {
    const std::int32_t first = *daySerialOf(CivilDate{1920, 1, 1});
    const std::int32_t last = *daySerialOf(CivilDate{2031, 12, 31});
    LunarCalendar calendar;
    std::int32_t serial = first;
    for (auto _ : state) {
        calendar.DateNow = serial;
        calendar.ChineseDateType = guheng::calendar::dateNumeric;
        calendar.ConvertDate();
        calendar.ChineseDateType = guheng::calendar::dateCharacter;
        calendar.FormatChineseDate();
        benchmark::DoNotOptimize(calendar.ChineseDate);
        serial = serial == last ? first : serial + 1;
    }
}
BENCHMARK(ConvertAndFormatOneDay);

} // namespace

BENCHMARK_MAIN();
