// New moons as apparent conjunctions: the moments when the Moon's and the Sun's apparent geocentric
// longitudes are equal. Solved to a millisecond; the theories make the moment good to about 20 s.
#pragma once

#include <vector>

namespace guheng::yearrows {

// The conjunction next to the mean new moon number `lunation` (0 is the one of 6 January 2000).
// Result: Julian date in dynamical time.
double newMoonDynamical(int lunation);

// Every new moon with firstJdUt <= moment < lastJdUt, in order, as Julian dates on the civil time scale.
std::vector<double> newMoonsBetween(double firstJdUt, double lastJdUt);

} // namespace guheng::yearrows
