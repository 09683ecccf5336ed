// The worked example's saved report as tests/report/fixtures holds it (REPORT_FIXTURES names that folder).
#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace reporttest {

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::string workedExampleReport() {
    std::string report = readFile(std::filesystem::path(REPORT_FIXTURES) / "worked_example_report.txt");
    EXPECT_FALSE(report.empty()) << "fixture missing";
    return report;
}

// The report up to its last line, the date and time of the save, which differs with every save.
inline std::string workedExampleReportBody() {
    const std::string report = workedExampleReport();
    return report.substr(0, report.rfind("\r\n", report.size() - 3) + 2);
}

} // namespace reporttest
