// The published face of the Calendar control: its ProgID, the fixed GUIDs of the type library
// 星台, its interfaces, class and enumeration, and the dispatch ids containers call it by.
#pragma once

#include "automation/dispatch.h"
#include "automation/guid.h"
#include "automation/type_info.h"

#include <cstdint>
#include <string_view>

namespace guheng::calendar {

inline constexpr std::u16string_view CalendarProgId = u"星台.Calendar";

inline constexpr automation::Guid LIBID_Xingtai{
    0x8D77870D, 0x43DE, 0x470A, {0xBE, 0x71, 0xD6, 0x7C, 0x86, 0x02, 0x96, 0xAC}};
inline constexpr automation::Guid IID__Calendar{
    0xF4A366DD, 0x627E, 0x4C9A, {0xA1, 0x9F, 0xB6, 0x3F, 0xA8, 0x5A, 0x47, 0xC5}};
inline constexpr automation::Guid DIID___Calendar{
    0xB41D8C6F, 0x3673, 0x40CA, {0x8F, 0x99, 0x6F, 0x99, 0x4A, 0xE7, 0x91, 0x15}};
inline constexpr automation::Guid CLSID_Calendar{
    0x8621F080, 0x4CC0, 0x403B, {0x97, 0xCD, 0xFD, 0xB2, 0x50, 0x21, 0xB8, 0x4C}};
inline constexpr automation::Guid GUID_TypesOfChineseDate{
    0xB29A7E4B, 0x89AB, 0x4257, {0x92, 0x39, 0xEB, 0x56, 0x7F, 0xC7, 0xBC, 0x2B}};

// Members of _Calendar.
inline constexpr automation::DispId DISPID_ChineseSolarTerm = 0x68030000;
inline constexpr automation::DispId DISPID_ChineseGanZhi = 0x68030001;
inline constexpr automation::DispId DISPID_ChineseDateType = 0x68030002;
inline constexpr automation::DispId DISPID_ChineseAnimal = 0x68030003;
inline constexpr automation::DispId DISPID_ChineseDate = 0x68030004;
inline constexpr automation::DispId DISPID_DateNow = 0x68030005;
inline constexpr automation::DispId DISPID_About = automation::DISPID_ABOUTBOX;

// The control keeps this extent whatever size its container gives it.
inline constexpr std::int32_t CalendarWidthTwips = 480;
inline constexpr std::int32_t CalendarHeightTwips = 450;

} // namespace guheng::calendar
