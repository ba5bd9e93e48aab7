#include "units/UnitSettings.h"

namespace wattmere {

QString powerUnitText(const UnitSettings& units) {
    return units.power == 1 ? QStringLiteral("kW") : QStringLiteral("HP");
}

double powerFactor(const UnitSettings& units) {
    return units.power == 1 ? 1.0 : kilowattsPerHorsepower;
}

QString currencySymbol(const UnitSettings& units) {
    switch (units.currency) {
    case 1:
        return QStringLiteral("£ ");
    case 2:
        return QStringLiteral("€");
    case userDefinedCurrencyIndex:
        return units.customCurrency.left(maxCustomCurrencyLength);
    default:
        return QStringLiteral("$");
    }
}

} // namespace wattmere
