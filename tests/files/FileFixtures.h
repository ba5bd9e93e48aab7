#pragma once
// Shared pieces of the analysis file tests: the hand-written fixture files, a model set up for
// an application and units, and the open sequence reduced to what the file format decides
// (probe, define the table for the file, apply).

#include "app/AnalysisModel.h"
#include "app/ScriptedPrompter.h"
#include "files/AnalysisFileReader.h"
#include "params/ParameterTable.h"
#include "settings/SourceText.h"
#include "settings/StringTable.h"

#include <QFile>
#include <QString>

namespace wattmere::testing {

inline QString fixturePath(const char* name) {
    return QStringLiteral(WATTMERE_TEST_DATA "/") + QLatin1String(name);
}

inline QByteArray fixture(const char* name) {
    QFile file(fixturePath(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return file.readAll();
}

// Unit settings in the order of the stored keys FPU, FFU, PPU, PFU, PWU, CRU.
inline UnitSettings makeUnits(int fanPressure, int fanFlow, int pumpPressure, int pumpFlow,
                              int power, int currency, const QString& customCurrency = {}) {
    UnitSettings units;
    units.fanPressure = fanPressure;
    units.fanFlow = fanFlow;
    units.pumpPressure = pumpPressure;
    units.pumpFlow = pumpFlow;
    units.power = power;
    units.currency = currency;
    units.customCurrency = customCurrency;
    return units;
}

// A running analysis as the file commands find it: the start-up table, then the table of the
// application in the given units.
struct ModelSession {
    ScriptedPrompter prompter;
    AnalysisModel model{prompter};
    StringTable common{commonTexts()};
    AnalysisFileReader reader{model, common};

    explicit ModelSession(Application application = Application::None,
                          const UnitSettings& units = {}, int notation = 1) {
        model.setSeparators(separatorsForNotation(notation));
        model.setUnits(units);
        model.defineParameterTable(false);
        if (application != Application::None) {
            model.setApplication(application);
            model.defineParameterTable(true);
        }
    }

    ParameterRecord& slot(int number) { return *model.registry().live(number); }

    // Probe, then the table of the file's application and units, then Apply.
    bool open(const QByteArray& bytes, ReaderMessages& messages) {
        if (!reader.read(bytes, ReadMode::Probe, messages))
            return false;
        model.setApplication(reader.contents().application());
        model.defineParameterTable(true);
        return reader.read(bytes, ReadMode::Apply, messages);
    }
    bool open(const QByteArray& bytes) {
        ReaderMessages messages(prompter);
        return open(bytes, messages);
    }
};

// The text of a fixture with one line replaced, inserted after another or removed; lines are
// compared whole, without their CR LF.
inline QByteArray editLines(const QByteArray& bytes, const QByteArray& line,
                            const QByteArray& replacement, bool insertAfter = false) {
    QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i] != line + '\r')
            continue;
        if (insertAfter)
            lines.insert(i + 1, replacement + '\r');
        else if (replacement.isNull())
            lines.removeAt(i);
        else
            lines[i] = replacement + '\r';
        return lines.join('\n');
    }
    qFatal("line not found: %s", line.constData());
    return {};
}

// The first non-empty line after a section title replaced (or removed for a null value).
inline QByteArray setSectionValue(const QByteArray& bytes, const QByteArray& title,
                                  const QByteArray& value) {
    QList<QByteArray> lines = bytes.split('\n');
    const qsizetype at = lines.indexOf(title + '\r');
    if (at < 0)
        qFatal("section not found: %s", title.constData());
    for (qsizetype i = at + 1; i < lines.size(); ++i) {
        if (lines[i] == "\r")
            continue;
        if (value.isNull())
            lines.removeAt(i);
        else
            lines[i] = value + '\r';
        break;
    }
    return lines.join('\n');
}

} // namespace wattmere::testing
