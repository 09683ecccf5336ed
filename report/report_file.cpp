#include "report_file.h"

#include "report/gbk_text.h"

namespace guheng::report {

std::string reportFileBytes(const std::vector<std::u16string>& lines) {
    // Encoded as one text, so the converters are opened once per file rather than once per line.
    std::u16string text;
    for (const auto& line : lines) {
        text += line;
        text += u"\r\n";
    }
    return encodeGbk(text);
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
