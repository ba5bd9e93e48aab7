#pragma once
// The units of every quantity: registry text, properties-dialog caption and conversion factor,
// one table per quantity, indexed by the stored unit setting.

#include <QLatin1StringView>
#include <QString>
#include <span>

#include "units/UnitSettings.h"

namespace wattmere {

// The quantities that have a unit setting of their own.
enum class UnitQuantity { FanPressure, FanFlow, PumpPressure, PumpFlow, Power };

struct UnitDefinition {
    QLatin1StringView text;    // as the parameter registry writes it ("in.wg", "M3/min")
    QLatin1StringView caption; // as the properties dialog and the unit labels show it ("in wg")
    long double factor;        // display units per base unit: display = base x factor
    // base = display x toBaseFactor. Held in extended precision so that a value converted to
    // the base unit and back returns to within one unit in the last place of a double.
    long double toBaseFactor;
};

// Every unit of a quantity in index order (index 0 first).
std::span<const UnitDefinition> unitTable(UnitQuantity quantity);

// The unit with this index; an index outside the table counts as 0, as a stored one does.
const UnitDefinition& unitDefinition(UnitQuantity quantity, int index);

// The unit the settings choose for a quantity.
const UnitDefinition& chosenUnit(UnitQuantity quantity, const UnitSettings& units);

// Currency symbol + "/" + power unit text ("$/HP", "CHF/kW"): the unit of the utility
// incentive per unit of power.
QString currencyPerPowerText(const UnitSettings& units);

} // namespace wattmere
