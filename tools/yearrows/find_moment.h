// Newton's method on a smooth function of time, with the slope from a central difference: how the new
// moons and the principal terms are found.
#pragma once

#include <cmath>

namespace guheng::yearrows {

// The moment near `guess` where f is zero, to a millisecond; both in Julian days.
template <typename Function> double momentWhereZero(Function f, double guess) {
    constexpr double step = 1e-3;
    double jd = guess;
    for (int iteration = 0; iteration < 20; ++iteration) {
        const double value = f(jd);
        const double rate = (f(jd + step) - f(jd - step)) / (2 * step);
        const double correction = value / rate;
        jd -= correction;
        if (std::abs(correction) < 1e-8) {
            break;
        }
    }
    return jd;
}

} // namespace guheng::yearrows
