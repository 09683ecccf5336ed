#include "json_text.h"

#include "automation/utf.h"

namespace guheng::cli {

void appendJsonString(std::string& out, std::u16string_view text) {
    constexpr char hexDigits[] = "0123456789abcdef";
    out += '"';
    for (const char c : automation::toUtf8(text)) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += hexDigits[c >> 4];
                out += hexDigits[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

} // namespace guheng::cli
