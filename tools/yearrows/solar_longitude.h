// The Sun's apparent geocentric longitude: VSOP87 for the Earth as truncated by Meeus (good to about
// 1" over these centuries), referred to the FK5 frame, with nutation and aberration.
#pragma once

namespace guheng::yearrows {

// jdTt: Julian date in dynamical time. Result in degrees, [0, 360), true equinox of date.
double apparentSolarLongitude(double jdTt);

} // namespace guheng::yearrows
