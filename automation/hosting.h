// Control hosting for containers: create a control by ProgID ("星台.Calendar") or class id
// ("{8621F080-...}"), attach the container's sink, give it its stored properties, and release it.
// The class is looked up in the user's class registry, else in the manifests beside the program
// (registration-free). The library stays loaded while a control from it lives and is unloaded
// once the last one is gone and the library agrees (DllCanUnloadNow).
#pragma once

#include "automation/control.h"
#include "automation/dispatch.h"
#include "automation/persist.h"
#include "automation/property_bag.h"
#include "automation/property_notify.h"

#include <memory>
#include <string_view>

namespace guheng::automation {

class ServerLibrary;

class HostedControl {
  public:
    HostedControl() = default;
    HostedControl(HostedControl&&) noexcept = default;
    HostedControl& operator=(HostedControl&& other) noexcept;
    ~HostedControl();

    explicit operator bool() const { return static_cast<bool>(dispatch_); }
    IDispatch* dispatch() const { return dispatch_.get(); }
    IDispatch* operator->() const { return dispatch_.get(); }
    template <typename I> Ref<I> query() const { return dispatch_.template query<I>(); }

    HRESULT get(DispId id, Variant* value) const;
    HRESULT put(DispId id, const Variant& value) const;
    HRESULT call(DispId id) const;
    // WriteProperties: the control writes its stored properties into bag.
    HRESULT save(PropertyBag* bag) const;

    // Detaches the sink, releases the control, then lets its library go.
    void reset();

  private:
    friend struct HostingAccess;
    // Declared first so it is destroyed last, after the control.
    std::shared_ptr<ServerLibrary> library_;
    Ref<IDispatch> dispatch_;
    bool sinkAttached_ = false;
};

struct HostingResult {
    HRESULT status = E_FAIL;
    HostedControl control; // empty unless status succeeded
};

// storedBag null: a new instance (InitNew); otherwise the stored one (Load). sink may be null.
// Failures: CO_E_CLASSSTRING (unknown ProgID), REGDB_E_CLASSNOTREG (unknown class id),
// CO_E_DLLNOTFOUND (registered library missing and none beside the program), CO_E_ERRORINDLL
// (a library without the entry points), REGDB_E_READREGDB (unreadable registry), or the control's
// own code from creation or Load (DISP_E_TYPEMISMATCH for a bag it cannot load).
HostingResult createControl(std::u16string_view progIdOrClassId, const PropertyBag* storedBag,
                            IPropertyNotifySink* sink);

} // namespace guheng::automation
