#pragma once
// Everything one energy calculation reads, already parsed and in base units: in.wg and cfm
// for a fan, ft.wg and GPM for a pump, HP for power, efficiencies as fractions.

#include "core/Application.h"
#include "curves/CurveCoefficients.h"

namespace wattmere {

// The two-speed motor comparison: its motor efficiencies and time shares as entered (%),
// and the speed pair of the selected winding (1.0 / 1.0 when none is selected).
struct TwoSpeedInputs {
    double HighSpeedEfficiencyPercent = 90.0; // A170
    double LowSpeedEfficiencyPercent = 85.0;  // A171
    double FullSpeedTimePercent = 50.0;       // A172
    double ReducedSpeedTimePercent = 50.0;    // A173
    double HighSpeedRatio = 1.0;
    double LowSpeedRatio = 1.0;
    bool Selected = false; // R3 checked: the low-speed operating point is solved anew
};

struct EnergyInputs {
    Application Analysis = Application::None; // fan or pump

    // Design point and system.
    double DesignHead = 0.0;
    double StaticHead = 0.0;
    double RemovedPressureDrop = 0.0;
    double DesignFlow = 0.0;
    double DesignEfficiency = 0.0;

    // Efficiency curve of the fan or pump.
    double PeakEfficiency = 0.0;
    double PeakEfficiencyFlow = 0.0;
    double AddEfficiency = 0.0;
    double AddEfficiencyFlow = 0.0;

    // Limit line: 0 start flow means no limit tests.
    double CurveStartFlow = 0.0;
    double SurgeStartPressure = 0.0;

    // Motor, drive and energy price.
    double ShaftPower = 0.0;      // HP
    double MotorPower = 0.0;      // HP
    double MotorEfficiency = 0.0; // fraction
    double DriveEfficiency = 0.0; // fraction
    double CostPerKWh = 0.0;

    // Fitted curve; Horizontal is the HORIZ choice (cubic with zero slope at point 1).
    CurveCoefficients Curve;
    QuadraticCoefficients Quadratic;
    bool Horizontal = true;

    TwoSpeedInputs TwoSpeed;
};

} // namespace wattmere
