#include "ui/platform/FileFilter.h"

#include "ui/platform/QtText.h"

namespace quarvex::ui {

namespace {

QString QtPatterns(const QString& patterns) {
    QStringList parts;
    for (const QString& part : patterns.split(';', Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        parts << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    return parts.join(' ');
}

QString FilterEntry(QString description, const QString& patterns) {
    description = description.trimmed();
    const QString qtPatterns = QtPatterns(patterns);
    const QString shown = '(' + patterns.trimmed() + ')';
    if (description.endsWith(shown)) {
        description.chop(shown.size());
        description = description.trimmed();
    }
    if (qtPatterns.isEmpty()) {
        return description;
    }
    return description.isEmpty() ? qtPatterns : description + " (" + qtPatterns + ')';
}

} // namespace

QStringList NameFilters(std::string_view filter) {
    const QStringList parts = ToQString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
        const QString entry = FilterEntry(parts[i], patterns);
        if (!entry.isEmpty()) {
            filters << entry;
        }
    }
    return filters;
}

} // namespace quarvex::ui
