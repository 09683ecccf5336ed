// Server side of late-bound calls: checks an Invoke against the interface's member table (id,
// access, argument count) and converts a put value to the member's type, so the object only
// handles calls that are well-formed. Also the name-to-id lookup.
#pragma once

#include "automation/dispatch.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace guheng::automation {

enum class Access : std::uint8_t { get, put, call };

struct CheckedCall {
    const MemberInfo* member = nullptr;
    Access access = Access::get;
    Variant value; // a put's value, already of the member's type
};

HRESULT checkInvoke(const InterfaceInfo& info, DispId id, std::uint16_t flags, std::span<const Variant> args,
                    CheckedCall* call);

HRESULT findDispId(const InterfaceInfo& info, std::u16string_view name, DispId* id);

} // namespace guheng::automation
