// guheng-cli calendar [FROM TO] | guheng-cli calendar -
// One tab-separated line per day: ISO date, day code, lunar date, stem-branch year, animal, solar term.
#pragma once

#include <span>
#include <string_view>

namespace guheng::cli {

// Exit code: 0 done, 1 output could not be written, 2 bad arguments or a bad date (nothing printed).
int runCalendarMode(std::span<const std::string_view> args);

} // namespace guheng::cli
