// guheng-cli reckon [--json] [--report FILE] NAME YEAR MONTH DAY HOUR | guheng-cli reckon -
// Runs chenggu over the real Calendar control with the five texts as typed. Prints the report lines, or with
// --json one object of the nine captions and "total"; --report also writes the report file as Save does.
// With "-": one tab-separated case per line of standard input, one JSON object per line out (JSON Lines);
// a line without five texts gets {"error": REASON} and the batch goes on.
#pragma once

#include <span>
#include <string_view>

namespace guheng::cli {

// Exit code: 0 a result (or a batch read to its end), 2 a rejection (its message on standard error, or
// {"rejected": FIELD, "message": TEXT} with --json), 1 bad arguments, no control, or a file or output
// failure.
int runReckonMode(std::span<const std::string_view> args);

} // namespace guheng::cli
