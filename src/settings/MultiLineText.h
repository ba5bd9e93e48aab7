#pragma once
// The stored form of a multi-line text: every line, the last one included, ends in CR LF;
// reading splits at any line break again.

#include <QString>
#include <QStringList>

namespace wattmere {

// "a", "b", "c" -> "a\r\nb\r\nc\r\n"; no lines -> an empty text.
QString joinStoredLines(const QStringList& lines);

// Splits at CR LF, LF or CR. A break at the very end starts no further line, so
// joinStoredLines and splitStoredLines are inverse for lines without breaks of their own.
QStringList splitStoredLines(const QString& text);

} // namespace wattmere
