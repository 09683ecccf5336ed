// UTF-16 text (what variants hold) to and from UTF-8 (what files and the platform's C calls take).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace guheng::automation {

// Unpaired surrogates become U+FFFD.
std::string toUtf8(std::u16string_view text);

// The same, appended to out, for callers that write many texts into one buffer.
void appendUtf8(std::string& out, std::u16string_view text);

// No text for bytes that are not well-formed UTF-8.
std::optional<std::u16string> fromUtf8(std::string_view bytes);

} // namespace guheng::automation
