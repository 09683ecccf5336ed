// The type library 星台 of the Calendar control: the dispatch interface _Calendar with its members,
// the empty event interface __Calendar, the class Calendar and the enumeration TypesOfChineseDate.
#pragma once

#include "automation/type_info.h"

namespace guheng::calendar {

extern const automation::TypeLibInfo XingtaiTypeLib;
extern const automation::InterfaceInfo& CalendarDispatchInterface;

} // namespace guheng::calendar
