// Persistence of a control in its container's property bag: a new instance (InitNew) or a stored
// one (Load), and saving. A failed Load leaves the control unusable and the container reports it.
#pragma once

#include "automation/property_bag.h"
#include "automation/unknown.h"

namespace guheng::automation {

class IPersistPropertyBag : public IUnknown {
  public:
    static constexpr Guid iid{0x37D84F60, 0x42CB, 0x11CE, {0x81, 0x35, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};

    virtual HRESULT InitNew() = 0;
    virtual HRESULT Load(IPropertyBag& bag) = 0;
    virtual HRESULT Save(IPropertyBag& bag) = 0;

  protected:
    ~IPersistPropertyBag() = default;
};

} // namespace guheng::automation
