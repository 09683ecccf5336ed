// Printing report lines as one document on the system's default printer (CUPS).
// A failure comes back as a reason the user can read, and no document is left open.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QPainter;

namespace guheng::report {

class ReportPrinter {
  public:
    virtual ~ReportPrinter() = default;
    // Prints the lines as one document: nothing on success, else the reason it failed.
    virtual std::optional<QString> printLines(const QStringList& lines) = 0;
};

// The printer in use: the system's default printer unless a test installed another.
ReportPrinter& reportPrinter();
// Installs a printer the caller keeps alive; nullptr brings the default printer back.
void setReportPrinter(ReportPrinter* printer);

// Draws the lines one below the other from the top-left of the painter's printable area,
// in the painter's own font.
void drawReportLines(QPainter& painter, const QStringList& lines);

} // namespace guheng::report
