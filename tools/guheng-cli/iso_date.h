// ISO dates (YYYY-MM-DD) as the tool reads and prints them.
// Only real Gregorian dates that an automation date can hold (years 100..9999) are read.
#pragma once

#include "automation/automation_date.h"

#include <optional>
#include <string>
#include <string_view>

namespace guheng::cli {

std::optional<automation::CivilDate> parseIsoDate(std::string_view text);

void appendIsoDate(std::string& out, const automation::CivilDate& date);

} // namespace guheng::cli
