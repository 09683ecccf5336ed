// The file-type filter of a Save As dialog: "description|pattern|…" as a caller writes it,
// its NUL-separated form, and the file types a dialog lists from that form.
#pragma once

#include <QString>
#include <QStringList>

namespace guheng::dialogs {

// Every "|" becomes NUL and two NULs are appended; nothing is validated.
QString convertFilter(const QString& filter);

// Reads description/pattern pairs from a converted filter. The list ends at the first empty
// description or at a description without a pattern, as the platform dialog reads it.
// Each type comes back as "description (patterns)", the form a QFileDialog name filter takes.
QStringList fileTypesFromFilter(const QString& convertedFilter);

} // namespace guheng::dialogs
