// guheng-cli: the Guheng engines on the command line, one mode per first argument.
#include "calendar_mode.h"
#include "reckon_mode.h"

#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

namespace {

struct Mode {
    std::string_view name;
    int (*run)(std::span<const std::string_view> args);
};

constexpr Mode modes[] = {
    {"calendar", guheng::cli::runCalendarMode},
    {"reckon", guheng::cli::runReckonMode},
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (!args.empty()) {
        for (const Mode& mode : modes) {
            if (mode.name == args[0])
                return mode.run(std::span(args).subspan(1));
        }
    }
    std::fputs("usage: guheng-cli MODE [ARGS]; modes: calendar, reckon\n", stderr);
    return 2;
}
