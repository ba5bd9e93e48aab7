#pragma once
// The user's unit choices: indices of the pressure, flow, power and currency settings as they
// are stored ("FPU", "FFU", "PPU", "PFU", "PWU", "CRU") plus the user-defined currency text,
// and the values derived from them.

#include <QString>

namespace wattmere {

struct UnitSettings {
    int fanPressure = 0;    // FPU 0..4: in.wg, cm.wg, Pa, kPa, mBar
    int fanFlow = 0;        // FFU 0..5: cfm, M3/min, M3/h, l/s, l/min, M3/s
    int pumpPressure = 0;   // PPU 0..5: PSI, ft.wg, m.wg, kPa, MPa, Bar
    int pumpFlow = 0;       // PFU 0..4: GPM, M3/min, M3/h, l/s, l/min
    int power = 0;          // PWU 0..1: HP, kW
    int currency = 0;       // CRU 0..3: "$", "£ ", "€", user-defined
    QString customCurrency; // the user-defined currency text, at most 4 characters

    bool operator==(const UnitSettings&) const = default;
};

// Highest valid index of each setting; a stored index outside 0..max loads as 0.
inline constexpr int maxFanPressureIndex = 4;
inline constexpr int maxFanFlowIndex = 5;
inline constexpr int maxPumpPressureIndex = 5;
inline constexpr int maxPumpFlowIndex = 4;
inline constexpr int maxPowerIndex = 1;
inline constexpr int maxCurrencyIndex = 3;
inline constexpr int userDefinedCurrencyIndex = 3;
inline constexpr int maxCustomCurrencyLength = 4;

// kW per HP: every power shown or turned into energy is multiplied by it.
inline constexpr double kilowattsPerHorsepower = 0.746;

// The index itself when it lies in 0..maxIndex, else 0.
constexpr int indexInRange(int index, int maxIndex) {
    return index >= 0 && index <= maxIndex ? index : 0;
}

// "HP" or "kW".
QString powerUnitText(const UnitSettings& units);

// 0.746 when power is shown in HP, 1.0 when in kW.
double powerFactor(const UnitSettings& units);

// "$", "£ " (with its blank), "€", or the user-defined text cut to 4 characters.
QString currencySymbol(const UnitSettings& units);

} // namespace wattmere
