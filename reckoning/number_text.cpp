#include "number_text.h"

namespace guheng::reckoning {

std::optional<std::int16_t> readNumber(std::u16string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // One past the magnitude of the smallest value, so any longer run of digits stops early.
    constexpr std::int32_t limit = 32768;
    std::int32_t magnitude = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    if (magnitude == limit && !negative)
        return std::nullopt;
    return static_cast<std::int16_t>(negative ? -magnitude : magnitude);
}

} // namespace guheng::reckoning
