// The Print command apart from its window: the eleven printed report lines go to the printer as one
// document; a printer that fails is reported in one message box with the reason.
#pragma once

#include "report/report_lines.h"

class QWidget;

namespace guheng::shell {

void runPrintCommand(const report::ReportTexts& texts, QWidget* window);

} // namespace guheng::shell
