// The version of the calendar library, the same in its version record and its About box.
#pragma once

#include <string_view>

namespace guheng::calendar {

inline constexpr int VersionMajor = 1;
inline constexpr int VersionMinor = 0;
inline constexpr int VersionBuild = 0;
inline constexpr int VersionRevision = 10;
// The About box title shows the version as major.minor.revision.
inline constexpr std::u16string_view AboutTitle = u"星台 1.0.10";

} // namespace guheng::calendar
