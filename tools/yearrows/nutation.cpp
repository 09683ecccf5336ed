#include "nutation.h"

#include "angles.h"

#include <array>
#include <cmath>

namespace guheng::yearrows {
namespace {

// Multiples of D, M, M', F, Omega, then the sine coefficient and its rate per century in 0.0001".
struct NutationTerm {
    int d, m, mMoon, f, omega;
    double sine, sineRate;
};

constexpr std::array nutationTerms{
    NutationTerm{0, 0, 0, 0, 1, -171996, -174.2},
    NutationTerm{-2, 0, 0, 2, 2, -13187, -1.6},
    NutationTerm{0, 0, 0, 2, 2, -2274, -0.2},
    NutationTerm{0, 0, 0, 0, 2, 2062, 0.2},
    NutationTerm{0, 1, 0, 0, 0, 1426, -3.4},
    NutationTerm{0, 0, 1, 0, 0, 712, 0.1},
    NutationTerm{-2, 1, 0, 2, 2, -517, 1.2},
    NutationTerm{0, 0, 0, 2, 1, -386, -0.4},
    NutationTerm{0, 0, 1, 2, 2, -301, 0},
    NutationTerm{-2, -1, 0, 2, 2, 217, -0.5},
    NutationTerm{-2, 0, 1, 0, 0, -158, 0},
    NutationTerm{-2, 0, 0, 2, 1, 129, 0.1},
    NutationTerm{0, 0, -1, 2, 2, 123, 0},
    NutationTerm{2, 0, 0, 0, 0, 63, 0},
    NutationTerm{0, 0, 1, 0, 1, 63, 0.1},
    NutationTerm{2, 0, -1, 2, 2, -59, 0},
    NutationTerm{0, 0, -1, 0, 1, -58, -0.1},
    NutationTerm{0, 0, 1, 2, 1, -51, 0},
    NutationTerm{-2, 0, 2, 0, 0, 48, 0},
    NutationTerm{0, 0, -2, 2, 1, 46, 0},
    NutationTerm{2, 0, 0, 2, 2, -38, 0},
    NutationTerm{0, 0, 2, 2, 2, -31, 0},
    NutationTerm{0, 0, 2, 0, 0, 29, 0},
    NutationTerm{-2, 0, 1, 2, 2, 29, 0},
    NutationTerm{0, 0, 0, 2, 0, 26, 0},
    NutationTerm{-2, 0, 0, 2, 0, -22, 0},
    NutationTerm{0, 0, -1, 2, 1, 21, 0},
    NutationTerm{0, 2, 0, 0, 0, 17, -0.1},
    NutationTerm{2, 0, -1, 0, 1, 16, 0},
    NutationTerm{-2, 2, 0, 2, 2, -16, 0.1},
    NutationTerm{0, 1, 0, 0, 1, -15, 0},
    NutationTerm{-2, 0, 1, 0, 1, -13, 0},
    NutationTerm{0, -1, 0, 0, 1, -12, 0},
    NutationTerm{0, 0, 2, -2, 0, 11, 0},
    NutationTerm{2, 0, -1, 2, 1, -10, 0},
    NutationTerm{2, 0, 1, 2, 2, -8, 0},
    NutationTerm{0, 1, 0, 2, 2, 7, 0},
    NutationTerm{-2, 1, 1, 0, 0, -7, 0},
    NutationTerm{0, -1, 0, 2, 2, -7, 0},
    NutationTerm{2, 0, 0, 2, 1, -7, 0},
    NutationTerm{2, 0, 1, 0, 0, 6, 0},
    NutationTerm{-2, 0, 2, 2, 2, 6, 0},
    NutationTerm{-2, 0, 1, 2, 1, 6, 0},
    NutationTerm{2, 0, -2, 0, 1, -6, 0},
    NutationTerm{2, 0, 0, 0, 1, -6, 0},
    NutationTerm{0, -1, 1, 0, 0, 5, 0},
    NutationTerm{-2, -1, 0, 2, 1, -5, 0},
    NutationTerm{-2, 0, 0, 0, 1, -5, 0},
    NutationTerm{0, 0, 2, 2, 1, -5, 0},
    NutationTerm{-2, 0, 2, 0, 1, 4, 0},
    NutationTerm{-2, 1, 0, 2, 1, 4, 0},
    NutationTerm{0, 0, 1, -2, 0, 4, 0},
    NutationTerm{-1, 0, 1, 0, 0, -4, 0},
    NutationTerm{-2, 1, 0, 0, 0, -4, 0},
    NutationTerm{1, 0, 0, 0, 0, -4, 0},
    NutationTerm{0, 0, 1, 2, 0, 3, 0},
    NutationTerm{0, 0, -2, 2, 2, -3, 0},
    NutationTerm{-1, -1, 1, 0, 0, -3, 0},
    NutationTerm{0, 1, 1, 0, 0, -3, 0},
    NutationTerm{0, -1, 1, 2, 2, -3, 0},
    NutationTerm{2, -1, -1, 2, 2, -3, 0},
    NutationTerm{0, 0, 3, 2, 2, -3, 0},
    NutationTerm{2, -1, 0, 2, 2, -3, 0},
};

} // namespace

double nutationInLongitude(double jdTt) {
    const double t = julianCenturies(jdTt);
    const double d = 297.85036 + t * (445267.111480 + t * (-0.0019142 + t / 189474.0));
    const double m = 357.52772 + t * (35999.050340 + t * (-0.0001603 - t / 300000.0));
    const double mMoon = 134.96298 + t * (477198.867398 + t * (0.0086972 + t / 56250.0));
    const double f = 93.27191 + t * (483202.017538 + t * (-0.0036825 + t / 327270.0));
    const double omega = 125.04452 + t * (-1934.136261 + t * (0.0020708 + t / 450000.0));
    double sum = 0;
    for (const NutationTerm& term : nutationTerms) {
        const double argument =
            term.d * d + term.m * m + term.mMoon * mMoon + term.f * f + term.omega * omega;
        sum += (term.sine + term.sineRate * t) * std::sin(radians(argument));
    }
    return sum / 36000000.0;
}

} // namespace guheng::yearrows
