#include "units/UnitTables.h"

#include <array>

namespace wattmere {

namespace {

using namespace Qt::StringLiterals;

// The factors are the program's own fixed values, not the exact physical ratios: the defaults
// and limits of the parameter registry are built from the same numbers.
constexpr UnitDefinition unit(QLatin1StringView text, QLatin1StringView caption,
                              long double factor) {
    return {text, caption, factor, 1.0L / factor};
}

// Base unit in.wg.
constexpr std::array fanPressureUnits{
    unit("in.wg"_L1, "in wg"_L1, 1.0L),   unit("cm.wg"_L1, "cm wg"_L1, 2.54L),
    unit("Pa"_L1, "Pa"_L1, 249.082L),     unit("kPa"_L1, "kPa"_L1, 0.249082L),
    unit("mBar"_L1, "mBar"_L1, 2.49082L),
};

// Base unit cfm.
constexpr std::array fanFlowUnits{
    unit("cfm"_L1, "cfm"_L1, 1.0L),         unit("M3/min"_L1, "m3/min"_L1, 0.0283L),
    unit("M3/h"_L1, "m3/h"_L1, 1.699L),     unit("l/s"_L1, "l/s"_L1, 0.4719L),
    unit("l/min"_L1, "l/min"_L1, 28.3168L), unit("M3/s"_L1, "m3/s"_L1, 0.0004719474L),
};

// Base unit ft.wg.
constexpr std::array pumpPressureUnits{
    unit("PSI"_L1, "PSI"_L1, 0.4335275L),  unit("ft.wg"_L1, "ft wg"_L1, 1.0L),
    unit("m.wg"_L1, "m wg"_L1, 0.304878L), unit("kPa"_L1, "kPa"_L1, 2.98608L),
    unit("MPa"_L1, "MPa"_L1, 0.00298608L), unit("Bar"_L1, "Bar"_L1, 0.0298608L),
};

// Base unit GPM.
constexpr std::array pumpFlowUnits{
    unit("GPM"_L1, "GPM"_L1, 1.0L),        unit("M3/min"_L1, "m3/min"_L1, 0.0038L),
    unit("M3/h"_L1, "m3/h"_L1, 0.2271L),   unit("l/s"_L1, "l/s"_L1, 0.0631L),
    unit("l/min"_L1, "l/min"_L1, 3.7853L),
};

// Base unit HP.
constexpr std::array powerUnits{
    unit("HP"_L1, "HP"_L1, 1.0L),
    unit("kW"_L1, "kW"_L1, static_cast<long double>(kilowattsPerHorsepower)),
};

static_assert(fanPressureUnits.size() == maxFanPressureIndex + 1);
static_assert(fanFlowUnits.size() == maxFanFlowIndex + 1);
static_assert(pumpPressureUnits.size() == maxPumpPressureIndex + 1);
static_assert(pumpFlowUnits.size() == maxPumpFlowIndex + 1);
static_assert(powerUnits.size() == maxPowerIndex + 1);

int settingIndex(UnitQuantity quantity, const UnitSettings& units) {
    switch (quantity) {
    case UnitQuantity::FanPressure:
        return units.fanPressure;
    case UnitQuantity::FanFlow:
        return units.fanFlow;
    case UnitQuantity::PumpPressure:
        return units.pumpPressure;
    case UnitQuantity::PumpFlow:
        return units.pumpFlow;
    case UnitQuantity::Power:
        return units.power;
    }
    return 0;
}

} // namespace

std::span<const UnitDefinition> unitTable(UnitQuantity quantity) {
    switch (quantity) {
    case UnitQuantity::FanPressure:
        return fanPressureUnits;
    case UnitQuantity::FanFlow:
        return fanFlowUnits;
    case UnitQuantity::PumpPressure:
        return pumpPressureUnits;
    case UnitQuantity::PumpFlow:
        return pumpFlowUnits;
    case UnitQuantity::Power:
        return powerUnits;
    }
    return fanPressureUnits;
}

const UnitDefinition& unitDefinition(UnitQuantity quantity, int index) {
    const std::span<const UnitDefinition> table = unitTable(quantity);
    return table[indexInRange(index, static_cast<int>(table.size()) - 1)];
}

const UnitDefinition& chosenUnit(UnitQuantity quantity, const UnitSettings& units) {
    return unitDefinition(quantity, settingIndex(quantity, units));
}

QString currencyPerPowerText(const UnitSettings& units) {
    return currencySymbol(units) + u'/' + powerUnitText(units);
}

} // namespace wattmere
