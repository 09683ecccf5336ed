// Julian day numbers of Gregorian civil dates and back. Exact for every proleptic Gregorian date
// that fits in an int; a day number names the civil day that begins at its midnight.
#pragma once

namespace guheng::yearrows {

struct CivilDate {
    int year;
    int month;
    int day;
};

// Julian day number of the civil date (2000-01-01 is 2451545).
constexpr long dayNumberFromCivil(CivilDate date) {
    // Counting years from March puts the leap day at the end of the year.
    const long year = date.month <= 2 ? date.year - 1 : date.year;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long monthFromMarch = (date.month + 9) % 12;
    const long dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra + 1721120;
}

constexpr CivilDate civilFromDayNumber(long dayNumber) {
    const long days = dayNumber - 1721120;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

static_assert(dayNumberFromCivil({2000, 1, 1}) == 2451545);
static_assert(dayNumberFromCivil({1582, 10, 15}) == 2299161);
static_assert(civilFromDayNumber(2451545).year == 2000);
static_assert(civilFromDayNumber(2451604).month == 2 && civilFromDayNumber(2451604).day == 29);

} // namespace guheng::yearrows
