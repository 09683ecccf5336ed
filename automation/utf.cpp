#include "automation/utf.h"

namespace guheng::automation {
namespace {

constexpr char32_t Replacement = 0xFFFD;

void appendCodePoint(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (c >> 10));
        out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
}

bool isHigh(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLow(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

} // namespace

void appendUtf8(std::string& out, std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t u = text[i];
        if (isHigh(u) && i + 1 < text.size() && isLow(text[i + 1])) {
            appendCodePoint(out, 0x10000 + ((char32_t{u} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (isHigh(u) || isLow(u)) {
            appendCodePoint(out, Replacement);
        } else {
            appendCodePoint(out, u);
        }
    }
}

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    appendUtf8(out, text);
    return out;
}

std::optional<std::u16string> fromUtf8(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        int length = lead < 0x80           ? 1
                     : (lead >> 5) == 0x6  ? 2
                     : (lead >> 4) == 0xE  ? 3
                     : (lead >> 3) == 0x1E ? 4
                                           : 0;
        if (length == 0 || i + length > bytes.size())
            return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
        constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < Smallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return std::nullopt;
        appendUtf16(out, c);
        i += length;
    }
    return out;
}

} // namespace guheng::automation
