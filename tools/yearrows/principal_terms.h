// Principal terms (中气): when the Sun's apparent longitude reaches a multiple of 30 degrees (270 is the
// winter solstice). Solved to a millisecond; the solar theory makes a moment good to about 30 s.
#pragma once

#include <vector>

namespace guheng::yearrows {

struct PrincipalTerm {
    double jdUt;   // Julian date on the civil time scale
    int longitude; // degrees, 0, 30, .. 330
};

// Every principal term with firstJdUt <= moment < lastJdUt, in order.
std::vector<PrincipalTerm> principalTermsBetween(double firstJdUt, double lastJdUt);

} // namespace guheng::yearrows
