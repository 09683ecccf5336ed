// The saved report file: every line followed by CR LF, text in GBK (see gbk_text.h), no byte-order mark.
// Writing replaces the file as a whole or leaves it untouched; a failure comes back with its reason.
#pragma once

#include "report/atomic_file.h"

#include <optional>
#include <string>
#include <vector>

namespace guheng::report {

std::string reportFileBytes(const std::vector<std::u16string>& lines);

std::optional<FileError> writeReportFile(const std::string& path, const std::vector<std::u16string>& lines);

// The name the Save command writes to: ".txt" is appended unless the name ends in exactly ".txt".
std::string withReportExtension(std::string fileName);

} // namespace guheng::report
