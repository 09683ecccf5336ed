// How close the moments that fix the calendar come to a UTC+8 midnight, and which principal terms
// decide a month at all: an error in the astronomy larger than such a margin would move a day.
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

struct MidnightMargins {
    std::vector<MidnightMargin> newMoons;
    std::vector<MidnightMargin> principalTerms;
    // Principal terms that would change a month 11 or a leap month on the other side of their midnight.
    std::vector<MidnightMargin> decidingTerms;
};

// For events from 1 January firstGregorianYear to 1 January (lastGregorianYear + 1), UTC+8: the `count`
// of each kind nearest to a midnight, nearest first.
MidnightMargins nearestToMidnight(std::size_t count, int firstGregorianYear, int lastGregorianYear);

// "YYYY-MM-DD hh:mm:ss" in UTC+8.
std::string civilDateTime(double jdUt);

} // namespace guheng::yearrows
