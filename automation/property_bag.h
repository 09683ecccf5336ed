// The container's property bag, lent to a control while it loads or saves, and PropertyBag,
// the in-memory bag a container keeps for a stored form (entries in the order written).
#pragma once

#include "automation/status.h"
#include "automation/variant.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace guheng::automation {

class IPropertyBag {
  public:
    // E_INVALIDARG when the bag has no such name; *value is then left empty.
    virtual HRESULT Read(std::u16string_view name, Variant* value) = 0;
    virtual HRESULT Write(std::u16string_view name, const Variant& value) = 0;

  protected:
    ~IPropertyBag() = default;
};

class PropertyBag final : public IPropertyBag {
  public:
    using Entry = std::pair<std::u16string, Variant>;

    PropertyBag() = default;
    PropertyBag(std::initializer_list<Entry> entries) : entries_(entries) {}

    HRESULT Read(std::u16string_view name, Variant* value) override;
    HRESULT Write(std::u16string_view name, const Variant& value) override;

    const std::vector<Entry>& entries() const { return entries_; }

  private:
    std::vector<Entry> entries_;
};

// A control's ReadProperty: the stored value, or defaultValue when the name is absent.
Variant readProperty(IPropertyBag& bag, std::u16string_view name, const Variant& defaultValue);

// A control's WriteProperty: writes value unless it equals defaultValue (numbers compare by value,
// whatever their type), so a bag never holds defaults.
HRESULT writeProperty(IPropertyBag& bag, std::u16string_view name, const Variant& value,
                      const Variant& defaultValue);

} // namespace guheng::automation
