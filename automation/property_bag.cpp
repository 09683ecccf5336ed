#include "automation/property_bag.h"

#include "automation/variant_convert.h"

#include <algorithm>

namespace guheng::automation {

HRESULT PropertyBag::Read(std::u16string_view name, Variant* value) {
    if (!value)
        return E_POINTER;
    auto found = std::ranges::find(entries_, name, &Entry::first);
    if (found == entries_.end()) {
        *value = Variant();
        return E_INVALIDARG;
    }
    *value = found->second;
    return S_OK;
}

HRESULT PropertyBag::Write(std::u16string_view name, const Variant& value) {
    auto found = std::ranges::find(entries_, name, &Entry::first);
    if (found != entries_.end())
        found->second = value;
    else
        entries_.emplace_back(std::u16string(name), value);
    return S_OK;
}

Variant readProperty(IPropertyBag& bag, std::u16string_view name, const Variant& defaultValue) {
    Variant value;
    return succeeded(bag.Read(name, &value)) ? value : defaultValue;
}

HRESULT writeProperty(IPropertyBag& bag, std::u16string_view name, const Variant& value,
                      const Variant& defaultValue) {
    if (sameValue(value, defaultValue))
        return S_OK;
    return bag.Write(name, value);
}

} // namespace guheng::automation
