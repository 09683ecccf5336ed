// How close the moments that fix the calendar come to a UTC+8 midnight: a new moon or principal term
// that close is where an error in the astronomy would move a day, so these margins bound what the
// rows can bear.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace guheng::yearrows {

struct MidnightMargin {
    std::string event; // "new moon" or "principal term 270°"
    double jdUt;       // Julian date on the civil time scale
    double seconds;    // signed distance from the nearest UTC+8 midnight, positive after it
};

// The `count` new moons and the `count` principal terms between 1 January firstGregorianYear and
// 1 January (lastGregorianYear + 1), UTC+8, that lie nearest to a midnight: new moons first, each
// group nearest first.
std::vector<MidnightMargin> nearestToMidnight(std::size_t count, int firstGregorianYear,
                                              int lastGregorianYear);

// "YYYY-MM-DD hh:mm:ss" in UTC+8.
std::string civilDateTime(double jdUt);

} // namespace guheng::yearrows
