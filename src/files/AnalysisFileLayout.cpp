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

} // namespace wattmere
