#include "report/report_printer.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cups/cups.h>

namespace guheng::report {

namespace {

using namespace Qt::StringLiterals;

// Qt's print engine drops the spooler's answer, so the document is rendered to a file of
// our own and handed to the spooler here, where a refused job can still be reported.
class DefaultPrinter final : public ReportPrinter {
  public:
    std::optional<QString> printLines(const QStringList& lines) override {
        const QString name = QPrinterInfo::defaultPrinterName();
        if (name.isEmpty())
            return u"没有默认打印机。"_s;

        QTemporaryFile document(QDir::tempPath() + u"/guheng-print-XXXXXX"_s);
        if (!document.open())
            return u"无法创建打印文档：%1"_s.arg(document.errorString());
        document.close();

        QPrinter printer;
        printer.setPrinterName(name);
        // Without a print server QPrinter still calls itself valid but has no printer name.
        if (printer.printerName().isEmpty())
            return u"找不到打印机 %1。"_s.arg(name);
        printer.setDocName(u"Guheng"_s);
        // A name without ".pdf" keeps the printer's own settings while the pages go to the file.
        printer.setOutputFileName(document.fileName());

        QPainter painter;
        if (!painter.begin(&printer))
            return u"打印机 %1 无法开始打印。"_s.arg(name);
        drawReportLines(painter, lines);
        if (!painter.end() || printer.printerState() == QPrinter::Error)
            return u"无法生成打印文档。"_s;

        // A default such as "office/duplex" names an instance; the spooler knows only the queue.
        const QString queue = name.section(u'/', 0, 0);
        const int job = cupsPrintFile(queue.toLocal8Bit().constData(),
                                      document.fileName().toLocal8Bit().constData(), "Guheng", 0, nullptr);
        if (job == 0)
            return u"打印机 %1 没有接受打印任务：%2"_s.arg(name,
                                                           QString::fromLocal8Bit(cupsLastErrorString()));
        return std::nullopt;
    }
};

DefaultPrinter defaultPrinter;
ReportPrinter* installedPrinter = nullptr;

} // namespace

ReportPrinter& reportPrinter() {
    return installedPrinter ? *installedPrinter : defaultPrinter;
}

void setReportPrinter(ReportPrinter* printer) {
    installedPrinter = printer;
}

void drawReportLines(QPainter& painter, const QStringList& lines) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    qreal baseline = metrics.ascent();
    for (const QString& line : lines) {
        painter.drawText(QPointF(0, baseline), line);
        baseline += metrics.lineSpacing();
    }
}

} // namespace guheng::report
