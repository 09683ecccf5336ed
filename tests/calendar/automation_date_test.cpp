// Automation date <-> civil date: known anchors, time of day, the range ends and values that are no date.
#include "automation/automation_date.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using guheng::automation::CivilDate;
using guheng::automation::civilDateOf;
using guheng::automation::daySerialOf;
using guheng::automation::isValidCivilDate;

struct AnchorCase {
    const char* name;
    CivilDate civil;
    std::int32_t serial;
};

const AnchorCase anchors[] = {
    {"day 0", {1899, 12, 30}, 0},
    {"day 1", {1899, 12, 31}, 1},
    {"1 January 1900", {1900, 1, 1}, 2},
    {"1 March 1900, after the missing 29 February", {1900, 3, 1}, 61},
    {"1 October 1949", {1949, 10, 1}, 18172},
    {"1 February 2001", {2001, 2, 1}, 36923},
    {"29 February 2000", {2000, 2, 29}, 36585},
    {"first automation date", {100, 1, 1}, -657434},
    {"last automation date", {9999, 12, 31}, 2958465},
};

TEST(AutomationDate, AnchorsConvertBothWays) {
    for (const auto& c : anchors) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(daySerialOf(c.civil), c.serial);
        EXPECT_EQ(civilDateOf(c.serial), c.civil);
    }
}

TEST(AutomationDate, TimeOfDayIsIgnoredAndNegativeDatesTruncateTowardZero) {
    struct Case {
        const char* name;
        double date;
        CivilDate civil;
    };
    const Case cases[] = {
        {"noon of 1 January 1900", 2.5, {1900, 1, 1}},
        {"last moment of 1 January 1900", 2.999999, {1900, 1, 1}},
        {"noon of day 0 written as -0.5", -0.5, {1899, 12, 30}},
        {"06:00 of 29 December 1899", -1.25, {1899, 12, 29}},
        {"late on 1 January 100", -657434.9, {100, 1, 1}},
        {"late on 31 December 9999", 2958465.99, {9999, 12, 31}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(civilDateOf(c.date), c.civil);
    }
}

TEST(AutomationDate, ValuesThatAreNoDateGiveNothing) {
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {std::nan(""),
                             inf,
                             -inf,
                             -657435.0,
                             2958466.0,
                             1e300,
                             -1e300,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::lowest()};
    for (double v : values) {
        SCOPED_TRACE(v);
        EXPECT_FALSE(daySerialOf(v).has_value());
        EXPECT_FALSE(civilDateOf(v).has_value());
    }
}

TEST(AutomationDate, CivilValidity) {
    struct Case {
        CivilDate civil;
        bool valid;
    };
    const Case cases[] = {
        {{2000, 2, 29}, true},  {{1900, 2, 29}, false}, {{2004, 2, 29}, true},  {{2001, 2, 29}, false},
        {{2001, 4, 31}, false}, {{2001, 12, 31}, true}, {{2001, 13, 1}, false}, {{2001, 0, 1}, false},
        {{2001, 1, 0}, false},  {{99, 12, 31}, false},  {{10000, 1, 1}, false}, {{-2001, 1, 1}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.civil.year << '-' << c.civil.month << '-' << c.civil.day);
        EXPECT_EQ(isValidCivilDate(c.civil), c.valid);
        EXPECT_EQ(daySerialOf(c.civil).has_value(), c.valid);
    }
}

TEST(AutomationDate, EveryDayOfTheRangeRoundTrips) {
    for (std::int32_t serial = guheng::automation::FirstDaySerial;
         serial <= guheng::automation::LastDaySerial; ++serial) {
        const auto civil = civilDateOf(serial);
        ASSERT_TRUE(civil.has_value()) << serial;
        ASSERT_EQ(daySerialOf(*civil), serial);
    }
}

} // namespace
