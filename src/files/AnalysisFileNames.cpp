#include "files/AnalysisFileNames.h"

#include "files/AnalysisFileLayout.h"

#include <QDir>
#include <QFileInfo>

namespace wattmere {

QString withAnalysisExtension(const QString& path) {
    const QString clean = QDir::fromNativeSeparators(path);
    const qsizetype nameStart = clean.lastIndexOf(u'/') + 1;
    const qsizetype dot = clean.lastIndexOf(u'.');
    const QString stem = dot >= nameStart ? clean.left(dot) : clean;
    return stem + u'.' + QLatin1String(analysisFileExtension);
}

QString commandLineFile(const QStringList& arguments) {
    const QString path = arguments.join(u' ');
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    return QFileInfo(path).absoluteFilePath();
}

QString dialogFilter(const QString& tableFilter) {
    const QStringList parts = tableFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        const QString& pattern = parts.at(i + 1);
        if (description.trimmed().isEmpty())
            continue;
        // The description of the tables names its pattern already: "(*.KVX)".
        filters << (description.contains(u'(') || pattern.isEmpty()
                        ? description
                        : description + QStringLiteral(" (") + pattern + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace wattmere
