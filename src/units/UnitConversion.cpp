#include "units/UnitConversion.h"

namespace wattmere {

namespace {

constexpr UnitDefinition noUnit{{}, {}, 1.0L, 1.0L};

} // namespace

std::optional<UnitQuantity> unitQuantity(Quantity quantity, Application application) {
    if (quantity == Quantity::Power)
        return UnitQuantity::Power;
    switch (application) {
    case Application::Fan:
        return quantity == Quantity::Pressure ? UnitQuantity::FanPressure : UnitQuantity::FanFlow;
    case Application::Pump:
        return quantity == Quantity::Pressure ? UnitQuantity::PumpPressure : UnitQuantity::PumpFlow;
    case Application::None:
        break;
    }
    return std::nullopt;
}

const UnitDefinition& activeUnit(Quantity quantity, Application application,
                                 const UnitSettings& units) {
    const std::optional<UnitQuantity> unitOf = unitQuantity(quantity, application);
    return unitOf ? chosenUnit(*unitOf, units) : noUnit;
}

double toBase(Quantity quantity, double displayValue, Application application,
              const UnitSettings& units) {
    const UnitDefinition& unit = activeUnit(quantity, application, units);
    return static_cast<double>(static_cast<long double>(displayValue) * unit.toBaseFactor);
}

double fromBase(Quantity quantity, double baseValue, Application application,
                const UnitSettings& units) {
    return displayScale(quantity, application, units)(baseValue);
}

DisplayScale displayScale(Quantity quantity, Application application, const UnitSettings& units) {
    return DisplayScale(activeUnit(quantity, application, units).factor);
}

QString activeCaption(Quantity quantity, Application application, const UnitSettings& units) {
    return activeUnit(quantity, application, units).caption;
}

QString activeUnitText(Quantity quantity, Application application, const UnitSettings& units) {
    return activeUnit(quantity, application, units).text;
}

} // namespace wattmere
