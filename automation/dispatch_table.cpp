#include "automation/dispatch_table.h"

#include "automation/variant_convert.h"

#include <algorithm>

namespace guheng::automation {
namespace {

char16_t foldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool sameName(std::u16string_view a, std::u16string_view b) {
    return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return foldAscii(x) == foldAscii(y); });
}

} // namespace

HRESULT checkInvoke(const InterfaceInfo& info, DispId id, std::uint16_t flags, std::span<const Variant> args,
                    CheckedCall* call) {
    if (!call)
        return E_POINTER;
    auto member = std::ranges::find(info.members, id, &MemberInfo::id);
    if (member == info.members.end())
        return DISP_E_MEMBERNOTFOUND;
    call->member = &*member;
    bool isProperty = member->kind == MemberKind::property;

    if (flags & DISPATCH_PROPERTYPUT) {
        if (flags != DISPATCH_PROPERTYPUT)
            return E_INVALIDARG;
        if (!isProperty || !member->canPut)
            return DISP_E_MEMBERNOTFOUND;
        if (args.size() != 1)
            return DISP_E_BADPARAMCOUNT;
        call->access = Access::put;
        return changeType(args[0], member->valueType, &call->value);
    }
    if ((flags & DISPATCH_PROPERTYGET) && isProperty && member->canGet) {
        call->access = Access::get;
        return args.empty() ? S_OK : DISP_E_BADPARAMCOUNT;
    }
    if ((flags & DISPATCH_METHOD) && !isProperty) {
        call->access = Access::call;
        return args.empty() ? S_OK : DISP_E_BADPARAMCOUNT;
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT findDispId(const InterfaceInfo& info, std::u16string_view name, DispId* id) {
    if (!id)
        return E_POINTER;
    for (const MemberInfo& member : info.members) {
        if (sameName(member.name, name)) {
            *id = member.id;
            return S_OK;
        }
    }
    *id = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

} // namespace guheng::automation
