// A container's property-changed sink that remembers every notification, in order.
#pragma once

#include "automation/property_notify.h"

#include <string>
#include <vector>

class RecordingSink final : public guheng::automation::IPropertyNotifySink {
  public:
    void OnChanged(guheng::automation::DispId id, std::u16string_view name) override {
        ids.push_back(id);
        names.emplace_back(name);
    }

    std::vector<guheng::automation::DispId> ids;
    std::vector<std::u16string> names;
};
