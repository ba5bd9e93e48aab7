#pragma once
// The reading of an analysis file line by line: the line source, the classification of each
// line by the current section, and the rule of a parameter line. Nothing here touches the
// analysis; the reader acts on what a line turned out to be.

#include "files/AnalysisFileContents.h"
#include "files/AnalysisFileLayout.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace wattmere {

// A well-formed line of "[DATA QEFS]".
struct ParameterLine {
    int lineNumber = 0; // the number after "P"; plays no part in finding the slot
    char tagLetter = 'A';
    char tagGroup = '1';
    int orderNumber = 0;
    double value = 0.0;

    QString tag() const; // "A104"
};

enum class ParameterLineKind {
    NotParameter, // does not look like a parameter line: skipped without a word
    Parameter,
    Malformed, // looks like one but its line number or value is faulty
};

struct ParameterLineResult {
    ParameterLineKind kind = ParameterLineKind::NotParameter;
    ParameterLine line;
};

// The parameter line rule, on a line without its surrounding blanks.
ParameterLineResult parseParameterLine(QStringView trimmedLine);

// What one line of the file was, as far as the reader must act on it.
struct ParsedLine {
    int lineCounter = 0;                     // every line counts, from 1
    std::optional<ParameterLineResult> data; // set for a line of "[DATA QEFS]" that is not blank
};

// Classifies the lines of one file in order and gathers their values.
class AnalysisFileParser {
public:
    // One line without its line break.
    ParsedLine feedLine(QStringView line);
    const AnalysisFileContents& contents() const { return m_contents; }

private:
    void readValue(QStringView trimmed);
    void readParameter(const ParameterLineResult& result);

    std::optional<FileSection> m_section;
    AnalysisFileContents m_contents;
};

enum class LineReadStatus { Finished, Stopped, Failed };

// Lines longer than this are judged by their beginning; the rest is skipped unread.
inline constexpr qsizetype maxAnalysisFileLineBytes = 64 * 1024;

// Passes every line of the device, decoded from Windows-1252 and without its LF or CR LF, to
// visit until visit returns false. A last line without a line break counts as a line.
LineReadStatus readLines(QIODevice& device, const std::function<bool(const QString&)>& visit);

// Every line of the bytes classified: the contents a file holds, without any question asked.
AnalysisFileContents parseAnalysisFile(const QByteArray& bytes);

} // namespace wattmere
