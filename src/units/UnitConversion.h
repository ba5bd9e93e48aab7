#pragma once
// Conversion of pressures, flows and powers between the units the user works in and the base
// units of every calculation (in.wg and cfm for a fan, ft.wg and GPM for a pump, HP).

#include <QString>
#include <optional>

#include "core/Application.h"
#include "units/UnitSettings.h"
#include "units/UnitTables.h"

namespace wattmere {

enum class Quantity { Pressure, Flow, Power };

// Which unit setting a quantity follows in the application: FPU/FFU for a fan, PPU/PFU for a
// pump, PWU for power in either. A pressure or flow has none while no application is active.
std::optional<UnitQuantity> unitQuantity(Quantity quantity, Application application);

// The unit chosen for a quantity of the application. A pressure or flow without an application
// gets a unit with factor 1 and empty texts, so values pass through unchanged and no unit
// text is shown.
const UnitDefinition& activeUnit(Quantity quantity, Application application,
                                 const UnitSettings& units);

// An entered (display) value in base units, and a base value in display units.
double toBase(Quantity quantity, double displayValue, Application application,
              const UnitSettings& units);
double fromBase(Quantity quantity, double baseValue, Application application,
                const UnitSettings& units);

// The conversion of one quantity from base units into the user's unit, looked up once for a
// run of values (a chart series) and giving exactly what fromBase gives.
class DisplayScale {
public:
    explicit DisplayScale(long double factor) : m_factor(factor) {}
    double operator()(double baseValue) const {
        return static_cast<double>(static_cast<long double>(baseValue) * m_factor);
    }

private:
    long double m_factor;
};
DisplayScale displayScale(Quantity quantity, Application application, const UnitSettings& units);

// The caption of the active unit as the unit labels show it ("in wg", "m3/min", "kW").
QString activeCaption(Quantity quantity, Application application, const UnitSettings& units);

// The parameter registry's text of the active unit ("in.wg", "M3/min", "kW").
QString activeUnitText(Quantity quantity, Application application, const UnitSettings& units);

} // namespace wattmere
