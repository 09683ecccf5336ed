// The Moon's apparent geocentric longitude: ELP-2000/82 as truncated by Meeus (all periodic terms of
// his tables, good to about 10" and typically 3"), with the Moon's light time and nutation.
#pragma once

namespace guheng::yearrows {

// jdTt: Julian date in dynamical time. Result in degrees, [0, 360), true equinox of date.
double apparentLunarLongitude(double jdTt);

} // namespace guheng::yearrows
