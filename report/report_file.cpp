#include "report_file.h"

#include "report/gbk_text.h"

namespace guheng::report {

std::string reportFileBytes(const std::vector<std::u16string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += encodeGbk(line);
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<FileError> writeReportFile(const std::string& path, const std::vector<std::u16string>& lines) {
    return replaceFileContent(path, reportFileBytes(lines));
}

std::string withReportExtension(std::string fileName) {
    if (!fileName.ends_with(".txt"))
        fileName += ".txt";
    return fileName;
}

} // namespace guheng::report
