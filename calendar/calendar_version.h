// The identity of the calendar library: its version, product and internal name, the same in
// the library's version record, its registration and its About box.
#pragma once

#include <string_view>

namespace guheng::calendar {

inline constexpr int VersionMajor = 1;
inline constexpr int VersionMinor = 0;
inline constexpr int VersionBuild = 0;
inline constexpr int VersionRevision = 10;

inline constexpr std::u16string_view ProductName = u"星台";
inline constexpr std::string_view InternalName = "calendar";
// The About box title shows the version as major.minor.revision.
inline constexpr std::u16string_view AboutTitle = u"星台 1.0.10";

} // namespace guheng::calendar
