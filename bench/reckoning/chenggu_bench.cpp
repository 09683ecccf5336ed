// Cost of one chenggu: through the real Calendar control (target under 5 µs) and over a scripted calendar
// (the reckoning alone); and guheng-cli reckon from start to exit (target under 50 ms) and per batch case.
#include "automation/hosting.h"
#include "calendar/calendar_interface.h"
#include "reckoning/control_calendar.h"
#include "reckoning/reckoning.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using namespace guheng;

// A spread of dates and hours, so the control converts a different day each time.
struct Case {
    std::u16string year, month, day, hour;
};

std::vector<Case> cases() {
    std::vector<Case> all;
    for (int i = 0; i < 1000; ++i) {
        const auto text = [](int n) {
            const std::string s = std::to_string(n);
            return std::u16string(s.begin(), s.end());
        };
        all.push_back({text(1920 + (i * 7) % 112), text(1 + i % 12), text(1 + (i * 5) % 28), text(i % 24)});
    }
    return all;
}

void ChengguThroughControl(benchmark::State& state) {
    auto hosted = automation::createControl(calendar::CalendarProgId, nullptr, nullptr);
    if (automation::failed(hosted.status)) {
        state.SkipWithError(automation::statusMessage(hosted.status).c_str());
        return;
    }
    reckoning::ControlCalendar calendar(*hosted.control.dispatch());
    reckoning::Reckoning reckoning;
    const auto all = cases();
    std::size_t i = 0;
    for (auto _ : state) {
        const Case& c = all[i++ % all.size()];
        auto outcome = reckoning.chenggu(u"张三", c.year, c.month, c.day, c.hour, calendar);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(ChengguThroughControl);

// Same answers every time: what the reckoning costs without the control.
class FixedCalendar : public reckoning::CalendarObject {
  public:
    reckoning::CallStatus putDateNow(double) override { return 0; }
    reckoning::CallStatus putChineseDateType(std::int32_t type) override {
        type_ = type;
        return 0;
    }
    reckoning::Answer<reckoning::ChineseDateValue> getChineseDate() override {
        if (type_ == reckoning::dateNumeric)
            return {0, std::int16_t{1125}};
        return {0, std::u16string(u"冬月廿五")};
    }
    reckoning::Answer<std::u16string> getChineseGanZhi() override { return {0, u"己卯年"}; }
    reckoning::Answer<std::u16string> getChineseAnimal() override { return {0, u"兔"}; }

  private:
    std::int32_t type_ = 0;
};

void ChengguFixedCalendar(benchmark::State& state) {
    FixedCalendar calendar;
    reckoning::Reckoning reckoning;
    for (auto _ : state) {
        auto outcome = reckoning.chenggu(u"张三", u"2000", u"1", u"1", u"0", calendar);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(ChengguFixedCalendar);

// Runs guheng-cli with its standard input from a file; false if it did not exit 0.
bool runCli(const std::vector<std::string>& args, const char* input) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input, O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const auto& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, GUHENG_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void CliStartToExit(benchmark::State& state) {
    for (auto _ : state) {
        if (!runCli({GUHENG_CLI, "reckon", "张三", "2000", "1", "1", "0"}, "/dev/null"))
            state.SkipWithError("guheng-cli reckon failed");
    }
}
BENCHMARK(CliStartToExit)->Unit(benchmark::kMillisecond)->UseRealTime();

void CliBatchPerCase(benchmark::State& state) {
    const std::string input = "/tmp/guheng-bench-reckon-" + std::to_string(getpid());
    {
        FILE* file = std::fopen(input.c_str(), "w");
        for (int i = 0; i < state.range(0); ++i)
            std::fprintf(file, "张三\t%d\t%d\t%d\t%d\n", 1920 + (i * 7) % 112, 1 + i % 12, 1 + (i * 5) % 28,
                         i % 24);
        std::fclose(file);
    }
    for (auto _ : state) {
        if (!runCli({GUHENG_CLI, "reckon", "-"}, input.c_str()))
            state.SkipWithError("guheng-cli reckon - failed");
    }
    std::remove(input.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(CliBatchPerCase)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
