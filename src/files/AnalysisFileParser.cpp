#include "files/AnalysisFileParser.h"

#include "params/ParameterRecord.h"

#include "files/Windows1252.h"

#include <QBuffer>

#include <charconv>
#include <limits>

namespace wattmere {

namespace {

bool isDigit(QChar ch) {
    return ch >= u'0' && ch <= u'9';
}

// The whole number the line starts with, when it lies in lowest..highest. Lines such as "2x"
// read as their leading digits; a number outside the range is no value of the section.
std::optional<int> leadingIndex(QStringView line, int lowest, int highest) {
    constexpr qsizetype maxDigits = 6;
    int value = 0;
    qsizetype digits = 0;
    while (digits < line.size() && isDigit(line[digits])) {
        if (digits == maxDigits)
            return std::nullopt;
        value = value * 10 + (line[digits].unicode() - u'0');
        ++digits;
    }
    if (digits == 0 || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// Character positions of the rule, counted from 0.
constexpr qsizetype minParameterLineLength = 12;
constexpr qsizetype lastSeparatorIndex = 4;  // the line number ends by character 5
constexpr qsizetype valueIndex = 11;         // the value starts at character 12
constexpr qsizetype lastSemicolonIndex = 29; // and ends by character 30

} // namespace

QString ParameterLine::tag() const {
    return tagText(tagLetter, tagGroup, orderNumber);
}

ParameterLineResult parseParameterLine(QStringView t) {
    ParameterLineResult result;
    if (t.size() < minParameterLineLength || t[0] != u'P' || t.sliced(5, 3) != u"A1-" ||
        !isDigit(t[8]) || !isDigit(t[9]))
        return result;
    result.kind = ParameterLineKind::Malformed;
    ParameterLine& line = result.line;
    line.tagLetter = static_cast<char>(t[5].unicode());
    line.tagGroup = static_cast<char>(t[6].unicode());
    line.orderNumber = (t[8].unicode() - u'0') * 10 + (t[9].unicode() - u'0');

    bool separated = false;
    for (qsizetype i = 1; i <= lastSeparatorIndex; ++i) {
        const QChar ch = t[i];
        if (ch == u',' || ch == u':' || ch == u'=') {
            separated = true;
            break;
        }
        if (!isDigit(ch))
            return result;
        line.lineNumber = line.lineNumber * 10 + (ch.unicode() - u'0');
    }
    if (!separated || line.lineNumber == 0)
        return result;

    // The value runs from its fixed column to the semicolon; only digits, "-" and "." may
    // stand in it, and it must read whole as a number.
    qsizetype semicolon = -1;
    for (qsizetype i = valueIndex; i < t.size() && i <= lastSemicolonIndex; ++i) {
        const QChar ch = t[i];
        if (ch == u';') {
            semicolon = i;
            break;
        }
        if (!isDigit(ch) && ch != u'-' && ch != u'.')
            return result;
    }
    if (semicolon <= valueIndex)
        return result;
    char digits[lastSemicolonIndex + 1];
    const qsizetype length = semicolon - valueIndex;
    for (qsizetype i = 0; i < length; ++i)
        digits[i] = static_cast<char>(t[valueIndex + i].unicode());
    const auto [end, error] = std::from_chars(digits, digits + length, line.value);
    const bool ok = error == std::errc() && end == digits + length;
    if (ok)
        result.kind = ParameterLineKind::Parameter;
    return result;
}

ParsedLine AnalysisFileParser::feedLine(QStringView line) {
    ParsedLine parsed;
    // A counter that stops at its top rather than overflowing on a file of billions of lines.
    if (m_contents.lineCount < std::numeric_limits<int>::max())
        ++m_contents.lineCount;
    parsed.lineCounter = m_contents.lineCount;
    const QStringView trimmed = trimBlanks(line);
    if (const std::optional<FileSection> title = sectionOfTitle(trimmed)) {
        m_section = *title;
        if (*title == FileSection::Units) {
            m_section = FileSection::Pressure;
            m_contents.olderLayout = true;
        }
        return parsed;
    }
    if (!m_section)
        return parsed;

    // The free-text sections keep their lines as written, blank lines included.
    if (m_section == FileSection::CustomerInfo) {
        if (m_contents.customerLines.size() < maxCustomerLinesKept)
            m_contents.customerLines.append(
                textOfLine(line).left(maxCustomerLineLength).toString());
        return parsed;
    }
    if (m_section == FileSection::CostInfo) {
        if (m_contents.costLines.size() < maxCostLinesKept)
            m_contents.costLines.append(textOfLine(line).left(maxCostDescriptionLength).toString());
        return parsed;
    }
    if (trimmed.isEmpty())
        return parsed;
    if (m_section == FileSection::DataQefs) {
        parsed.data = parseParameterLine(trimmed);
        readParameter(*parsed.data);
        return parsed;
    }
    readValue(trimmed);
    return parsed;
}

void AnalysisFileParser::readValue(QStringView line) {
    AnalysisFileContents& c = m_contents;
    const auto readIndex = [&line](std::optional<int>& target, int lowest, int highest) {
        if (const std::optional<int> value = leadingIndex(line, lowest, highest))
            target = value;
    };
    switch (*m_section) {
    case FileSection::SystemDataSelection:
        readIndex(c.systemDataSelection, 0, 3);
        break;
    case FileSection::Application:
        if (line == u"FAN")
            c.applicationCode = fanApplicationCode;
        else if (line == u"PUMP")
            c.applicationCode = pumpApplicationCode;
        else if (line == u"COOLING TOWER")
            c.applicationCode = coolingTowerApplicationCode;
        break;
    case FileSection::System:
        readIndex(c.comparison, 1, 5);
        break;
    case FileSection::Curve:
        if (line == u"HORIZONTAL")
            c.horizontal = true;
        else if (line == u"NON-HORIZONTAL")
            c.horizontal = false;
        break;
    case FileSection::Pressure:
    case FileSection::Units:
        // The unit ranges depend on the application, so "[APPLICATION]" must come first.
        if (c.applicationCode == fanApplicationCode)
            readIndex(c.pressureIndex, 0, maxFanPressureIndex);
        else if (c.applicationCode == pumpApplicationCode)
            readIndex(c.pressureIndex, 0, maxPumpPressureIndex);
        break;
    case FileSection::Flow:
        if (c.applicationCode == fanApplicationCode)
            readIndex(c.flowIndex, 0, maxFanFlowIndex);
        else if (c.applicationCode == pumpApplicationCode)
            readIndex(c.flowIndex, 0, maxPumpFlowIndex);
        break;
    case FileSection::Power:
        readIndex(c.powerIndex, 0, maxPowerIndex);
        break;
    case FileSection::Currency:
        readIndex(c.currencyIndex, 0, maxCurrencyIndex);
        break;
    case FileSection::CurrencyC1:
        c.customCurrency = line.left(maxCustomCurrencyLength).toString();
        break;
    case FileSection::FlowLock:
        readIndex(c.flowLock, 0, 1);
        break;
    case FileSection::ProjectName:
        c.projectName = textOfLine(line).toString();
        break;
    case FileSection::FileInfo:
    case FileSection::Info:
    case FileSection::CustomerInfo:
    case FileSection::CostInfo:
    case FileSection::DataQefs:
        break;
    }
}

void AnalysisFileParser::readParameter(const ParameterLineResult& result) {
    if (result.kind == ParameterLineKind::Parameter) {
        ++m_contents.parameterLineCount;
        m_contents.parameterValues.insert(result.line.tag(), result.line.value);
    } else if (result.kind == ParameterLineKind::Malformed &&
               m_contents.malformedLines.size() < maxMalformedLinesKept) {
        m_contents.malformedLines.append(m_contents.lineCount);
    }
}

LineReadStatus readLines(QIODevice& device, const std::function<bool(const QString&)>& visit) {
    constexpr qint64 chunkSize = 64 * 1024;
    QByteArray pending;
    const auto emitLine = [&pending, &visit]() {
        if (pending.endsWith('\r'))
            pending.chop(1);
        const bool goOn = visit(decodeWindows1252(pending));
        pending.clear();
        return goOn;
    };
    const auto keep = [&pending](QByteArrayView part) {
        const qsizetype room = maxAnalysisFileLineBytes - pending.size();
        if (room > 0)
            pending.append(part.first(std::min(room, part.size())));
    };
    while (!device.atEnd()) {
        const QByteArray chunk = device.read(chunkSize);
        if (chunk.isEmpty())
            return device.atEnd() ? LineReadStatus::Finished : LineReadStatus::Failed;
        qsizetype start = 0;
        for (qsizetype end = chunk.indexOf('\n'); end >= 0; end = chunk.indexOf('\n', start)) {
            keep(QByteArrayView(chunk).sliced(start, end - start));
            start = end + 1;
            if (!emitLine())
                return LineReadStatus::Stopped;
        }
        keep(QByteArrayView(chunk).sliced(start));
    }
    if (!pending.isEmpty() && !emitLine())
        return LineReadStatus::Stopped;
    return LineReadStatus::Finished;
}

AnalysisFileContents parseAnalysisFile(const QByteArray& bytes) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    AnalysisFileParser parser;
    readLines(buffer, [&parser](const QString& line) {
        parser.feedLine(line);
        return true;
    });
    return parser.contents();
}

} // namespace wattmere
