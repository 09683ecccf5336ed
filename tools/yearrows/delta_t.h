// Delta T: the difference TT - UT in seconds, for turning the civil clock into the dynamical time the
// theories of the Sun and Moon run on. Observed yearly values up to 1972, TT - UTC from the leap
// seconds after that; good to about 0.1 s over 1918..2026.
#pragma once

namespace guheng::yearrows {

// jdUt: Julian date on the civil (UT/UTC) time scale.
double deltaTSeconds(double jdUt);

double dynamicalFromUniversal(double jdUt);
double universalFromDynamical(double jdTt);

} // namespace guheng::yearrows
