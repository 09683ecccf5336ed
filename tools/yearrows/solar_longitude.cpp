#include "solar_longitude.h"

#include "angles.h"
#include "nutation.h"

#include <array>
#include <cmath>
#include <span>

namespace guheng::yearrows {
namespace {

// One VSOP87 term: amplitude (1e-8 rad or 1e-8 au), phase (rad), frequency (rad per Julian millennium).
struct VsopTerm {
    double amplitude, phase, frequency;
};

constexpr std::array earthL0{
    VsopTerm{175347046, 0, 0},           VsopTerm{3341656, 4.6692568, 6283.07585},
    VsopTerm{34894, 4.6261, 12566.1517}, VsopTerm{3497, 2.7441, 5753.3849},
    VsopTerm{3418, 2.8289, 3.5231},      VsopTerm{3136, 3.6277, 77713.7715},
    VsopTerm{2676, 4.4181, 7860.4194},   VsopTerm{2343, 6.1352, 3930.2097},
    VsopTerm{1324, 0.7425, 11506.7698},  VsopTerm{1273, 2.0371, 529.691},
    VsopTerm{1199, 1.1096, 1577.3435},   VsopTerm{990, 5.233, 5884.927},
    VsopTerm{902, 2.045, 26.298},        VsopTerm{857, 3.508, 398.149},
    VsopTerm{780, 1.179, 5223.694},      VsopTerm{753, 2.533, 5507.553},
    VsopTerm{505, 4.583, 18849.228},     VsopTerm{492, 4.205, 775.523},
    VsopTerm{357, 2.92, 0.067},          VsopTerm{317, 5.849, 11790.629},
    VsopTerm{284, 1.899, 796.298},       VsopTerm{271, 0.315, 10977.079},
    VsopTerm{243, 0.345, 5486.778},      VsopTerm{206, 4.806, 2544.314},
    VsopTerm{205, 1.869, 5573.143},      VsopTerm{202, 2.458, 6069.777},
    VsopTerm{156, 0.833, 213.299},       VsopTerm{132, 3.411, 2942.463},
    VsopTerm{126, 1.083, 20.775},        VsopTerm{115, 0.645, 0.98},
    VsopTerm{103, 0.636, 4694.003},      VsopTerm{102, 0.976, 15720.839},
    VsopTerm{102, 4.267, 7.114},         VsopTerm{99, 6.21, 2146.17},
    VsopTerm{98, 0.68, 155.42},          VsopTerm{86, 5.98, 161000.69},
    VsopTerm{85, 1.3, 6275.96},          VsopTerm{85, 3.67, 71430.7},
    VsopTerm{80, 1.81, 17260.15},        VsopTerm{79, 3.04, 12036.46},
    VsopTerm{75, 1.76, 5088.63},         VsopTerm{74, 3.5, 3154.69},
    VsopTerm{74, 4.68, 801.82},          VsopTerm{70, 0.83, 9437.76},
    VsopTerm{62, 3.98, 8827.39},         VsopTerm{61, 1.82, 7084.9},
    VsopTerm{57, 2.78, 6286.6},          VsopTerm{56, 4.39, 14143.5},
    VsopTerm{56, 3.47, 6279.55},         VsopTerm{52, 0.19, 12139.55},
    VsopTerm{52, 1.33, 1748.02},         VsopTerm{51, 0.28, 5856.48},
    VsopTerm{49, 0.49, 1194.45},         VsopTerm{41, 5.37, 8429.24},
    VsopTerm{41, 2.4, 19651.05},         VsopTerm{39, 6.17, 10447.39},
    VsopTerm{37, 6.04, 10213.29},        VsopTerm{37, 2.57, 1059.38},
    VsopTerm{36, 1.71, 2352.87},         VsopTerm{36, 1.78, 6812.77},
    VsopTerm{33, 0.59, 17789.85},        VsopTerm{30, 0.44, 83996.85},
    VsopTerm{30, 2.74, 1349.87},         VsopTerm{25, 3.16, 4690.48},
};

constexpr std::array earthL1{
    VsopTerm{628331966747, 0, 0},       VsopTerm{206059, 2.678235, 6283.07585},
    VsopTerm{4303, 2.6351, 12566.1517}, VsopTerm{425, 1.59, 3.523},
    VsopTerm{119, 5.796, 26.298},       VsopTerm{109, 2.966, 1577.344},
    VsopTerm{93, 2.59, 18849.23},       VsopTerm{72, 1.14, 529.69},
    VsopTerm{68, 1.87, 398.15},         VsopTerm{67, 4.41, 5507.55},
    VsopTerm{59, 2.89, 5223.69},        VsopTerm{56, 2.17, 155.42},
    VsopTerm{45, 0.4, 796.3},           VsopTerm{36, 0.47, 775.52},
    VsopTerm{29, 2.65, 7.11},           VsopTerm{21, 5.34, 0.98},
    VsopTerm{19, 1.85, 5486.78},        VsopTerm{19, 4.97, 213.3},
    VsopTerm{17, 2.99, 6275.96},        VsopTerm{16, 0.03, 2544.31},
    VsopTerm{16, 1.43, 2146.17},        VsopTerm{15, 1.21, 10977.08},
    VsopTerm{12, 2.83, 1748.02},        VsopTerm{12, 3.26, 5088.63},
    VsopTerm{12, 5.27, 1194.45},        VsopTerm{12, 2.08, 4694},
    VsopTerm{11, 0.77, 553.57},         VsopTerm{10, 1.3, 6286.6},
    VsopTerm{10, 4.24, 1349.87},        VsopTerm{9, 2.7, 242.73},
    VsopTerm{9, 5.64, 951.72},          VsopTerm{8, 5.3, 2352.87},
    VsopTerm{6, 2.65, 9437.76},         VsopTerm{6, 4.67, 4690.48},
};

constexpr std::array earthL2{
    VsopTerm{52919, 0, 0},        VsopTerm{8720, 1.0721, 6283.0758}, VsopTerm{309, 0.867, 12566.152},
    VsopTerm{27, 0.05, 3.52},     VsopTerm{16, 5.19, 26.3},          VsopTerm{16, 3.68, 155.42},
    VsopTerm{10, 0.76, 18849.23}, VsopTerm{9, 2.06, 77713.77},       VsopTerm{7, 0.83, 775.52},
    VsopTerm{5, 4.66, 1577.34},   VsopTerm{4, 1.03, 7.11},           VsopTerm{4, 3.44, 5573.14},
    VsopTerm{3, 5.14, 796.3},     VsopTerm{3, 6.05, 5507.55},        VsopTerm{3, 1.19, 242.73},
    VsopTerm{3, 6.12, 529.69},    VsopTerm{3, 0.31, 398.15},         VsopTerm{3, 2.28, 553.57},
    VsopTerm{2, 4.38, 5223.69},   VsopTerm{2, 3.75, 0.98},
};

constexpr std::array earthL3{
    VsopTerm{289, 5.844, 6283.076}, VsopTerm{35, 0, 0},      VsopTerm{17, 5.49, 12566.15},
    VsopTerm{3, 5.2, 155.42},       VsopTerm{1, 4.72, 3.52}, VsopTerm{1, 5.3, 18849.23},
    VsopTerm{1, 5.97, 242.73},
};

constexpr std::array earthL4{VsopTerm{114, 3.142, 0}, VsopTerm{8, 4.13, 6283.08},
                             VsopTerm{1, 3.84, 12566.15}};

constexpr std::array earthL5{VsopTerm{1, 3.14, 0}};

constexpr std::array earthR0{
    VsopTerm{100013989, 0, 0},
    VsopTerm{1670700, 3.0984635, 6283.07585},
    VsopTerm{13956, 3.05525, 12566.1517},
    VsopTerm{3084, 5.1985, 77713.7715},
    VsopTerm{1628, 1.1739, 5753.3849},
    VsopTerm{1576, 2.8469, 7860.4194},
    VsopTerm{925, 5.453, 11506.77},
    VsopTerm{542, 4.564, 3930.21},
    VsopTerm{472, 3.661, 5884.927},
    VsopTerm{346, 0.964, 5507.553},
    VsopTerm{329, 5.9, 5223.694},
    VsopTerm{307, 0.299, 5573.143},
    VsopTerm{243, 4.273, 11790.629},
    VsopTerm{212, 5.847, 1577.344},
    VsopTerm{186, 5.022, 10977.079},
    VsopTerm{175, 3.012, 18849.228},
    VsopTerm{110, 5.055, 5486.778},
    VsopTerm{98, 0.89, 6069.78},
    VsopTerm{86, 5.69, 15720.84},
    VsopTerm{86, 1.27, 161000.69},
    VsopTerm{65, 0.27, 17260.15},
    VsopTerm{63, 0.92, 529.69},
    VsopTerm{57, 2.01, 83996.85},
    VsopTerm{56, 5.24, 71430.7},
    VsopTerm{49, 3.25, 2544.31},
    VsopTerm{47, 2.58, 775.52},
    VsopTerm{45, 5.54, 9437.76},
    VsopTerm{43, 6.01, 6275.96},
    VsopTerm{39, 5.36, 4694},
    VsopTerm{38, 2.39, 8827.39},
    VsopTerm{37, 0.83, 19651.05},
    VsopTerm{37, 4.9, 12139.55},
    VsopTerm{36, 1.67, 12036.46},
    VsopTerm{35, 1.84, 2942.46},
    VsopTerm{33, 0.24, 7084.9},
    VsopTerm{32, 0.18, 5088.63},
    VsopTerm{32, 1.78, 398.15},
    VsopTerm{28, 1.21, 6286.6},
    VsopTerm{28, 1.9, 6279.55},
    VsopTerm{26, 4.59, 10447.39},
};

constexpr std::array earthR1{
    VsopTerm{103019, 1.10749, 6283.07585},
    VsopTerm{1721, 1.0644, 12566.1517},
    VsopTerm{702, 3.142, 0},
    VsopTerm{32, 1.02, 18849.23},
    VsopTerm{31, 2.84, 5507.55},
    VsopTerm{25, 1.32, 5223.69},
    VsopTerm{18, 1.42, 1577.34},
    VsopTerm{10, 5.91, 10977.08},
    VsopTerm{9, 1.42, 6275.96},
    VsopTerm{9, 0.27, 5486.78},
};

constexpr std::array earthR2{
    VsopTerm{4359, 5.7846, 6283.0758}, VsopTerm{124, 5.579, 12566.152}, VsopTerm{12, 3.14, 0},
    VsopTerm{9, 3.63, 77713.77},       VsopTerm{6, 1.87, 5573.14},      VsopTerm{3, 5.47, 18849.23},
};

constexpr std::array earthR3{VsopTerm{145, 4.273, 6283.076}, VsopTerm{7, 3.92, 12566.15}};

constexpr std::array earthR4{VsopTerm{4, 2.56, 6283.08}};

double seriesSum(std::span<const VsopTerm> terms, double millennia) {
    double sum = 0;
    for (const VsopTerm& term : terms) {
        sum += term.amplitude * std::cos(term.phase + term.frequency * millennia);
    }
    return sum;
}

// Evaluates S0 + S1 tau + S2 tau^2 + ... by Horner's rule, in units of 1e-8.
double powerSeries(std::initializer_list<std::span<const VsopTerm>> series, double millennia) {
    double result = 0;
    for (auto it = std::rbegin(series); it != std::rend(series); ++it) {
        result = result * millennia + seriesSum(*it, millennia);
    }
    return result * 1e-8;
}

} // namespace

double apparentSolarLongitude(double jdTt) {
    const double millennia = julianCenturies(jdTt) / 10.0;
    const double earthLongitude =
        powerSeries({earthL0, earthL1, earthL2, earthL3, earthL4, earthL5}, millennia) * 180.0 /
        std::numbers::pi;
    const double earthDistance = powerSeries({earthR0, earthR1, earthR2, earthR3, earthR4}, millennia);

    const double geometric = earthLongitude + 180.0;
    const double fk5Correction = -0.09033 / 3600.0;
    // Annual aberration, with the Sun's light time folded in.
    const double aberration = -20.4898 / 3600.0 / earthDistance;
    return normalizedDegrees(geometric + fk5Correction + nutationInLongitude(jdTt) + aberration);
}

} // namespace guheng::yearrows
