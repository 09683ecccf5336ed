// Delta T = TT - UT in seconds, to turn the civil clock into the dynamical time of the theories.
// Observed values up to 1972, leap seconds after; good to about 0.1 s over 1918..2026.
#pragma once

namespace guheng::yearrows {

// jdUt: Julian date on the civil (UT/UTC) time scale.
double deltaTSeconds(double jdUt);

double dynamicalFromUniversal(double jdUt);
double universalFromDynamical(double jdTt);

} // namespace guheng::yearrows
