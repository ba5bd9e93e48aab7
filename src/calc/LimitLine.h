#pragma once
// The limit (surge) line: the parabola through the origin and the curve's start point. A
// system head above it at some flow lies in the surge region.

#include "calc/ArithmeticGuard.h"
#include "calc/EnergyInputs.h"

namespace wattmere {

struct LimitLine {
    bool Enabled = false;       // a curve start flow above 0 was given
    double SurgeConstant = 0.0; // SurgeStartPressure / (CurveStartFlow / DesignFlow)^2

    // Whether head (base units) at flow fraction x lies above the line.
    bool isAbove(double head, double x) const { return Enabled && head > SurgeConstant * (x * x); }
};

LimitLine makeLimitLine(const EnergyInputs& inputs, ArithmeticGuard& guard);

} // namespace wattmere
