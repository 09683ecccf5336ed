// What a container asks of a control besides its dispatch interface and persistence: where to send
// property-changed notifications, its extent in twips, and its misc-status flags.
#pragma once

#include "automation/property_notify.h"
#include "automation/unknown.h"

#include <cstdint>

namespace guheng::automation {

// Misc-status flags (OLEMISC_*).
constexpr std::uint32_t OLEMISC_RECOMPOSEONRESIZE = 0x1;
constexpr std::uint32_t OLEMISC_CANTLINKINSIDE = 0x10;
constexpr std::uint32_t OLEMISC_INSIDEOUT = 0x80;
constexpr std::uint32_t OLEMISC_ACTIVATEWHENVISIBLE = 0x100;
constexpr std::uint32_t OLEMISC_INVISIBLEATRUNTIME = 0x400;
constexpr std::uint32_t OLEMISC_NOUIACTIVATE = 0x4000;
constexpr std::uint32_t OLEMISC_SETCLIENTSITEFIRST = 0x20000;

struct Extent {
    std::int32_t width = 0; // twips
    std::int32_t height = 0;

    friend constexpr bool operator==(const Extent&, const Extent&) = default;
};

class IControl : public IUnknown {
  public:
    static constexpr Guid iid{0x613F1792, 0xA5CD, 0x4DE8, {0x81, 0x50, 0x12, 0x67, 0xB9, 0xD7, 0x73, 0x3C}};

    // null detaches; the sink must outlive the attachment.
    virtual HRESULT SetSite(IPropertyNotifySink* sink) = 0;
    // The control may keep a size of its own: read the extent back after setting it.
    virtual HRESULT SetExtent(Extent twips) = 0;
    virtual HRESULT GetExtent(Extent* twips) = 0;
    virtual HRESULT GetMiscStatus(std::uint32_t* flags) = 0;

  protected:
    ~IControl() = default;
};

} // namespace guheng::automation
