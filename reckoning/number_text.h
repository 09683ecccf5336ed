// How the reckoning reads a number field: the text as a decimal 16-bit signed integer.
// Accepted: an optional '+' or '-' and at least one ASCII digit, nothing else (no blanks, no full-width
// digits); leading zeros are fine. Anything else, or a value outside -32768..32767, is no number.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace guheng::reckoning {

std::optional<std::int16_t> readNumber(std::u16string_view text);

} // namespace guheng::reckoning
