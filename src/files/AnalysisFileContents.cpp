#include "files/AnalysisFileContents.h"

#include "files/AnalysisFileLayout.h"

namespace wattmere {

Application AnalysisFileContents::application() const {
    if (applicationCode == fanApplicationCode)
        return Application::Fan;
    if (applicationCode == pumpApplicationCode)
        return Application::Pump;
    return Application::None;
}

namespace {

// A unit index is checked against the application named before it; a file that names another
// application later must not keep an index its final application lacks (a fan pressure unit 5
// would be written back and refused at the next open).
bool fitsApplication(std::optional<int> index, std::optional<int> applicationCode, int fanMaximum,
                     int pumpMaximum) {
    if (!index)
        return false;
    if (applicationCode == fanApplicationCode)
        return *index <= fanMaximum;
    if (applicationCode == pumpApplicationCode)
        return *index <= pumpMaximum;
    return false;
}

} // namespace

std::optional<QString> refusalOf(const AnalysisFileContents& c) {
    // The application and the two choices stored beside it form the application information.
    if (!c.applicationCode || !c.flowLock || !c.comparison)
        return QStringLiteral("IDS_9");
    if (!c.horizontal)
        return QStringLiteral("IDS_10");
    if (!fitsApplication(c.pressureIndex, c.applicationCode, maxFanPressureIndex,
                         maxPumpPressureIndex))
        return QStringLiteral("IDS_11");
    if (c.olderLayout)
        return std::nullopt;
    if (!fitsApplication(c.flowIndex, c.applicationCode, maxFanFlowIndex, maxPumpFlowIndex))
        return QStringLiteral("IDS_12");
    if (!c.powerIndex)
        return QStringLiteral("IDS_13");
    if (!c.currencyIndex)
        return QStringLiteral("IDS_14");
    return std::nullopt;
}

UnitSettings unitsOfFile(const AnalysisFileContents& c, const UnitSettings& current) {
    UnitSettings units = current;
    const bool fan = c.applicationCode == fanApplicationCode;
    const bool pump = c.applicationCode == pumpApplicationCode;
    if (c.olderLayout) {
        units.power = 0;
        units.currency = 0;
        if (fan) {
            units.fanPressure = 0;
            units.fanFlow = 0;
        } else if (pump) {
            units.pumpPressure = c.pressureIndex == 1 ? 0 : 1;
            units.pumpFlow = 0;
        }
        return units;
    }
    units.power = c.powerIndex.value_or(0);
    units.currency = c.currencyIndex.value_or(0);
    if (units.currency == userDefinedCurrencyIndex)
        units.customCurrency = c.customCurrency;
    if (fan) {
        units.fanPressure = c.pressureIndex.value_or(0);
        units.fanFlow = c.flowIndex.value_or(0);
    } else if (pump) {
        units.pumpPressure = c.pressureIndex.value_or(0);
        units.pumpFlow = c.flowIndex.value_or(0);
    }
    return units;
}

} // namespace wattmere
