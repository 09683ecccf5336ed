// The library's version record, the counterpart of a version resource: kept in a section of its
// own so it can be read without loading the library (readelf -p .guheng.version calendar.so).
#include "calendar/calendar_version.h"

namespace guheng::calendar {

static_assert(VersionMajor == 1 && VersionMinor == 0 && VersionBuild == 0 && VersionRevision == 10,
              "the record below spells the version out");

[[gnu::section(".guheng.version"), gnu::used]] constexpr char VersionRecord[] =
    "FileVersion=1.0.0.10\n"
    "ProductVersion=1.0.0.10\n"
    "ProductName=星台\n"
    "InternalName=calendar\n"
    "OriginalFilename=calendar.so\n"
    "OLESelfRegister\n";

} // namespace guheng::calendar
