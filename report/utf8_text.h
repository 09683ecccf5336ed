// UTF-8 <-> UTF-16 for command lines and terminals.
// toUtf8 writes an unpaired surrogate as U+FFFD; fromUtf8 gives nothing for bytes that are not UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace guheng::report {

std::string toUtf8(std::u16string_view text);
std::optional<std::u16string> fromUtf8(std::string_view bytes);

} // namespace guheng::report
