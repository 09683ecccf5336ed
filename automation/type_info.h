// Type information of automation servers as plain constant data: a type library with its
// interfaces, their members, enumerations and classes. Flag values are the platform's.
#pragma once

#include "automation/guid.h"
#include "automation/variant.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace guheng::automation {

using DispId = std::int32_t;

// Member flags (FUNCFLAG_*).
constexpr std::uint32_t FUNCFLAG_FHIDDEN = 0x40;
constexpr std::uint32_t FUNCFLAG_FNONBROWSABLE = 0x400;

// Interface flags (TYPEFLAG_*).
constexpr std::uint32_t TYPEFLAG_FHIDDEN = 0x10;
constexpr std::uint32_t TYPEFLAG_FDUAL = 0x40;
constexpr std::uint32_t TYPEFLAG_FNONEXTENSIBLE = 0x80;
constexpr std::uint32_t TYPEFLAG_FOLEAUTOMATION = 0x100;
constexpr std::uint32_t TYPEFLAG_FDISPATCHABLE = 0x1000;

enum class MemberKind : std::uint8_t { property, method };

struct MemberInfo {
    DispId id = 0;
    std::u16string_view name;
    MemberKind kind = MemberKind::property;
    bool canGet = false;
    bool canPut = false;
    VarType valueType = VT_EMPTY; // what get returns and put takes; VT_EMPTY for a method without result
    std::u16string_view typeName; // as a design environment shows it: "Date", "String", an enumeration name
    std::u16string_view putParameter; // name of the put parameter, empty when there is no put
    std::uint32_t flags = 0;          // FUNCFLAG_*
    std::u16string_view helpString;
};

struct InterfaceInfo {
    std::u16string_view name;
    Guid iid;
    std::uint32_t flags = 0; // TYPEFLAG_*
    std::span<const MemberInfo> members;
};

struct EnumValue {
    std::u16string_view name;
    std::int32_t value = 0;
};

struct EnumInfo {
    std::u16string_view name;
    Guid guid;
    std::span<const EnumValue> values;
};

struct ClassInfo {
    std::u16string_view name;
    Guid clsid;
    std::u16string_view progId;
    Guid defaultInterface;
    Guid defaultSource;
    std::uint32_t miscStatus = 0; // OLEMISC_* flags
};

struct TypeLibInfo {
    std::u16string_view name;
    Guid libid;
    std::uint16_t majorVersion = 1;
    std::uint16_t minorVersion = 0;
    std::u16string_view helpString;
    std::span<const InterfaceInfo> interfaces;
    std::span<const EnumInfo> enums;
    std::span<const ClassInfo> classes;
};

// What IDispatch::GetTypeInfo hands out: the object's dispatch interface and the library declaring it.
// Both point into the server's constant data and stay valid while the object lives.
struct TypeInfo {
    const InterfaceInfo* dispatchInterface = nullptr;
    const TypeLibInfo* library = nullptr;
};

} // namespace guheng::automation
