// Printing the report for real: a private CUPS server with a printer that writes each job to a file,
// the document read back with pdftotext; and the errors when there is no printer or it refuses the job.
#include "private_cups_server.h"
#include "qstring_print.h"
#include "report/report_lines.h"
#include "report/report_printer.h"
#include "sample_report_texts.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

using namespace guheng::report;
using namespace Qt::StringLiterals;

namespace {

QStringList printedLines(const std::u16string& dateTime) {
    QStringList lines;
    for (const std::u16string& line : printedReportLines(reporttest::dragonYearTexts(), dateTime))
        lines.append(QString::fromStdU16String(line));
    return lines;
}

// The document's text lines as pdftotext reads them, blank lines left out.
QStringList textOfPdf(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {u"pdftotext failed: "_s + QString::fromLocal8Bit(pdftotext.readAllStandardError())};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n')) {
        const QString text = line.trimmed().remove(u'\f');
        if (!text.isEmpty())
            lines.append(text);
    }
    return lines;
}

// Left and top edge, in points, of each text line pdftotext finds, from the top of the page down.
std::vector<QPointF> lineCorners(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-bbox-layout"_s, path, u"-"_s});
    pdftotext.waitForFinished(30000);
    const QString xhtml = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression line(uR"re(<line xMin="([0-9.]+)" yMin="([0-9.]+)")re"_s);
    std::vector<QPointF> corners;
    for (const QRegularExpressionMatch& m : line.globalMatch(xhtml))
        corners.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    return corners;
}

int pagesOfPdf(const QString& path) {
    QProcess pdfinfo;
    pdfinfo.start(u"pdfinfo"_s, {path});
    pdfinfo.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(u"Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// The lines as pdftotext gives them back: blank lines left out, the ideographic space read as a plain one.
QStringList asReadBack(QStringList lines) {
    lines.removeAll(QString());
    for (QString& line : lines)
        line.replace(u'\u3000', u' ');
    return lines;
}

// Print jobs render in the temporary folder; each case gets its own to see that nothing stays behind.
class Printing : public testing::Test {
  protected:
    void SetUp() override {
        // The private print server's folder is made here, and its filters run as another user.
        QFile::setPermissions(temp.path(),
                              QFile::permissions(temp.path()) | QFile::ExeOther | QFile::ReadOther);
        qputenv("TMPDIR", temp.path().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("TMPDIR"); }
    QStringList leftovers() const { return QDir(temp.path()).entryList({u"guheng-print-*"_s}, QDir::Files); }
    QTemporaryDir temp;
};

TEST_F(Printing, TheDefaultPrinterGetsOneDocumentWithTheElevenLines) {
    PrivateCupsServer server(PrivateCupsServer::Queue::DefaultPrinter);
    if (!server.failure().isEmpty())
        GTEST_SKIP() << "no private CUPS server here: " << server.failure().toStdString();

    const QStringList lines = printedLines(u"2026/12/11 9:05:07");
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(reportPrinter().printLines(lines), std::nullopt);
    ASSERT_EQ(server.waitForCompletedJobs(1), 1) << server.errorLog();
    EXPECT_EQ(textOfPdf(server.outputFile()), asReadBack(lines));
    EXPECT_EQ(pagesOfPdf(server.outputFile()), 1);
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(u' ').toStdString();
}

// The test queue's printable area starts 18 pt from the left and 36 pt from the top of an A4 page.
TEST_F(Printing, LinesRunDownFromTheTopLeftOfThePrintableAreaAndEmptyLinesTakeTheirPlace) {
    PrivateCupsServer server(PrivateCupsServer::Queue::DefaultPrinter);
    if (!server.failure().isEmpty())
        GTEST_SKIP() << "no private CUPS server here: " << server.failure().toStdString();

    EXPECT_EQ(reportPrinter().printLines(printedLines(u"2026/12/11 9:05:07")), std::nullopt);
    ASSERT_EQ(server.waitForCompletedJobs(1), 1) << server.errorLog();
    const std::vector<QPointF> corners = lineCorners(server.outputFile());
    ASSERT_EQ(corners.size(), 9u); // eleven lines, two of them empty
    EXPECT_NEAR(corners[0].x(), 18, 1);
    EXPECT_NEAR(corners[0].y(), 36, 3);
    const double pitch = corners[2].y() - corners[1].y();
    EXPECT_GT(pitch, 5);
    for (std::size_t i = 1; i < corners.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(corners[i].x(), 18, 1);
        // Lines 2 and 10 are empty: a gap of two lines before 姓名 and before the date.
        const double lines = i == 1 || i == 8 ? 2 : 1;
        EXPECT_NEAR(corners[i].y() - corners[i - 1].y(), lines * pitch, 1);
    }
}

TEST_F(Printing, PrintingTwiceMakesTwoDocuments) {
    PrivateCupsServer server(PrivateCupsServer::Queue::DefaultPrinter);
    if (!server.failure().isEmpty())
        GTEST_SKIP() << "no private CUPS server here: " << server.failure().toStdString();

    const QStringList first = printedLines(u"2026/12/11 9:05:07");
    EXPECT_EQ(reportPrinter().printLines(first), std::nullopt);
    ASSERT_EQ(server.waitForCompletedJobs(1), 1) << server.errorLog();
    EXPECT_EQ(textOfPdf(server.outputFile()), asReadBack(first));

    const QStringList second = printedLines(u"2026/12/11 9:05:08");
    EXPECT_EQ(reportPrinter().printLines(second), std::nullopt);
    ASSERT_EQ(server.waitForCompletedJobs(2), 2) << server.errorLog();
    EXPECT_EQ(textOfPdf(server.outputFile()), asReadBack(second));
    EXPECT_EQ(pagesOfPdf(server.outputFile()), 1);
}

// A user's default may name an instance of the queue (lpoptions); the job still goes to the queue.
TEST_F(Printing, ADefaultInstanceOfTheQueuePrintsOnTheQueue) {
    // The print client reads HOME once, when this process first talks to a server.
    ASSERT_TRUE(QDir(temp.path()).mkpath(u".cups"_s));
    QFile options(temp.filePath(u".cups/lpoptions"_s));
    ASSERT_TRUE(options.open(QIODevice::WriteOnly));
    options.write("Default guheng-test/copy\n");
    options.close();
    qputenv("HOME", temp.path().toLocal8Bit());
    PrivateCupsServer server(PrivateCupsServer::Queue::DefaultPrinter);
    if (!server.failure().isEmpty())
        GTEST_SKIP() << "no private CUPS server here: " << server.failure().toStdString();
    if (QPrinterInfo::defaultPrinterName() != u"guheng-test/copy")
        GTEST_SKIP()
            << "the print client read HOME before this case; CTest runs each case in its own process";

    EXPECT_EQ(reportPrinter().printLines(printedLines(u"2026/12/11 9:05:07")), std::nullopt);
    EXPECT_EQ(server.waitForCompletedJobs(1), 1) << server.errorLog();
}

struct Failure {
    const char* name;
    PrivateCupsServer::Queue queue; // ignored when there is no server
    bool server;
    const char* reason;
};

const Failure failures[] = {
    {"no print server", PrivateCupsServer::Queue::None, false, "没有默认打印机"},
    {"a server without printers", PrivateCupsServer::Queue::None, true, "没有默认打印机"},
    {"the printer refuses the job", PrivateCupsServer::Queue::RefusingPrinter, true, "没有接受打印任务"},
};

TEST_F(Printing, AFailureComesBackWithItsReasonAndLeavesNothingOpen) {
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.name);
        std::optional<PrivateCupsServer> server;
        if (f.server) {
            server.emplace(f.queue);
            if (!server->failure().isEmpty())
                GTEST_SKIP() << "no private CUPS server here: " << server->failure().toStdString();
        } else {
            useNoPrintServer(temp);
        }
        const std::optional<QString> reason = reportPrinter().printLines(printedLines(u"2026/12/11 9:05:07"));
        ASSERT_TRUE(reason.has_value());
        EXPECT_TRUE(reason->contains(QString::fromUtf8(f.reason))) << reason->toStdString();
        if (server) {
            EXPECT_FALSE(QFile::exists(server->outputFile()));
        }
        EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(u' ').toStdString();
    }
}

// Where no CUPS server can run, the same drawing still reaches a PDF printer.
TEST_F(Printing, TheLinesDrawnOnAPdfPrinterReadBack) {
    const QString path = temp.filePath(u"report.pdf"_s);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QPainter painter;
    ASSERT_TRUE(painter.begin(&printer));
    const QStringList lines = printedLines(u"2026/12/11 9:05:07");
    drawReportLines(painter, lines);
    ASSERT_TRUE(painter.end());
    EXPECT_EQ(textOfPdf(path), asReadBack(lines));
    EXPECT_EQ(pagesOfPdf(path), 1);
}

} // namespace
