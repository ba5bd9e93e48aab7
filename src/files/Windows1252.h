#pragma once
// The single-byte code page of analysis files (Windows-1252): Latin-1 with printable
// characters in 0x80..0x9F, such as "€" at 0x80.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace wattmere {

// Every byte gives one character; the five bytes the code page leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) give the control characters of the same number, so that they survive a
// decode and encode unchanged.
QString decodeWindows1252(QByteArrayView bytes);

// Every character gives one byte; a character the code page cannot hold gives "?" (one for a
// surrogate pair).
QByteArray encodeWindows1252(QStringView text);

} // namespace wattmere
