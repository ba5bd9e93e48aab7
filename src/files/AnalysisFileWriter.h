#pragma once
// The writer of analysis files: the whole file as the bytes to store, built from the model's
// choices, texts, unit settings and the current values of the live parameter table.

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>

namespace wattmere {

class AnalysisModel;
struct ParameterRecord;

// Decimals of a value in the file by its slot's step: 1, 10, 100, 1000 and 10000 give 0 to 4,
// any other step 4.
int fileDecimalsForStep(float step);

// A value with d decimals, "." as decimal point and no grouping, whatever the notation.
QString fileNumber(double value, int decimals);

// "P004=A1-04=0.100;         ct     Electricity cost": line number, tag, value field padded to
// 15, unit padded to 7, name. A longer field is written whole.
QString parameterLine(const ParameterRecord& record);

// The file of the running analysis in Windows-1252 with CR LF line ends. The caller has stored
// the entry fields into the live table first. The date line shows savedOn in the locale's
// short format; no reader uses it. Empty when no analysis is running.
QByteArray writeAnalysisFile(const AnalysisModel& model,
                             const QDate& savedOn = QDate::currentDate(),
                             const QLocale& locale = QLocale::system());

} // namespace wattmere
