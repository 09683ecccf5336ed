#include "lunar_longitude.h"

#include "angles.h"
#include "nutation.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace guheng::yearrows {
namespace {

// Multiples of D, M, M', F; then longitude (1e-6 degree, sine) and distance (1e-3 km, cosine).
struct LunarTerm {
    int d, m, mMoon, f;
    double longitude, distance;
};

constexpr std::array lunarTerms{
    LunarTerm{0, 0, 1, 0, 6288774, -20905355},
    LunarTerm{2, 0, -1, 0, 1274027, -3699111},
    LunarTerm{2, 0, 0, 0, 658314, -2955968},
    LunarTerm{0, 0, 2, 0, 213618, -569925},
    LunarTerm{0, 1, 0, 0, -185116, 48888},
    LunarTerm{0, 0, 0, 2, -114332, -3149},
    LunarTerm{2, 0, -2, 0, 58793, 246158},
    LunarTerm{2, -1, -1, 0, 57066, -152138},
    LunarTerm{2, 0, 1, 0, 53322, -170733},
    LunarTerm{2, -1, 0, 0, 45758, -204586},
    LunarTerm{0, 1, -1, 0, -40923, -129620},
    LunarTerm{1, 0, 0, 0, -34720, 108743},
    LunarTerm{0, 1, 1, 0, -30383, 104755},
    LunarTerm{2, 0, 0, -2, 15327, 10321},
    LunarTerm{0, 0, 1, 2, -12528, 0},
    LunarTerm{0, 0, 1, -2, 10980, 79661},
    LunarTerm{4, 0, -1, 0, 10675, -34782},
    LunarTerm{0, 0, 3, 0, 10034, -23210},
    LunarTerm{4, 0, -2, 0, 8548, -21636},
    LunarTerm{2, 1, -1, 0, -7888, 24208},
    LunarTerm{2, 1, 0, 0, -6766, 30824},
    LunarTerm{1, 0, -1, 0, -5163, -8379},
    LunarTerm{1, 1, 0, 0, 4987, -16675},
    LunarTerm{2, -1, 1, 0, 4036, -12831},
    LunarTerm{2, 0, 2, 0, 3994, -10445},
    LunarTerm{4, 0, 0, 0, 3861, -11650},
    LunarTerm{2, 0, -3, 0, 3665, 14403},
    LunarTerm{0, 1, -2, 0, -2689, -7003},
    LunarTerm{2, 0, -1, 2, -2602, 0},
    LunarTerm{2, -1, -2, 0, 2390, 10056},
    LunarTerm{1, 0, 1, 0, -2348, 6322},
    LunarTerm{2, -2, 0, 0, 2236, -9884},
    LunarTerm{0, 1, 2, 0, -2120, 5751},
    LunarTerm{0, 2, 0, 0, -2069, 0},
    LunarTerm{2, -2, -1, 0, 2048, -4950},
    LunarTerm{2, 0, 1, -2, -1773, 4130},
    LunarTerm{2, 0, 0, 2, -1595, 0},
    LunarTerm{4, -1, -1, 0, 1215, -3958},
    LunarTerm{0, 0, 2, 2, -1110, 0},
    LunarTerm{3, 0, -1, 0, -892, 3258},
    LunarTerm{2, 1, 1, 0, -810, 2616},
    LunarTerm{4, -1, -2, 0, 759, -1897},
    LunarTerm{0, 2, -1, 0, -713, -2117},
    LunarTerm{2, 2, -1, 0, -700, 2354},
    LunarTerm{2, 1, -2, 0, 691, 0},
    LunarTerm{2, -1, 0, -2, 596, 0},
    LunarTerm{4, 0, 1, 0, 549, -1423},
    LunarTerm{0, 0, 4, 0, 537, -1117},
    LunarTerm{4, -1, 0, 0, 520, -1571},
    LunarTerm{1, 0, -2, 0, -487, -1739},
    LunarTerm{2, 1, 0, -2, -399, 0},
    LunarTerm{0, 0, 2, -2, -381, -4421},
    LunarTerm{1, 1, 1, 0, 351, 0},
    LunarTerm{3, 0, -2, 0, -340, 0},
    LunarTerm{4, 0, -3, 0, 330, 0},
    LunarTerm{2, -1, 2, 0, 327, 0},
    LunarTerm{0, 2, 1, 0, -323, 1165},
    LunarTerm{1, 1, -1, 0, 299, 0},
    LunarTerm{2, 0, 3, 0, 294, 0},
    LunarTerm{2, 0, -1, -2, 0, 8752},
};

struct GeometricMoon {
    double longitude; // degrees, mean equinox of date
    double distance;  // km
};

GeometricMoon geometricMoon(double jdTt) {
    const double t = julianCenturies(jdTt);
    const double meanLongitude =
        218.3164477 + t * (481267.88123421 + t * (-0.0015786 + t * (1.0 / 538841.0 - t / 65194000.0)));
    const double d =
        297.8501921 + t * (445267.1114034 + t * (-0.0018819 + t * (1.0 / 545868.0 - t / 113065000.0)));
    const double m = 357.5291092 + t * (35999.0502909 + t * (-0.0001536 + t / 24490000.0));
    const double mMoon =
        134.9633964 + t * (477198.8675055 + t * (0.0087414 + t * (1.0 / 69699.0 - t / 14712000.0)));
    const double f =
        93.2720950 + t * (483202.0175233 + t * (-0.0036539 + t * (-1.0 / 3526000.0 + t / 863310000.0)));
    const double a1 = 119.75 + 131.849 * t;
    const double a2 = 53.09 + 479264.290 * t;
    // Terms with the Sun's anomaly shrink as the Earth's orbit grows rounder.
    const double eccentricity = 1.0 - t * (0.002516 + t * 0.0000074);

    double longitudeSum = 0;
    double distanceSum = 0;
    for (const LunarTerm& term : lunarTerms) {
        const double argument = radians(term.d * d + term.m * m + term.mMoon * mMoon + term.f * f);
        const double scale = std::pow(eccentricity, std::abs(term.m));
        longitudeSum += term.longitude * scale * std::sin(argument);
        distanceSum += term.distance * scale * std::cos(argument);
    }
    // Venus, Jupiter and the Earth's flattening.
    longitudeSum += 3958 * std::sin(radians(a1)) + 1962 * std::sin(radians(meanLongitude - f)) +
                    318 * std::sin(radians(a2));
    return {meanLongitude + longitudeSum / 1e6, 385000.56 + distanceSum / 1000.0};
}

} // namespace

double apparentLunarLongitude(double jdTt) {
    constexpr double speedOfLightKmPerDay = 299792.458 * 86400.0;
    // Seen from the Earth's centre, light time alone accounts for the aberration of so near a body.
    const double lightTime = geometricMoon(jdTt).distance / speedOfLightKmPerDay;
    return normalizedDegrees(geometricMoon(jdTt - lightTime).longitude + nutationInLongitude(jdTt));
}

} // namespace guheng::yearrows
