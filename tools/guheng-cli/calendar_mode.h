// guheng-cli calendar [FROM TO] | guheng-cli calendar -
// One tab-separated line per day: ISO date, day code, lunar date, stem-branch year, animal, solar term.
#pragma once

#include <span>
#include <string_view>

namespace guheng::cli {

// The days come from the Calendar control, created through the hosting layer and called by dispatch id.
// Exit code: 0 done, 1 output could not be written, 2 bad arguments or a bad date (nothing printed),
// 3 the control could not be created or failed a call.
int runCalendarMode(std::span<const std::string_view> args);

} // namespace guheng::cli
