// Start-up figures: a whole process from its start to Form1 loaded (hidden),
// with its peak resident memory; and Form1's construction and load alone.
#include "shell/form1.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

void processStartToForm1Loaded(benchmark::State& state) {
    long peakKilobytes = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        char program[] = FORM1_LOAD_PROBE;
        char* arguments[] = {program, nullptr};
        pid_t child = 0;
        if (posix_spawn(&child, program, nullptr, nullptr, arguments, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("Form1 did not load");
            return;
        }
        peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
    }
    state.counters["peak_MB"] = double(peakKilobytes) / 1024.0;
}
BENCHMARK(processStartToForm1Loaded)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void form1ConstructAndLoad(benchmark::State& state) {
    for (auto _ : state) {
        guheng::shell::Form1 form;
        if (form.load()) {
            state.SkipWithError("Form1 did not load");
            return;
        }
    }
}
BENCHMARK(form1ConstructAndLoad)->Unit(benchmark::kMillisecond);

} // namespace
