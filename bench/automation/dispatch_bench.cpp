// Late-bound calls into the Calendar control through the hosting layer, as the host program makes
// them: put DateNow + get ChineseDate over every day of 1920..2031, and creating and releasing a
// control (with its library loaded anew each time, or already loaded by another control).
#include "automation/automation_date.h"
#include "automation/hosting.h"
#include "calendar/calendar_interface.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace guheng::automation;
using namespace guheng::calendar;

namespace {

std::vector<Variant> everyDayOfTheRange() {
    std::vector<Variant> days;
    for (std::int32_t serial = *daySerialOf(CivilDate{1920, 1, 1});
         serial <= *daySerialOf(CivilDate{2031, 12, 31}); ++serial)
        days.push_back(Variant::fromDate(serial));
    return days;
}

const PropertyBag StoredForm{{u"DateNow", Variant::fromDate(36923)}};

HostedControl create() {
    HostingResult created = createControl(CalendarProgId, &StoredForm, nullptr);
    if (failed(created.status))
        std::abort();
    return std::move(created.control);
}

// One iteration is one pair of calls; state.range(0) is the ChineseDateType.
void putDateNowGetChineseDate(benchmark::State& state) {
    HostedControl calendar = create();
    calendar.put(DISPID_ChineseDateType, Variant::fromI4(static_cast<std::int32_t>(state.range(0))));
    const std::vector<Variant> days = everyDayOfTheRange();
    std::size_t next = 0;
    Variant chineseDate;
    for (auto _ : state) {
        calendar.put(DISPID_DateNow, days[next]);
        calendar.get(DISPID_ChineseDate, &chineseDate);
        benchmark::DoNotOptimize(chineseDate);
        next = next + 1 == days.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["days"] = static_cast<double>(days.size());
}
BENCHMARK(putDateNowGetChineseDate)->Arg(0)->Arg(1)->ArgName("ChineseDateType");

void createAndReleaseLoadingTheLibrary(benchmark::State& state) {
    for (auto _ : state) {
        HostedControl calendar = create();
        benchmark::DoNotOptimize(calendar.dispatch());
    }
}
BENCHMARK(createAndReleaseLoadingTheLibrary)->Unit(benchmark::kMicrosecond);

void createAndReleaseWithTheLibraryLoaded(benchmark::State& state) {
    HostedControl keepsTheLibrary = create();
    for (auto _ : state) {
        HostedControl calendar = create();
        benchmark::DoNotOptimize(calendar.dispatch());
    }
}
BENCHMARK(createAndReleaseWithTheLibraryLoaded)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // A registry folder of its own, so the user's class registry plays no part.
    std::string dataHome = (std::filesystem::temp_directory_path() / "guheng-bench-XXXXXX").string();
    if (!::mkdtemp(dataHome.data()))
        return 1;
    ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(dataHome);
    return 0;
}
