#include "calendar/calendar_typelib.h"

#include "automation/control.h"
#include "calendar/calendar_interface.h"

#include <array>

namespace guheng::calendar {
namespace {

using namespace automation;

// The four outputs are read-only and kept out of a design environment's property list.
constexpr std::uint32_t OutputFlags = FUNCFLAG_FNONBROWSABLE;

constexpr std::array<MemberInfo, 7> CalendarMembers{{
    {DISPID_DateNow, u"DateNow", MemberKind::property, true, true, VT_DATE, u"Date", u"New_DateNow", 0,
     u"返回/设置日历的日期。"},
    {DISPID_ChineseDate, u"ChineseDate", MemberKind::property, true, false, VT_VARIANT, u"Variant", u"",
     OutputFlags, u""},
    {DISPID_ChineseAnimal, u"ChineseAnimal", MemberKind::property, true, false, VT_BSTR, u"String", u"",
     OutputFlags, u""},
    {DISPID_ChineseDateType, u"ChineseDateType", MemberKind::property, true, true, VT_I4,
     u"TypesOfChineseDate", u"New_ChineseDateType", 0, u"返回/设置农历日期显示的类型。"},
    {DISPID_ChineseGanZhi, u"ChineseGanZhi", MemberKind::property, true, false, VT_BSTR, u"String", u"",
     OutputFlags, u""},
    {DISPID_ChineseSolarTerm, u"ChineseSolarTerm", MemberKind::property, true, false, VT_BSTR, u"String", u"",
     OutputFlags, u""},
    {DISPID_About, u"About", MemberKind::method, false, false, VT_EMPTY, u"", u"", 0,
     u"打开窗口显示关于此控件的信息。"},
}};

constexpr std::array<InterfaceInfo, 2> Interfaces{{
    {u"_Calendar", IID__Calendar,
     TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FOLEAUTOMATION |
         TYPEFLAG_FDISPATCHABLE,
     CalendarMembers},
    {u"__Calendar", DIID___Calendar, TYPEFLAG_FHIDDEN | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE, {}},
}};

constexpr std::array<EnumValue, 2> DateTypeValues{{{u"dateCharacter", 0}, {u"dateNumeric", 1}}};
constexpr std::array<EnumInfo, 1> Enums{{{u"TypesOfChineseDate", GUID_TypesOfChineseDate, DateTypeValues}}};

constexpr std::uint32_t CalendarMiscStatus =
    OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
    OLEMISC_INVISIBLEATRUNTIME | OLEMISC_NOUIACTIVATE | OLEMISC_SETCLIENTSITEFIRST;
static_assert(CalendarMiscStatus == 0x24591);

constexpr std::array<ClassInfo, 1> Classes{
    {{u"Calendar", CLSID_Calendar, CalendarProgId, IID__Calendar, DIID___Calendar, CalendarMiscStatus}}};

} // namespace

const InterfaceInfo& CalendarDispatchInterface = Interfaces[0];
const TypeLibInfo XingtaiTypeLib{u"星台", LIBID_Xingtai, 1, 0, u"星台", Interfaces, Enums, Classes};

} // namespace guheng::calendar
