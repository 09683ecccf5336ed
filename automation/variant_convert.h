// Conversion of a variant to another type, as late-bound calls coerce their arguments:
// numbers round half to even; a value outside the target's range is DISP_E_OVERFLOW; text is
// read as a decimal number; anything else that does not fit is DISP_E_TYPEMISMATCH.
#pragma once

#include "automation/status.h"
#include "automation/variant.h"

namespace guheng::automation {

// target VT_VARIANT copies the value as it is; a date outside the automation date range, even one
// already of type VT_DATE, is DISP_E_OVERFLOW.
HRESULT changeType(const Variant& value, VarType target, Variant* converted);

// Equal values: numbers (dates and booleans included) by value whatever their type, texts by text.
bool sameValue(const Variant& a, const Variant& b);

} // namespace guheng::automation
