// UTF-16 text to UTF-8 bytes, for what the tool prints.
// Unpaired surrogates come out as U+FFFD, so the output is always valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace guheng::cli {

void appendUtf8(std::string& out, std::u16string_view text);

} // namespace guheng::cli
