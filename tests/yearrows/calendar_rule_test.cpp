// The calendar rule on a small made-up sky: day numbers chosen so each case shows one part of the rule.
#include "calendar_rule.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace guheng::yearrows {
namespace {

// New moons on day 0, 30, 59, 89, ...: months of 30 and 29 days in turn.
std::vector<long> newMoonDays(int count) {
    std::vector<long> days;
    long day = 0;
    for (int i = 0; i < count; ++i) {
        days.push_back(day);
        day += i % 2 == 0 ? 30 : 29;
    }
    return days;
}

// Principal terms 30.4 days apart from the winter solstice on `solsticeDay`, left out where `skipped`.
std::vector<TermDay> termDays(long solsticeDay, int count, const std::vector<int>& skipped = {}) {
    std::vector<TermDay> terms;
    for (int k = 0; k < count; ++k) {
        if (std::find(skipped.begin(), skipped.end(), k) == skipped.end()) {
            terms.push_back({solsticeDay + (k * 365 + 6) / 12, (270 + 30 * k) % 360});
        }
    }
    return terms;
}

struct RuleCase {
    std::string what;
    std::vector<TermDay> terms;
    std::vector<int> numbers; // month numbers from the first month 11, leap months negative
};

TEST(CalendarRule, NumbersMonthsFromTheSolsticeAndPlacesTheLeapMonth) {
    const std::vector<RuleCase> cases = {
        {"12 months: no leap month", termDays(5, 13), {11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"12 months: a month without a principal term is no leap month",
         termDays(5, 13, {4}),
         {11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"13 months: the month without a principal term repeats the number before it",
         termDays(25, 13),
         {11, 12, 1, 2, 3, -3, 4, 5, 6, 7, 8, 9, 10}},
        {"13 months: only the first month without a principal term is leap",
         termDays(25, 13, {8}),
         {11, 12, 1, 2, 3, -3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const RuleCase& c : cases) {
        std::vector<int> numbers;
        for (const LunarMonth& month : numberLunarMonths(newMoonDays(16), c.terms)) {
            numbers.push_back(month.leap ? -month.number : month.number);
        }
        EXPECT_EQ(numbers, c.numbers) << c.what;
    }
}

TEST(CalendarRule, StartsMonthElevenOnTheNewMoonDayOfTheSolstice) {
    // The solstice falls on the very day of a new moon: that day begins month 11.
    const std::vector<LunarMonth> months = numberLunarMonths(newMoonDays(16), termDays(30, 13));
    ASSERT_FALSE(months.empty());
    EXPECT_EQ(months.front().firstDay, 30);
    EXPECT_EQ(months.front().number, 11);
}

TEST(CalendarRule, PassesOverASolsticeWithoutAnEarlierNewMoon) {
    std::vector<TermDay> terms = termDays(5, 13);
    terms.insert(terms.begin(), {-360, 270});
    EXPECT_EQ(numberLunarMonths(newMoonDays(16), terms).size(), 12u);
    EXPECT_TRUE(numberLunarMonths({}, terms).empty());
}

} // namespace
} // namespace guheng::yearrows
