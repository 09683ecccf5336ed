// Text in code page 936 (GBK), as the report file holds it.
// A character GBK cannot hold is written with its GB18030 code instead of being lost; only an unpaired
// surrogate, which is no character at all, becomes '?'.
#pragma once

#include <string>
#include <string_view>

namespace guheng::report {

std::string encodeGbk(std::u16string_view text);

} // namespace guheng::report
