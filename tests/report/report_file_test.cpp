// Writing the report file: whole replacement, and failures that name their reason and keep the old file.
#include "report/report_date_time.h"
#include "report/report_file.h"
#include "report/report_lines.h"
#include "report_fixture.h"
#include "sample_report_texts.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sys/resource.h>
#include <unistd.h>

namespace guheng::report {
namespace {

namespace fs = std::filesystem;
using reporttest::readFile;

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class ReportFileWriting : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() / ("guheng-report-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    std::vector<fs::path> folderEntries() const {
        std::vector<fs::path> entries;
        for (const auto& entry : fs::directory_iterator(folder))
            entries.push_back(entry.path().filename());
        return entries;
    }
    // Permission bits do not stop root; this tells whether they stop us.
    bool canStillWriteInto(const fs::path& readOnlyFolder) const {
        const auto probe = readOnlyFolder / "probe";
        const bool created = static_cast<bool>(std::ofstream(probe));
        fs::remove(probe);
        return created;
    }
    // Writing over a file holding "old" that permission bits guard: refused, the old content kept.
    void expectAccessRefused(const fs::path& path) const {
        const auto error = writeReportFile(path, {u"Guheng"});
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->code, EACCES);
        EXPECT_EQ(readFile(path), "old");
    }
    fs::path folder;
};

TEST_F(ReportFileWriting, WrittenFileIsTheFixtureUpToTheDateTimeLine) {
    const auto path = folder / "Guheng.txt";
    ASSERT_EQ(writeReportFile(path, savedReportLines(reporttest::workedExampleTexts(),
                                                     reportDateTime(currentLocalDateTime()))),
              std::nullopt);

    const std::string written = readFile(path);
    const std::string body = reporttest::workedExampleReportBody();
    ASSERT_GE(written.size(), body.size());
    EXPECT_EQ(written.substr(0, body.size()), body);
    EXPECT_TRUE(std::regex_match(written.substr(body.size()),
                                 std::regex(R"(\d{4}/\d{1,2}/\d{1,2}( \d{1,2}:\d\d:\d\d)?\r\n)")))
        << written.substr(body.size());
    EXPECT_EQ(folderEntries(), std::vector<fs::path>{"Guheng.txt"}) << "no temporary file stays behind";
}

TEST_F(ReportFileWriting, ReplacesAnExistingFileCompletely) {
    const auto path = folder / "Guheng.txt";
    writeFile(path, std::string(5000, 'x'));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(writeReportFile(path, {u"Guheng", u""}), std::nullopt);
    EXPECT_EQ(readFile(path), "Guheng\r\n\r\n");
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
        << "a replaced file keeps its permissions";
    EXPECT_EQ(folderEntries().size(), 1u);
}

TEST_F(ReportFileWriting, FollowsALinkAndReplacesTheFileItNames) {
    const auto target = folder / "real.txt";
    const auto link = folder / "link.txt";
    writeFile(target, "old");
    fs::create_symlink(target, link);
    ASSERT_EQ(writeReportFile(link, {u"Guheng"}), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(target), "Guheng\r\n");
}

// The temporary file must fit the file system's name limit whenever the target's name does.
TEST_F(ReportFileWriting, TheLongestNameTheFileSystemTakesCanBeWritten) {
    const auto longest = static_cast<std::size_t>(::pathconf(folder.c_str(), _PC_NAME_MAX));
    const auto path = folder / (std::string(longest - 4, 'a') + ".txt");
    // Written new, then replaced.
    const std::pair<std::u16string, std::string> saves[] = {{u"new", "new\r\n"},
                                                            {u"replaced", "replaced\r\n"}};
    for (const auto& [line, bytes] : saves) {
        const auto error = writeReportFile(path, {line});
        ASSERT_EQ(error, std::nullopt) << error->reason;
        EXPECT_EQ(readFile(path), bytes);
        EXPECT_EQ(folderEntries().size(), 1u);
    }
}

struct FailureCase {
    const char* what;
    std::string relativePath; // inside the test folder
    int code;
};

TEST_F(ReportFileWriting, PathsThatCannotBeWrittenGiveTheirReason) {
    fs::create_directory(folder / "Guheng.txt");
    writeFile(folder / "plain", "old");
    const FailureCase cases[] = {
        {"folder does not exist", "missing/Guheng.txt", ENOENT},
        {"name is a folder", "Guheng.txt", EISDIR},
        {"a file stands where a folder should be", "plain/Guheng.txt", ENOTDIR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto path = folder / c.relativePath;
        const auto error = writeReportFile(path, {u"Guheng"});
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->code, c.code);
        EXPECT_NE(error->reason.find(folder.string()), std::string::npos) << error->reason;
    }
    EXPECT_TRUE(fs::is_directory(folder / "Guheng.txt"));
    EXPECT_EQ(readFile(folder / "plain"), "old");
    EXPECT_EQ(folderEntries().size(), 2u);
    EXPECT_TRUE(writeReportFile("", {u"Guheng"}).has_value());
}

constexpr char rootSkip[] =
    "permission bits do not stop this user (root); the other failure tests cover the path";

TEST_F(ReportFileWriting, ReadOnlyFolderKeepsTheOldFile) {
    const auto path = folder / "Guheng.txt";
    writeFile(path, "old");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (canStillWriteInto(folder))
        GTEST_SKIP() << rootSkip;
    expectAccessRefused(path);
}

TEST_F(ReportFileWriting, ReadOnlyFileIsNotReplaced) {
    const auto path = folder / "Guheng.txt";
    writeFile(path, "old");
    fs::permissions(path, fs::perms::owner_read);
    if (static_cast<bool>(std::ofstream(path, std::ios::app)))
        GTEST_SKIP() << rootSkip;
    expectAccessRefused(path);
    EXPECT_EQ(folderEntries().size(), 1u);
}

// A file size limit stops writes part-way for every user, root included, as a full disk would.
TEST_F(ReportFileWriting, FailedWriteLeavesTheOldFileAndNoTemporary) {
    const auto path = folder / "Guheng.txt";
    writeFile(path, "old");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = writeReportFile(path, {u"Guheng", u"称骨重量：五两九钱"});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EFBIG);
    EXPECT_NE(error->reason.find("cannot write"), std::string::npos) << error->reason;
    EXPECT_EQ(readFile(path), "old");
    EXPECT_EQ(folderEntries(), std::vector<fs::path>{"Guheng.txt"});
}

struct ExtensionCase {
    std::string typed, written;
};

TEST(ReportFileName, TxtIsAppendedUnlessTheNameEndsInExactlyTxt) {
    const ExtensionCase cases[] = {
        {"Guheng.txt", "Guheng.txt"},
        {"abc", "abc.txt"},
        {"abc.TXT", "abc.TXT.txt"},
        {"abc.doc", "abc.doc.txt"},
        {"/tmp/a b/报告", "/tmp/a b/报告.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withReportExtension(c.typed), c.written);
}

} // namespace
} // namespace guheng::report
