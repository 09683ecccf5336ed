#include "automation/guid.h"

#include <cstdio>

namespace guheng::automation {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string toString(const Guid& guid) {
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", guid.data1,
                  guid.data2, guid.data3, guid.data4[0], guid.data4[1], guid.data4[2], guid.data4[3],
                  guid.data4[4], guid.data4[5], guid.data4[6], guid.data4[7]);
    return text;
}

std::optional<Guid> parseGuid(std::string_view text) {
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}: 32 hex digits in groups of 8, 4, 4, 4, 12.
    constexpr std::string_view Shape = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
    if (text.size() != Shape.size())
        return std::nullopt;
    std::array<std::uint8_t, 16> bytes{};
    int digit = 0;
    for (std::size_t i = 0; i < Shape.size(); ++i) {
        if (Shape[i] != 'X') {
            if (text[i] != Shape[i])
                return std::nullopt;
            continue;
        }
        int value = hexValue(text[i]);
        if (value < 0)
            return std::nullopt;
        bytes[digit / 2] = static_cast<std::uint8_t>(bytes[digit / 2] * 16 + value);
        ++digit;
    }
    Guid guid;
    guid.data1 = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
                 (std::uint32_t{bytes[2]} << 8) | bytes[3];
    guid.data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
    guid.data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
    for (int i = 0; i < 8; ++i)
        guid.data4[i] = bytes[8 + i];
    return guid;
}

} // namespace guheng::automation
