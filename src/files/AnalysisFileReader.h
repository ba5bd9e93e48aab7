#pragma once
// The reader of analysis files on the analysis model. Probe learns a file's application and
// units and makes them the program's unit settings; Apply writes the parameter values into
// the live table and sets the window's choices and texts. Questions go through the messages
// of the open, so that reading a file again repeats none of them.

#include "files/AnalysisFileContents.h"
#include "files/ReaderMessages.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>
#include <optional>

namespace wattmere {

class AnalysisModel;
class StringTable;
struct ParameterLine;

enum class ReadMode { Probe, Apply };

class AnalysisFileReader {
public:
    // commonTexts: the common string table (its keys "IDS_1" ... "IDS_14").
    AnalysisFileReader(AnalysisModel& model, const StringTable& commonTexts);

    // Reads the file at path; true when it was read to its end and passed the checks. A file
    // that cannot be opened or read gives "FILE ERROR !".
    bool ReadAnalysisFile(const QString& path, ReadMode mode, ReaderMessages& messages);
    // The same for a file already in memory or on another device.
    bool read(const QByteArray& bytes, ReadMode mode, ReaderMessages& messages);
    bool read(QIODevice& device, ReadMode mode, ReaderMessages& messages);

    // What the open consults after a read. The application, the system-data selection and the
    // project name keep the values of an earlier read when a file holds none.
    int applicationCode() const { return m_applicationCode; }
    int systemDataSelection() const { return m_systemDataSelection; }
    bool systemDataSelectionRead() const { return m_contents.systemDataSelection.has_value(); }
    const QString& projectName() const { return m_projectName; }
    void clearProjectName() { m_projectName.clear(); }
    // The user chose Abort or Cancel in one of the reader's questions.
    bool aborted() const { return m_aborted; }
    // Everything the last read found, up to where it ended.
    const AnalysisFileContents& contents() const { return m_contents; }

private:
    bool readLines(QIODevice& device, ReadMode mode, ReaderMessages& messages);
    void applyParameter(int lineCounter, const ParameterLine& line, ReaderMessages& messages);
    // The question about a line, its text made only when it is asked.
    void askLine(int lineCounter, PromptKind kind, const std::function<QString()>& text,
                 ReaderMessages& messages, bool beepFirst = false);
    void completeProbe();
    void completeApply();
    QString common(const char* key) const;

    AnalysisModel& m_model;
    const StringTable& m_common;
    AnalysisFileContents m_contents;
    int m_applicationCode = 0;
    int m_systemDataSelection = 0;
    QString m_projectName;
    bool m_aborted = false;
};

// The design flow a curve fitted in the efficiency-given mode works with after an open: in
// that mode ("[FLOWLOCK]" 1) the fit keeps the DesignFlow it had, which a freshly opened
// analysis does not have yet. It is the design point flow A149 of the live table, in base
// units; nothing in the flow-given mode.
std::optional<double> designFlowOfEfficiencyMode(const AnalysisModel& model,
                                                 const AnalysisFileContents& contents);

} // namespace wattmere
