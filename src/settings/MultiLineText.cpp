#include "settings/MultiLineText.h"

#include <QRegularExpression>

namespace wattmere {

QString joinStoredLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1StringView("\r\n");
    }
    return text;
}

QStringList splitStoredLines(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    // The break after the last line leaves an empty piece that is no line of the text.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace wattmere
