#include "files/AnalysisFileLayout.h"

#include <utility>

namespace wattmere {

namespace {

constexpr std::pair<FileSection, const char*> titles[] = {
    {FileSection::FileInfo, "[FILE INFO]"},
    {FileSection::Application, "[APPLICATION]"},
    {FileSection::SystemDataSelection, "[SYSTEM DATA SELECTION]"},
    {FileSection::Curve, "[CURVE]"},
    {FileSection::Pressure, "[PRESSURE]"},
    {FileSection::Units, "[UNITS]"},
    {FileSection::Flow, "[FLOW]"},
    {FileSection::Power, "[POWER]"},
    {FileSection::Currency, "[CURRENCY]"},
    {FileSection::CurrencyC1, "[CURRENCY-C1]"},
    {FileSection::FlowLock, "[FLOWLOCK]"},
    {FileSection::System, "[SYSTEM]"},
    {FileSection::ProjectName, "[PROJECT NAME]"},
    {FileSection::CustomerInfo, "[CUSTOMER INFO]"},
    {FileSection::CostInfo, "[COST INFO]"},
    {FileSection::DataQefs, "[DATA QEFS]"},
    {FileSection::Info, "[INFO]"},
};

} // namespace

QString sectionTitle(FileSection section) {
    for (const auto& [id, title] : titles) {
        if (id == section)
            return QString::fromLatin1(title);
    }
    return {};
}

std::optional<FileSection> sectionOfTitle(QStringView trimmedLine) {
    if (!trimmedLine.startsWith(u'['))
        return std::nullopt;
    for (const auto& [id, title] : titles) {
        if (trimmedLine == QLatin1String(title))
            return id;
    }
    return std::nullopt;
}

QStringView trimBlanks(QStringView line) {
    qsizetype first = 0;
    qsizetype last = line.size();
    while (first < last && line[first] == u' ')
        ++first;
    while (last > first && line[last - 1] == u' ')
        --last;
    return line.sliced(first, last - first);
}

namespace {

// A text followed by any number of tabs that reads as a section title once they are gone.
bool titleWithTabs(QStringView text) {
    while (text.endsWith(u'\t'))
        text.chop(1);
    return sectionOfTitle(trimBlanks(text)).has_value();
}

} // namespace

QString textLine(const QString& text) {
    return titleWithTabs(text) ? text + u'\t' : text;
}

QStringView textOfLine(QStringView line) {
    return line.endsWith(u'\t') && titleWithTabs(line) ? line.chopped(1) : line;
}

} // namespace wattmere
