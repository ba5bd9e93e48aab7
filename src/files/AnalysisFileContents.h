#pragma once
// What one reading of an analysis file found: the value of each section (absent when the
// file held no valid line for it), the free-text lines, the parameter values by tag, and the
// checks that decide whether the file can be loaded.

#include "core/Application.h"
#include "units/UnitSettings.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace wattmere {

struct AnalysisFileContents {
    std::optional<int> applicationCode;     // 1 "FAN", 2 "PUMP", 3 "COOLING TOWER"
    std::optional<int> systemDataSelection; // 0..3 for S1..S4
    std::optional<bool> horizontal;         // "HORIZONTAL" / "NON-HORIZONTAL"
    std::optional<int> pressureIndex;       // also from the older "[UNITS]"
    std::optional<int> flowIndex;
    std::optional<int> powerIndex;
    std::optional<int> currencyIndex;
    QString customCurrency;        // first 4 characters of "[CURRENCY-C1]"
    std::optional<int> flowLock;   // 0: LOCKA149, 1: LOCKA144
    std::optional<int> comparison; // 1..5 for R1..R5
    std::optional<QString> projectName;
    bool olderLayout = false; // a "[UNITS]" title was read

    QStringList customerLines; // at most 14, each at most 60 characters, blanks kept
    QStringList costLines;     // at most 10, each at most 25 characters, blanks kept

    // The value of every well-formed parameter line by its tag ("A104"), the last line of a
    // tag winning; not yet checked against any table.
    QMap<QString, double> parameterValues;
    int parameterLineCount = 0;
    // Line numbers (counting every line from 1) of the malformed parameter lines, the first
    // maxMalformedLinesKept of them.
    QList<int> malformedLines;
    int lineCount = 0;

    Application application() const;
};

// The key of the common string table's message that refuses the file ("IDS_9" ... "IDS_14"),
// or nothing when the file can be loaded. The older layout needs no flow, power or currency
// section. A pressure or flow unit index must be one the file's final application has.
std::optional<QString> refusalOf(const AnalysisFileContents& contents);

// The program's unit settings after the file has been probed: the file's units for its
// application, power and currency (with the file's text for a user-defined currency); the
// older layout means the units it was written for. Settings the file does not speak of are
// kept from current.
UnitSettings unitsOfFile(const AnalysisFileContents& contents, const UnitSettings& current);

} // namespace wattmere
