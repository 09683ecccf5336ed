// Late-bound calls: invoke a member by dispatch id as property get, property put or method.
// Arguments are passed in natural order (first argument first); a put takes its value as the one argument.
#pragma once

#include "automation/type_info.h"
#include "automation/unknown.h"
#include "automation/variant.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace guheng::automation {

// Invoke flags (DISPATCH_*); a get may be combined with METHOD, as late-bound callers do.
constexpr std::uint16_t DISPATCH_METHOD = 0x1;
constexpr std::uint16_t DISPATCH_PROPERTYGET = 0x2;
constexpr std::uint16_t DISPATCH_PROPERTYPUT = 0x4;

constexpr DispId DISPID_UNKNOWN = -1;
constexpr DispId DISPID_ABOUTBOX = -552;

class IDispatch : public IUnknown {
  public:
    static constexpr Guid iid{0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

    virtual HRESULT GetTypeInfo(TypeInfo* info) = 0;
    // Names compare without regard to ASCII case; DISP_E_UNKNOWNNAME and DISPID_UNKNOWN when absent.
    virtual HRESULT GetIDsOfNames(std::u16string_view name, DispId* id) = 0;
    // result may be null when the caller wants no value back. Failures:
    // DISP_E_MEMBERNOTFOUND (no such id, or the access is not offered), DISP_E_BADPARAMCOUNT,
    // DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW (an argument that does not convert), or the member's own code.
    virtual HRESULT Invoke(DispId id, std::uint16_t flags, std::span<const Variant> args,
                           Variant* result) = 0;

  protected:
    ~IDispatch() = default;
};

inline HRESULT getProperty(IDispatch& object, DispId id, Variant* value) {
    return object.Invoke(id, DISPATCH_PROPERTYGET, {}, value);
}

inline HRESULT putProperty(IDispatch& object, DispId id, const Variant& value) {
    return object.Invoke(id, DISPATCH_PROPERTYPUT, std::span<const Variant>(&value, 1), nullptr);
}

inline HRESULT callMethod(IDispatch& object, DispId id) {
    return object.Invoke(id, DISPATCH_METHOD, {}, nullptr);
}

} // namespace guheng::automation
