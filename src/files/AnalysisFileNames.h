#pragma once
// The names the file commands work with: the extension every saved analysis gets, the file
// named on the command line, and the type filter of the file dialogs.

#include <QString>
#include <QStringList>

namespace wattmere {

// The path with its extension replaced by ".KVX", in upper case whatever was typed: the
// extension is the text from the last "." of the name after the last folder separator, if any.
QString withAnalysisExtension(const QString& path);

// The file the program was started with: all arguments joined with single spaces name one
// path (a path with spaces may arrive as several arguments). Empty unless that file exists.
QString commandLineFile(const QStringList& arguments);

// A type filter of the string tables ("Description|pattern|...") in the form the file dialogs
// take ("Description (pattern);;...").
QString dialogFilter(const QString& tableFilter);

} // namespace wattmere
