// The rows as the calendar reads them: the calendar's telling rows verbatim, the row format, and the
// structure a reader relies on (field 13 = next row's field 1, leap months as a repeated number).
#include "julian_day.h"
#include "month_starts.h"
#include "year_row_format.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace guheng::yearrows {
namespace {

constexpr int firstYear = 1920;
constexpr int lastYear = 2031;

const YearRows& rows1920To2031() {
    static const YearRows rows = makeYearRows(firstYear, lastYear);
    return rows;
}

std::vector<int> fieldsOf(const std::string& row) {
    std::vector<int> fields;
    std::istringstream stream(row);
    for (std::string field; std::getline(stream, field, ',');) {
        fields.push_back(std::stoi(field));
    }
    return fields;
}

struct RowCase {
    std::string what;
    int year;
    std::string row; // a prefix when `whole` is false
    bool whole;
};

TEST(YearRows, ReproduceTheTellingRows) {
    const std::vector<RowCase> cases = {
        {"first row", 1920, "1111,1212,111,213", false},
        {"tail length 29 for September", 1921, "1123,1224,122,223,324,425,526,628,729,901,1002,1103,1204,29",
         true},
        {"leap month 6", 1941, "1204,106,204,305,406,507,607,609,710,811,913,1013,1115", true},
        {"leap month 10, tail length for March", 1984,
         "1129,1230,129,301,401,502,603,705,806,907,1009,1009,1111,29", true},
        {"leap month 4", 2001, "1207,109,207,308,409,410,511,612,714,815,916,1017,1118", true},
        {"two tail lengths, January's first", 2003,
         "1129,101,129,230,401,502,602,704,805,906,1008,1108,1210,29,29", true},
        {"last row, leap month 3", 2031, "1208,110,209,310,310,412,512,614,715,815,917,1017,1119", true},
    };
    const YearRows& rows = rows1920To2031();
    ASSERT_TRUE(rows.error.empty()) << rows.error;
    ASSERT_EQ(rows.rows.size(), 112u);
    for (const RowCase& c : cases) {
        const std::string& row = rows.rows[c.year - firstYear];
        if (c.whole) {
            EXPECT_EQ(row, c.row) << c.what;
        } else {
            EXPECT_EQ(row.substr(0, c.row.size()), c.row) << c.what;
        }
    }
}

TEST(YearRows, HaveThirteenDayCodesThenAtMostTwoTailLengths) {
    const YearRows& rows = rows1920To2031();
    ASSERT_EQ(rows.rows.size(), 112u);
    for (std::size_t i = 0; i < rows.rows.size(); ++i) {
        const std::string& row = rows.rows[i];
        const std::vector<int> fields = fieldsOf(row);
        ASSERT_GE(fields.size(), 13u) << row;
        EXPECT_LE(fields.size(), 15u) << row;
        EXPECT_NE(row.back(), ',') << row;
        for (std::size_t f = 0; f < 13; ++f) {
            EXPECT_TRUE(fields[f] / 100 >= 1 && fields[f] / 100 <= 12 && fields[f] % 100 >= 1 &&
                        fields[f] % 100 <= 30)
                << row;
        }
        for (std::size_t f = 13; f < fields.size(); ++f) {
            EXPECT_TRUE(fields[f] == 29 || fields[f] == 30) << row;
        }
        if (i + 1 < rows.rows.size()) {
            EXPECT_EQ(fields[12], fieldsOf(rows.rows[i + 1])[0]) << "field 13 of " << firstYear + i;
        }
    }
}

// Day code of every 1st from January 1920 to January 2032, in order, as the rows give them.
std::vector<std::pair<long, int>> firstsOfMonths(const std::vector<std::string>& rows) {
    std::vector<std::pair<long, int>> firsts;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<int> fields = fieldsOf(rows[i]);
        const int year = firstYear + static_cast<int>(i);
        const std::size_t count = i + 1 == rows.size() ? 13 : 12;
        for (std::size_t f = 0; f < count; ++f) {
            const CivilDate date =
                f == 12 ? CivilDate{year + 1, 1, 1} : CivilDate{year, static_cast<int>(f) + 1, 1};
            firsts.emplace_back(dayNumberFromCivil(date), fields[f]);
        }
    }
    return firsts;
}

TEST(YearRows, ShowEveryLeapMonthAsARepeatedMonthNumber) {
    const std::vector<std::pair<long, int>> firsts = firstsOfMonths(rows1920To2031().rows);
    const std::vector<LunarMonthStart> starts = lunarMonthStarts(firstYear, lastYear);
    int leapMonths = 0;
    for (std::size_t i = 1; i + 1 < starts.size(); ++i) {
        if (!starts[i].leap) {
            continue;
        }
        ++leapMonths;
        const long leapBegins = dayNumberFromCivil({starts[i].year, starts[i].month, starts[i].day});
        const long leapEnds =
            dayNumberFromCivil({starts[i + 1].year, starts[i + 1].month, starts[i + 1].day});
        std::size_t k = 0;
        while (k < firsts.size() && firsts[k].first < leapBegins) {
            ++k;
        }
        const std::string where = std::to_string(starts[i].year) + "-" + std::to_string(starts[i].month);
        ASSERT_TRUE(k > 0 && k < firsts.size() && firsts[k].first < leapEnds)
            << "no 1st in the leap month " << where;
        EXPECT_EQ(firsts[k].second / 100, starts[i].lunarMonth) << where;
        EXPECT_EQ(firsts[k - 1].second / 100, starts[i].lunarMonth) << where;
    }
    EXPECT_GT(leapMonths, 0);
}

TEST(YearRows, RefuseRangesWithoutLunarMonths) {
    const YearRows rows = makeYearRows(2031, 1920);
    EXPECT_TRUE(rows.rows.empty());
    EXPECT_FALSE(rows.error.empty());
}

TEST(YearRowsHeader, CarriesTheRowsAsConstexprData) {
    const std::string header = yearRowsHeader({"1111,1212", "1123,1224,29"});
    EXPECT_NE(header.find("Generated by tools/yearrows; do not edit by hand."), std::string::npos);
    EXPECT_NE(header.find("namespace guheng::calendar {"), std::string::npos);
    EXPECT_NE(header.find("inline constexpr std::array<std::string_view, 2> YearRows{\n"
                          "    \"1111,1212\",\n"
                          "    \"1123,1224,29\",\n"
                          "};\n"),
              std::string::npos);
}

} // namespace
} // namespace guheng::yearrows
