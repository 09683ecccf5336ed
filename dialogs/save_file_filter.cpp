#include "dialogs/save_file_filter.h"

namespace guheng::dialogs {

QString convertFilter(const QString& filter) {
    QString converted = filter;
    converted.replace(u'|', QChar(u'\0'));
    return converted + QChar(u'\0') + QChar(u'\0');
}

QStringList fileTypesFromFilter(const QString& convertedFilter) {
    const QStringList parts = convertedFilter.split(QChar(u'\0'));
    QStringList types;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        if (description.isEmpty() || pattern.isEmpty())
            break;
        // The platform separates patterns with ";", a Qt name filter with spaces.
        QString patterns = pattern;
        patterns.replace(u';', u' ');
        types.append(description + QStringLiteral(" (") + patterns + QChar(u')'));
    }
    return types;
}

} // namespace guheng::dialogs
