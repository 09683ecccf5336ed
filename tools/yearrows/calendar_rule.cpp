#include "calendar_rule.h"

#include <algorithm>
#include <optional>

namespace guheng::yearrows {
namespace {

bool holdsPrincipalTerm(const std::vector<TermDay>& terms, long firstDay, long nextFirstDay) {
    const auto term = std::lower_bound(terms.begin(), terms.end(), firstDay,
                                       [](const TermDay& termDay, long day) { return termDay.day < day; });
    return term != terms.end() && term->day < nextFirstDay;
}

// First day of the month holding the solstice: the last new-moon day not after it.
std::optional<long> monthElevenStart(const std::vector<long>& newMoonDays, long solsticeDay) {
    const auto after = std::upper_bound(newMoonDays.begin(), newMoonDays.end(), solsticeDay);
    if (after == newMoonDays.begin()) {
        return std::nullopt;
    }
    return *(after - 1);
}

} // namespace

std::vector<LunarMonth> numberLunarMonths(const std::vector<long>& newMoonDays,
                                          const std::vector<TermDay>& terms) {
    std::vector<long> monthElevenStarts;
    for (const TermDay& term : terms) {
        if (term.longitude == 270) {
            if (const std::optional<long> start = monthElevenStart(newMoonDays, term.day)) {
                monthElevenStarts.push_back(*start);
            }
        }
    }

    std::vector<LunarMonth> months;
    for (std::size_t year = 0; year + 1 < monthElevenStarts.size(); ++year) {
        const long to = monthElevenStarts[year + 1];
        const auto first = std::lower_bound(newMoonDays.begin(), newMoonDays.end(), monthElevenStarts[year]);
        const auto last = std::lower_bound(newMoonDays.begin(), newMoonDays.end(), to);
        const bool leapYear = last - first == 13;
        bool leapFound = false;
        int number = 10; // the first month counted is 11
        for (auto day = first; day != last; ++day) {
            const long nextDay = day + 1 == last ? to : *(day + 1);
            const bool leap = leapYear && !leapFound && !holdsPrincipalTerm(terms, *day, nextDay);
            leapFound = leapFound || leap;
            if (!leap) {
                number = number % 12 + 1;
            }
            months.push_back({*day, number, leap});
        }
    }
    return months;
}

} // namespace guheng::yearrows
