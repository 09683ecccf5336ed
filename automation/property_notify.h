// The container's property-changed notification sink. The container owns it and keeps it alive
// for as long as any control it is attached to; calls arrive on the container's thread.
#pragma once

#include "automation/type_info.h"

#include <string_view>

namespace guheng::automation {

class IPropertyNotifySink {
  public:
    virtual void OnChanged(DispId id, std::u16string_view propertyName) = 0;

  protected:
    ~IPropertyNotifySink() = default;
};

} // namespace guheng::automation
