// Nutation in longitude (IAU 1980 theory, all 63 terms): the shift that turns a mean longitude of date
// into a true one. Good to about 0.01".
#pragma once

namespace guheng::yearrows {

// jdTt: Julian date in dynamical time. Result in degrees.
double nutationInLongitude(double jdTt);

} // namespace guheng::yearrows
