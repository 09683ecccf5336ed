// 打印: prints the displayed result on the default printer.
#include "shell/print_command.h"

#include "report/report_date_time.h"
#include "report/report_printer.h"
#include "shell/form1.h"
#include "shell/message_box.h"

#include <QStringList>

namespace guheng::shell {

void runPrintCommand(const report::ReportTexts& texts, QWidget* window) {
    QStringList lines;
    for (const std::u16string& line :
         report::printedReportLines(texts, report::reportDateTime(report::currentLocalDateTime())))
        lines.append(QString::fromStdU16String(line));
    if (const auto reason = report::reportPrinter().printLines(lines))
        MessageBox::inform(window, QStringLiteral("无法打印：\n%1").arg(*reason));
}

void Form1::printReport() {
    runPrintCommand(reportTexts(), this);
    Picture3[3]->setPicture(Image4[3]);
}

} // namespace guheng::shell
