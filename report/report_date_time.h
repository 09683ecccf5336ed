// The date-time line of the report, as the Simplified Chinese regional defaults write a date-time value:
// short date y/M/d, a space, time H:mm:ss; only the date when the time is exactly midnight.
#pragma once

#include <string>

namespace guheng::report {

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

std::u16string reportDateTime(const LocalDateTime& value);

// The clock's local time, to the second.
LocalDateTime currentLocalDateTime();

} // namespace guheng::report
