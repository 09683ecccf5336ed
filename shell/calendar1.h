// Calendar1, the one Calendar control on the main window, created through the
// control hosting from what Form1's stored form keeps for it: the class it names
// and its property bag ("DateNow" = 1 February 2001). A failure comes back as a
// sentence the user can read, naming the class and the reason.
#pragma once

#include "automation/hosting.h"

#include <QString>
#include <string>
#include <variant>

namespace guheng::shell {

struct StoredCalendar {
    std::u16string className;
    double DateNow = 0;
};

// What Form1's stored form holds for Calendar1.
StoredCalendar storedCalendar1();

// The hosted control, or the reason it could not be created.
std::variant<automation::HostedControl, QString> createCalendar1(const StoredCalendar& stored);

} // namespace guheng::shell
