// guheng-cli calendar as a user runs it: the lines it prints, dates from standard input, and bad
// arguments, which give one line on standard error, exit code 2 and nothing on standard output.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

CliRun runCli(const std::vector<std::string>& args, const std::string& input = "") {
    const std::string base =
        testing::TempDir() + "guheng_cli_" + testing::UnitTest::GetInstance()->current_test_info()->name();
    std::ofstream(base + ".in", std::ios::binary) << input;
    std::string command = "'" GUHENG_CLI "'";
    for (const auto& arg : args)
        command += " '" + arg + "'";
    command += " <'" + base + ".in' >'" + base + ".out' 2>'" + base + ".err'";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status)) << command;
    return {WEXITSTATUS(status), readFile(base + ".out"), readFile(base + ".err")};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

TEST(GuhengCli, WholeRangeByDefault) {
    const CliRun run = runCli({"calendar"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto printed = lines(run.out);
    // 112 years, 28 of them leap years.
    ASSERT_EQ(printed.size(), 112u * 365 + 28);
    EXPECT_EQ(printed.front(), "1920-01-01\t1111\t冬月十一\t己未年\t羊\t");
    EXPECT_EQ(printed.back(), "2031-12-31\t1118\t冬月十八\t辛亥年\t猪\t");
    for (const auto& line : printed)
        ASSERT_EQ(std::count(line.begin(), line.end(), '\t'), 5) << line;
}

TEST(GuhengCli, GivenRange) {
    const CliRun run = runCli({"calendar", "2001-02-03", "2001-02-05"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2001-02-03\t111\t正月十一\t辛巳年\t蛇\t\n"
                       "2001-02-04\t112\t正月十二\t辛巳年\t蛇\t立春\n"
                       "2001-02-05\t113\t正月十三\t辛巳年\t蛇\t\n");
}

TEST(GuhengCli, DatesFromStandardInput) {
    const CliRun run = runCli({"calendar", "-"}, "2032-01-01\r\n1920-02-20\n1919-12-31");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2032-01-01\t0\t\t壬子年\t鼠\t\n"
                       "1920-02-20\t101\t正月初一\t庚申年\t猴\t\n"
                       "1919-12-31\t0\t\t己未年\t羊\t\n");
}

TEST(GuhengCli, EmptyStandardInputPrintsNothing) {
    const CliRun run = runCli({"calendar", "-"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
}

TEST(GuhengCli, BadArguments) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string input;
    };
    const Case cases[] = {
        {"no mode", {}, ""},
        {"unknown mode", {"almanac"}, ""},
        {"one date only", {"calendar", "2001-02-01"}, ""},
        {"three arguments", {"calendar", "2001-02-01", "2001-02-02", "2001-02-03"}, ""},
        {"no such day", {"calendar", "2001-02-29", "2001-03-01"}, ""},
        {"bad TO", {"calendar", "2001-02-01", "2001-13-01"}, ""},
        {"digits missing", {"calendar", "2001-2-1", "2001-03-01"}, ""},
        {"sign in a field", {"calendar", "2001-+2-01", "2001-03-01"}, ""},
        {"before the automation date range", {"calendar", "0099-12-31", "0100-01-01"}, ""},
        {"FROM after TO", {"calendar", "2001-03-01", "2001-02-01"}, ""},
        {"bad line after good ones", {"calendar", "-"}, "2001-02-01\n2001-02-02\n2001-02-30\n"},
        {"empty line", {"calendar", "-"}, "2001-02-01\n\n2001-02-02\n"},
        {"trailing space", {"calendar", "-"}, "2001-02-01 \n"},
        {"line break inside an argument", {"calendar", "2001-02\n-01", "2001-03-01"}, ""},
        {"binary junk", {"calendar", "-"}, std::string("\x1b[2J\0\x7f", 6) + std::string(5000, 'x') + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.args, c.input);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.err.ends_with('\n')) << run.err;
    }
}

} // namespace
