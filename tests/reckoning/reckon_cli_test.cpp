// guheng-cli reckon as a script sees it: standard output, standard error, exit code and the report file.
#include "report_fixture.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using reporttest::readFile;

struct CliRun {
    int exitCode = -1;
    std::string out, err;
};

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class ReckonCli : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() / ("guheng-cli-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    CliRun run(const std::vector<std::string>& args, const std::string& input = "") {
        std::ofstream(folder / "in", std::ios::binary) << input;
        std::string command = shellQuoted(GUHENG_CLI) + " reckon";
        for (const auto& arg : args)
            command += " " + shellQuoted(arg);
        command += " <" + shellQuoted(folder / "in") + " >" + shellQuoted(folder / "out") + " 2>" +
                   shellQuoted(folder / "err");
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(folder / "out"),
                readFile(folder / "err")};
    }
    fs::path folder;
};

const std::string workedExampleJson =
    R"({"animal":"兔","eight_characters":"己卯丙子戊午壬子","pillars":"己卯年丙子月戊午日壬子时",)"
    R"("lunar_date":"即冬月廿五日","weight":"五两九钱","first_couplet":"细推此格秀而清，必定才高学业成。",)"
    R"("second_couplet":"甲第之中应有分，扬鞭走马显威荣。","suiyang":"屠维","suiyin":"单阏　","total":59})"
    "\n";

struct CliCase {
    const char* what;
    std::vector<std::string> args;
    int exitCode;
    std::string out, err;
};

TEST_F(ReckonCli, OneCase) {
    const CliCase cases[] = {
        {"json result", {"--json", "张三", "2000", "1", "1", "0"}, 0, workedExampleJson, ""},
        {"json rejection",
         {"--json", "", "2000", "1", "1", "0"},
         2,
         "{\"rejected\":\"Text6\",\"message\":\"您的姓名还没有填啊！\"}\n",
         ""},
        {"rejection message on standard error",
         {"张三", "2000", "13", "1", "0"},
         2,
         "",
         "小墨好像记得没有13月份的呐……\n"},
        {"month text echoed and escaped",
         {"--json", "张三", "2000", "\"\\\x01", "1", "0"},
         2,
         R"({"rejected":"Text2","message":"小墨好像记得没有\"\\\u0001月份的呐……"})"
         "\n",
         ""},
        {"texts after -- may look like options",
         {"--json", "--", "--json", "2000", "1", "1", "0"},
         0,
         workedExampleJson,
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto result = run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
    }
}

TEST_F(ReckonCli, BadArgumentsExitWithOne) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"张三", "2000", "1", "1"},
        {"张三", "2000", "1", "1", "0", "extra"},
        {"--report"},
        {"--unknown", "张三", "2000", "1", "1", "0"},
        {"--report", "x", "-"},
        {"\xff", "2000", "1", "1", "0"},
    };
    for (const auto& args : cases) {
        const auto result = run(args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err, "");
    }
}

TEST_F(ReckonCli, PrintsTheReportLines) {
    const auto result = run({"张三", "2000", "1", "1", "0"});
    EXPECT_EQ(result.exitCode, 0);
    const auto dateLine = result.out.rfind('\n', result.out.size() - 2) + 1;
    EXPECT_EQ(result.out.substr(0, dateLine),
              "Guheng\n\n姓名：张三\n属相：兔\n公历出生日期：2000年1月1日 0点\n"
              "农历出生日期：己卯年丙子月戊午日壬子时[即冬月廿五日]\n称骨重量：五两九钱\n"
              "称骨命运：细推此格秀而清，必定才高学业成。\n"
              "　　　　　甲第之中应有分，扬鞭走马显威荣。\n"
              "出生太岁：[岁阳]屠维　[岁阴]单阏　\n\n");
}

TEST_F(ReckonCli, ReportFileIsWrittenAsSaveWritesIt) {
    const auto result = run({"--report", (folder / "报告").string(), "张三", "2000", "1", "1", "0"});
    EXPECT_EQ(result.exitCode, 0);
    const std::string written = readFile(folder / "报告.txt");
    const std::string body = reporttest::workedExampleReportBody();
    EXPECT_EQ(written.substr(0, body.size()), body);
    EXPECT_TRUE(written.ends_with("\r\n"));

    const auto failed =
        run({"--report", (folder / "missing" / "x.txt").string(), "张三", "2000", "1", "1", "0"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("No such file or directory"), std::string::npos) << failed.err;
}

TEST_F(ReckonCli, BatchAnswersEveryLineInOrder) {
    const std::string input = "张三\t2000\t1\t1\t0\n"
                              "\t2000\t1\t1\t0\r\n"
                              "no tabs here\n"
                              "\n"
                              "张\t2000\t1\t1\t0\textra\n"
                              "\xff\t2000\t1\t1\t0\n"
                              "张三\t2001\t2\t29\t0\n"
                              "张三\t2000\t1\t1\t0";
    const auto result = run({"-"}, input);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, workedExampleJson +
                              "{\"rejected\":\"Text6\",\"message\":\"您的姓名还没有填啊！\"}\n"
                              "{\"error\":\"expected 5 tab-separated texts, found 1\"}\n"
                              "{\"error\":\"expected 5 tab-separated texts, found 1\"}\n"
                              "{\"error\":\"expected 5 tab-separated texts, found 6\"}\n"
                              "{\"error\":\"line is not valid UTF-8\"}\n"
                              "{\"rejected\":\"Text3\",\"message\":\"呵呵……日期写错了哦！\"}\n" +
                              workedExampleJson);
}

} // namespace
