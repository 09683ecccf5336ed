// yearrows: computes the Chinese calendar of 1920..2031 from the apparent positions of the Sun and
// the Moon and prints it as the calendar's year rows.
//
// Method. The Sun: VSOP87 for the Earth as truncated by Meeus (Astronomical Algorithms, ch. 32 and
// appendix III), FK5 correction, IAU 1980 nutation (63 terms) and annual aberration -20.4898"/R. The
// Moon: ELP-2000/82 as truncated by Meeus (ch. 47, all 60 periodic terms and the additive terms), with
// its light time and the same nutation. A new moon is the apparent conjunction, the moment the two
// apparent longitudes are equal; a principal term the moment the Sun's apparent longitude reaches a
// multiple of 30 degrees. Both are solved by Newton's method to a millisecond of dynamical time, then
// turned into civil time with Delta T: observed yearly values up to 1972, TT - UTC = 32.184 s + the
// leap seconds after that, and 37 leap seconds held for the years after 2017 since none has been
// announced. All civil days are those of UTC+8, in every year.
//
// Error bound. Meeus's lunar series is good to about 10" in longitude (3" typically); the Moon gains
// on the Sun about 0.5" a second, so a conjunction is good to about 20 s. The solar series is good to
// about 1", and the Sun moves 0.04" a second, so a principal term is good to about 30 s. Delta T adds
// under 1 s up to now; for the 2030s the unknown drift of the Earth's rotation may add a few seconds.
// The closest calls of the range (see --margins) lie well outside these bounds.
//
// Usage: yearrows [--header | --margins | --month-starts]
//   (none)          the 112 rows, one per line
//   --header        the C++ header calendar/year_rows.h
//   --margins       the five new moons and five principal terms nearest to a UTC+8 midnight, then
//                   the five nearest of the principal terms that decide a month 11 or a leap month
//   --month-starts  each lunar month's first day: ISO date, lunar month, leap (0/1), tab-separated

#include "midnight_margins.h"
#include "month_starts.h"
#include "year_row_format.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr int firstYear = 1920;
constexpr int lastYear = 2031;

int printRows(bool asHeader) {
    const guheng::yearrows::YearRows result = guheng::yearrows::makeYearRows(firstYear, lastYear);
    if (!result.error.empty()) {
        std::fprintf(stderr, "yearrows: %s\n", result.error.c_str());
        return 1;
    }
    if (asHeader) {
        std::fputs(guheng::yearrows::yearRowsHeader(result.rows).c_str(), stdout);
        return 0;
    }
    for (const std::string& row : result.rows) {
        std::printf("%s\n", row.c_str());
    }
    return 0;
}

void printMarginLines(const char* prefix, const std::vector<guheng::yearrows::MidnightMargin>& margins) {
    for (const auto& margin : margins) {
        std::printf("%s%s\t%s\t%+.0f s\n", prefix, margin.event.c_str(),
                    guheng::yearrows::civilDateTime(margin.jdUt).c_str(), margin.seconds);
    }
}

int printMargins() {
    const guheng::yearrows::MidnightMargins margins =
        guheng::yearrows::nearestToMidnight(5, firstYear, lastYear);
    printMarginLines("", margins.newMoons);
    printMarginLines("", margins.principalTerms);
    printMarginLines("deciding ", margins.decidingTerms);
    return 0;
}

int printMonthStarts() {
    for (const auto& start : guheng::yearrows::lunarMonthStarts(firstYear, lastYear)) {
        std::printf("%04d-%02d-%02d\t%d\t%d\n", start.year, start.month, start.day, start.lunarMonth,
                    start.leap ? 1 : 0);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view option = argc == 2 ? argv[1] : "";
    if (argc == 1) {
        return printRows(false);
    }
    if (argc == 2 && option == "--header") {
        return printRows(true);
    }
    if (argc == 2 && option == "--margins") {
        return printMargins();
    }
    if (argc == 2 && option == "--month-starts") {
        return printMonthStarts();
    }
    std::fputs("usage: yearrows [--header | --margins | --month-starts]\n", stderr);
    return 2;
}
