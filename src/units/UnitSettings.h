#pragma once
// The user's unit choices: indices of the pressure, flow, power and currency settings as they
// are stored ("FPU", "FFU", "PPU", "PFU", "PWU", "CRU") plus the user-defined currency text.

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

} // namespace wattmere
