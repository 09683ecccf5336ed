// The Calendar control: the automation face of the lunar conversion. Its dispatch interface
// _Calendar, its persistence in the container's property bag and its fixed size of 480 x 450
// twips. Created only through the library's class factory; raises no events.
#pragma once

#include "automation/control.h"
#include "automation/dispatch.h"
#include "automation/persist.h"
#include "calendar/lunar_calendar.h"

#include <atomic>

namespace guheng::calendar {

class Calendar final : public automation::IDispatch,
                       public automation::IPersistPropertyBag,
                       public automation::IControl {
  public:
    Calendar();
    Calendar(const Calendar&) = delete;
    Calendar& operator=(const Calendar&) = delete;

    automation::HRESULT QueryInterface(const automation::Guid& iid, void** object) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;

    automation::HRESULT GetTypeInfo(automation::TypeInfo* info) override;
    automation::HRESULT GetIDsOfNames(std::u16string_view name, automation::DispId* id) override;
    automation::HRESULT Invoke(automation::DispId id, std::uint16_t flags,
                               std::span<const automation::Variant> args,
                               automation::Variant* result) override;

    automation::HRESULT InitNew() override;
    automation::HRESULT Load(automation::IPropertyBag& bag) override;
    automation::HRESULT Save(automation::IPropertyBag& bag) override;

    automation::HRESULT SetSite(automation::IPropertyNotifySink* sink) override;
    automation::HRESULT SetExtent(automation::Extent twips) override;
    automation::HRESULT GetExtent(automation::Extent* twips) override;
    automation::HRESULT GetMiscStatus(std::uint32_t* flags) override;

  private:
    ~Calendar();

    automation::Variant get(automation::DispId id);
    void put(automation::DispId id, const automation::Variant& value);
    void notifyChanged(automation::DispId id, std::u16string_view name);

    std::atomic<std::uint32_t> references_{1};
    LunarCalendar calendar_;
    automation::IPropertyNotifySink* sink_ = nullptr;
};

} // namespace guheng::calendar
