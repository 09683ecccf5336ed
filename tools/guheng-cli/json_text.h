// JSON string literals for what guheng-cli prints: any UTF-16 text becomes a valid, quoted UTF-8 JSON string.
#pragma once

#include <string>
#include <string_view>

namespace guheng::cli {

// Appends the text in double quotes, with quote, backslash and control characters escaped.
void appendJsonString(std::string& out, std::u16string_view text);

} // namespace guheng::cli
