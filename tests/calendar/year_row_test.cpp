// Filling a Gregorian month from one year row: the four fill cases in their order, tail lengths read from
// the row's end, trailing commas, and rows that do not follow the row format.
#include "calendar/year_row.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using guheng::calendar::FillCase;
using guheng::calendar::fillCaseOf;
using guheng::calendar::fillMonthDayCodes;
using guheng::calendar::MonthDayCodes;
using guheng::calendar::readTailLength;
using guheng::calendar::readYearRow;

constexpr std::string_view Row1921 = "1123,1224,122,223,324,425,526,628,729,901,1002,1103,1204,29";
constexpr std::string_view Row1941 = "1204,106,204,305,406,507,607,609,710,811,913,1013,1115,";
constexpr std::string_view Row1984 = "1129,1230,129,301,401,502,603,705,806,907,1009,1009,1111,29";
constexpr std::string_view Row2001 = "1207,109,207,308,409,410,511,612,714,815,916,1017,1118,";
constexpr std::string_view Row2003 = "1129,101,129,230,401,502,602,704,805,906,1008,1108,1210,29,29";
constexpr std::string_view Row2031 = "1208,110,209,310,310,412,512,614,715,815,917,1017,1119";
// Made up: the one fill case with fixed day numbers needs a 31-day month whose 1st ends a lunar month and
// whose 31st starts the lunar month after next; no row of 1920..2031 has one.
constexpr std::string_view RowWithDay31Changes = "1130,102,201,301,401,501,601,701,801,901,1001,1230,202";

struct MonthCase {
    const char* name;
    std::string_view row;
    int month;
    int daysInMonth;
    FillCase fillCase;
    std::vector<std::pair<int, int>> dayAndCode;
};

const MonthCase monthCases[] = {
    {"February 2001",
     Row2001,
     2,
     28,
     FillCase::OneChange,
     {{1, 109}, {22, 130}, {23, 201}, {24, 202}, {28, 206}}},
    {"into leap month 6: July 1941",
     Row1941,
     7,
     31,
     FillCase::OneChange,
     {{1, 607}, {23, 629}, {24, 601}, {31, 608}}},
    {"month 12 to month 1: January 2001",
     Row2001,
     1,
     31,
     FillCase::OneChange,
     {{1, 1207}, {23, 1229}, {24, 101}, {31, 108}}},
    {"into leap month 10: November 1984",
     Row1984,
     11,
     30,
     FillCase::OneChange,
     {{1, 1009}, {22, 1030}, {23, 1001}, {30, 1008}}},
    {"into leap month 3: April 2031",
     Row2031,
     4,
     30,
     FillCase::OneChange,
     {{1, 310}, {21, 330}, {22, 301}, {30, 309}}},
    {"February 2003", Row2003, 2, 28, FillCase::NoChange, {{1, 101}, {28, 128}}},
    {"January 2003, first of two tail lengths",
     Row2003,
     1,
     31,
     FillCase::TwoChangesNextMonthOnFollowingFirst,
     {{1, 1129}, {2, 1130}, {3, 1201}, {31, 1229}}},
    {"April 2003, second of two tail lengths",
     Row2003,
     4,
     30,
     FillCase::TwoChangesNextMonthOnFollowingFirst,
     {{1, 230}, {2, 301}, {30, 329}}},
    {"September 1921, single tail length",
     Row1921,
     9,
     30,
     FillCase::TwoChangesNextMonthOnFollowingFirst,
     {{1, 729}, {2, 801}, {30, 829}}},
    {"March 1984, single tail length",
     Row1984,
     3,
     31,
     FillCase::TwoChangesNextMonthOnFollowingFirst,
     {{1, 129}, {2, 130}, {3, 201}, {31, 229}}},
    {"month 11 ends on the 1st, month 1 starts on the 31st",
     RowWithDay31Changes,
     1,
     31,
     FillCase::TwoChangesNextMonthOnDay31,
     {{1, 1130}, {2, 1201}, {30, 1229}, {31, 101}}},
    {"middle month wraps from 12 to 1",
     RowWithDay31Changes,
     12,
     31,
     FillCase::TwoChangesNextMonthOnDay31,
     {{1, 1230}, {2, 101}, {30, 129}, {31, 201}}},
    {"December reads field 13 before the trailing comma: December 1941",
     Row1941,
     12,
     31,
     FillCase::OneChange,
     {{1, 1013}, {17, 1029}, {18, 1101}, {31, 1114}}},
    {"December reads field 13 at the end of the row: December 2031",
     Row2031,
     12,
     31,
     FillCase::OneChange,
     {{1, 1017}, {13, 1029}, {14, 1101}, {31, 1118}}},
    {"December reads field 13 before a tail length: December 1921",
     Row1921,
     12,
     31,
     FillCase::OneChange,
     {{1, 1103}, {28, 1130}, {29, 1201}, {31, 1203}}},
    {"a following 1st on day 0 keeps the whole month in one lunar month",
     "1,1200,1300,4,5,6,7,8,9,10,11,12,13",
     2,
     28,
     FillCase::OneChange,
     {{1, 1200}, {28, 1227}}},
    {"a following 1st beyond the month's end still writes only the month's days",
     "1,1200,1340,4,5,6,7,8,9,10,11,12,13",
     2,
     28,
     FillCase::OneChange,
     {}},
};

TEST(YearRow, MonthCases) {
    for (const auto& c : monthCases) {
        SCOPED_TRACE(c.name);
        const auto anchors = readYearRow(c.row);
        ASSERT_TRUE(anchors.has_value());
        EXPECT_EQ(fillCaseOf((*anchors)[c.month - 1]), c.fillCase);
        MonthDayCodes codes;
        codes.fill(-1);
        ASSERT_TRUE(fillMonthDayCodes(c.row, c.month, c.daysInMonth, codes));
        for (const auto& [day, code] : c.dayAndCode)
            EXPECT_EQ(codes[day], code) << "day " << day;
        // Only days 1..daysInMonth are written.
        EXPECT_EQ(codes[0], -1);
        for (int day = c.daysInMonth + 1; day <= 31; ++day)
            EXPECT_EQ(codes[day], -1) << "day " << day;
    }
}

TEST(YearRow, TrailingCommaChangesNoMonth) {
    // 1941, 2001 and 2031 are common years.
    constexpr int monthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const std::string_view rows[] = {Row1941, Row2001, Row2031};
    for (std::string_view row : rows) {
        const std::string bare(row.ends_with(',') ? row.substr(0, row.size() - 1) : row);
        const std::string withComma = bare + ",";
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(testing::Message() << bare << " month " << month);
            MonthDayCodes fromBare{};
            MonthDayCodes fromComma{};
            ASSERT_TRUE(fillMonthDayCodes(bare, month, monthLengths[month - 1], fromBare));
            ASSERT_TRUE(fillMonthDayCodes(withComma, month, monthLengths[month - 1], fromComma));
            EXPECT_EQ(fromBare, fromComma);
        }
    }
}

TEST(YearRow, TailLengths) {
    constexpr std::string_view twoDifferent = "1129,101,129,230,401,502,602,704,805,906,1008,1108,1210,29,30";
    struct Case {
        const char* name;
        std::string_view row;
        int month;
        std::optional<int> length;
    };
    const Case cases[] = {
        {"2003, January takes the first of two", Row2003, 1, 29},
        {"2003, April takes the last", Row2003, 4, 29},
        {"two different lengths, January", twoDifferent, 1, 29},
        {"two different lengths, April", twoDifferent, 4, 30},
        {"one length serves January", Row1921, 1, 29},
        {"one length serves September", Row1921, 9, 29},
        {"a length of 30", "1123,1224,122,223,324,425,526,628,729,901,1002,1103,1204,30", 9, 30},
        {"no tail: field 13 is no length", Row2031, 9, std::nullopt},
        {"no tail but a trailing comma", Row2001, 1, std::nullopt},
        {"field 13 ending in 29 is no length", "1,2,3,4,5,6,7,8,9,10,11,12,1129", 1, std::nullopt},
        {"a length other than 29 or 30", "1,2,3,4,5,6,7,8,9,10,11,12,13,28", 1, std::nullopt},
        {"empty row", "", 1, std::nullopt},
        {"two characters", "29", 1, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readTailLength(c.row, c.month), c.length);
    }
}

TEST(YearRow, RowsThatCannotFillTheMonthWriteNothing) {
    struct Case {
        const char* name;
        std::string_view row;
        int month;
        int daysInMonth;
    };
    const Case cases[] = {
        {"two-change month without a tail length", "1129,101,129,230,401,502,602,704,805,906,1008,1108,1210",
         1, 31},
        {"tail length followed by a comma", "1129,101,129,230,401,502,602,704,805,906,1008,1108,1210,29,", 1,
         31},
        {"three tail lengths", "1129,101,129,230,401,502,602,704,805,906,1008,1108,1210,29,29,29", 1, 31},
        {"text after field 13", "1207,109,207,308,409,410,511,612,714,815,916,1017,1118,abc", 1, 31},
        {"December without field 13", "1207,109,207,308,409,410,511,612,714,815,916,1017", 12, 31},
        {"December with an empty field 13", "1207,109,207,308,409,410,511,612,714,815,916,1017,", 12, 31},
        {"field that is not a number", "1207,1x9,207,308,409,410,511,612,714,815,916,1017,1118", 1, 31},
        {"a bad field in another month", "1207,109,207,308,409,410,511,612,7 4,815,916,1017,1118", 1, 31},
        {"negative field", "1207,-109,207,308,409,410,511,612,714,815,916,1017,1118", 1, 31},
        {"field too long to be a day code", "1207,99999,207,308,409,410,511,612,714,815,916,1017,1118", 1,
         31},
        {"empty row", "", 1, 31},
        {"month 0", Row2001, 0, 31},
        {"month 13", Row2001, 13, 31},
        {"more than 31 days", Row2001, 1, 32},
        {"no days", Row2001, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MonthDayCodes untouched;
        untouched.fill(-1);
        MonthDayCodes codes = untouched;
        EXPECT_FALSE(fillMonthDayCodes(c.row, c.month, c.daysInMonth, codes));
        EXPECT_EQ(codes, untouched);
    }
}

} // namespace
