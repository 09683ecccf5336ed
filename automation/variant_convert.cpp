#include "automation/variant_convert.h"

#include "automation/automation_date.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace guheng::automation {
namespace {

std::optional<double> numberOf(const Variant& value) {
    switch (value.type()) {
    case VT_EMPTY:
        return 0.0;
    case VT_I2:
        return *value.i2();
    case VT_I4:
        return *value.i4();
    case VT_R8:
        return *value.r8();
    case VT_DATE:
        return *value.date();
    case VT_BOOL:
        return *value.boolean() ? -1.0 : 0.0; // the platform's true is -1
    default:
        return std::nullopt;
    }
}

// Plain decimal text with optional blanks around it; no hex, no thousands separators.
std::optional<double> parseNumber(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 64)
        return std::nullopt;
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F)
            return std::nullopt;
        ascii += static_cast<char>(c);
    }
    const char* first = ascii.data();
    if (*first == '+')
        ++first;
    double number = 0;
    auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), number);
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(number))
        return std::nullopt;
    return number;
}

template <typename Int> std::optional<Int> roundedInto(double number) {
    if (!std::isfinite(number))
        return std::nullopt;
    double rounded = std::nearbyint(number);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(rounded);
}

HRESULT numberInto(double number, VarType target, Variant* converted) {
    switch (target) {
    case VT_I2:
        if (auto v = roundedInto<std::int16_t>(number)) {
            *converted = Variant::fromI2(*v);
            return S_OK;
        }
        return DISP_E_OVERFLOW;
    case VT_I4:
        if (auto v = roundedInto<std::int32_t>(number)) {
            *converted = Variant::fromI4(*v);
            return S_OK;
        }
        return DISP_E_OVERFLOW;
    case VT_R8:
        *converted = Variant::fromR8(number);
        return S_OK;
    case VT_DATE: // any time of any day from 1 January 100 to 31 December 9999
        if (!daySerialOf(number))
            return DISP_E_OVERFLOW;
        *converted = Variant::fromDate(number);
        return S_OK;
    case VT_BOOL:
        *converted = Variant::fromBool(number != 0);
        return S_OK;
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

std::u16string decimalText(double number) {
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::u16string(buffer, error == std::errc() ? end : buffer);
}

} // namespace

HRESULT changeType(const Variant& value, VarType target, Variant* converted) {
    if (!converted)
        return E_POINTER;
    // A date variant may still hold no date (NaN, beyond year 9999): it is checked like a number.
    if (target == VT_VARIANT || (value.type() == target && target != VT_DATE)) {
        *converted = value;
        return S_OK;
    }
    if (target == VT_BSTR) {
        switch (value.type()) {
        case VT_EMPTY:
            *converted = Variant::fromText(u"");
            return S_OK;
        case VT_BOOL:
            *converted = Variant::fromText(*value.boolean() ? u"True" : u"False");
            return S_OK;
        case VT_I2:
        case VT_I4:
        case VT_R8:
            *converted = Variant::fromText(decimalText(*numberOf(value)));
            return S_OK;
        default: // dates have no text form here
            return DISP_E_TYPEMISMATCH;
        }
    }
    if (auto text = value.text()) {
        // Text is never a date: only numbers are read from it.
        if (target == VT_DATE)
            return DISP_E_TYPEMISMATCH;
        auto number = parseNumber(*text);
        return number ? numberInto(*number, target, converted) : DISP_E_TYPEMISMATCH;
    }
    if (auto number = numberOf(value))
        return numberInto(*number, target, converted);
    return DISP_E_BADVARTYPE;
}

bool sameValue(const Variant& a, const Variant& b) {
    if (a.type() == VT_EMPTY || b.type() == VT_EMPTY)
        return a.type() == b.type();
    if (a.text() || b.text())
        return a.text() == b.text();
    return numberOf(a) == numberOf(b);
}

} // namespace guheng::automation
