// Globally unique identifiers of classes, interfaces and type libraries, in the platform's layout,
// with the registry's text form "{8621F080-4CC0-403B-97CD-FDB25021B84C}" (upper-case hex).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace guheng::automation {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend constexpr bool operator==(const Guid&, const Guid&) = default;
};

std::string toString(const Guid& guid);

// Accepts only the braced form, hex digits in either case; anything else gives no Guid.
std::optional<Guid> parseGuid(std::string_view text);

} // namespace guheng::automation
