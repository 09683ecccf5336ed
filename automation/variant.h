// Automation variants: a value tagged with the platform's type number. Header-only so a container
// needs nothing but this file; a Variant owns its text and copies it like any value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace guheng::automation {

enum VarType : std::uint16_t {
    VT_EMPTY = 0,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R8 = 5,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_BOOL = 11,
    VT_VARIANT = 12, // only in type information: "any of the above"
};

class Variant {
  public:
    Variant() = default;

    static Variant fromI2(std::int16_t value) { return Variant(VT_I2, value); }
    static Variant fromI4(std::int32_t value) { return Variant(VT_I4, value); }
    static Variant fromR8(double value) { return Variant(VT_R8, value); }
    // An automation date: days since 30 December 1899, time of day as the fraction.
    static Variant fromDate(double value) { return Variant(VT_DATE, value); }
    static Variant fromBool(bool value) { return Variant(VT_BOOL, value); }
    static Variant fromText(std::u16string value) { return Variant(VT_BSTR, std::move(value)); }

    VarType type() const { return type_; }

    // Each read gives a value only when the variant holds exactly that type.
    std::optional<std::int16_t> i2() const { return get<std::int16_t>(VT_I2); }
    std::optional<std::int32_t> i4() const { return get<std::int32_t>(VT_I4); }
    std::optional<double> r8() const { return get<double>(VT_R8); }
    std::optional<double> date() const { return get<double>(VT_DATE); }
    std::optional<bool> boolean() const { return get<bool>(VT_BOOL); }
    // Valid as long as this variant lives unchanged.
    std::optional<std::u16string_view> text() const {
        if (type_ != VT_BSTR)
            return std::nullopt;
        return std::u16string_view(*std::get_if<std::u16string>(&value_));
    }

    friend bool operator==(const Variant&, const Variant&) = default;

  private:
    using Value = std::variant<std::monostate, std::int16_t, std::int32_t, double, bool, std::u16string>;

    template <typename T> Variant(VarType type, T value) : type_(type), value_(std::move(value)) {}

    template <typename T> std::optional<T> get(VarType wanted) const {
        if (type_ != wanted)
            return std::nullopt;
        return *std::get_if<T>(&value_);
    }

    VarType type_ = VT_EMPTY;
    Value value_;
};

} // namespace guheng::automation
