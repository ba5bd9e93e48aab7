#pragma once
// The conventional ways of controlling the same fan or pump, at one flow point: two-speed
// motor, outlet damper or throttling valve, cycling, constant volume, inlet guide vanes.

#include "calc/ArithmeticGuard.h"
#include "calc/EnergyInputs.h"
#include "calc/PassConstants.h"

namespace wattmere {

// Input power (HP) of the two-speed motor at each speed, and their time-weighted blend.
struct TwoSpeedPoint {
    double HighInput = 0.0; // TwoSpeedHighInput
    double LowInput = 0.0;  // TwoSpeedLowInput
    double Weighted = 0.0;  // TwoSpeedWeighted
};

// Input power (HP) of a system that has a limit test, and whether the point lies beyond it.
struct LimitedPoint {
    double InputPower = 0.0;
    bool BeyondLimit = false;
};

// A fan keeps the system head at both speeds; a pump runs on its curve at each speed.
TwoSpeedPoint twoSpeedPoint(const EnergyInputs& inputs, const PassConstants& constants, int percent,
                            ArithmeticGuard& guard);

// Outlet damper (fan) or throttling valve (pump): the fan or pump rides its own curve at full
// speed with the efficiency of the bell curve (curveEfficiencyHere, at the same point).
LimitedPoint damperPoint(const EnergyInputs& inputs, const PassConstants& constants, int percent,
                         double curveEfficiencyHere, ArithmeticGuard& guard);

// Cycling: the shaft power in proportion to the flow, through the motor efficiency.
double cyclingPower(const EnergyInputs& inputs, int percent, ArithmeticGuard& guard);

// Constant volume: the design shaft power through the motor efficiency at every flow.
double constantVolumePower(const EnergyInputs& inputs, ArithmeticGuard& guard);

// Inlet guide vanes (fan only): on the system curve without the removed pressure drop.
LimitedPoint inletGuideVanePoint(const EnergyInputs& inputs, const PassConstants& constants,
                                 int percent, ArithmeticGuard& guard);

} // namespace wattmere
