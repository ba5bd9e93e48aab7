#pragma once
// The limit (surge) line of one energy calculation: whether it applies (a curve start flow was
// given) and its constant; the tests against it are those of curves/LimitTests.h.

#include "calc/ArithmeticGuard.h"
#include "calc/EnergyInputs.h"

namespace wattmere {

struct LimitLine {
    bool Enabled = false;       // a curve start flow above 0 was given
    double SurgeConstant = 0.0; // SurgeStartPressure / (CurveStartFlow / DesignFlow)^2
};

LimitLine makeLimitLine(const EnergyInputs& inputs, ArithmeticGuard& guard);

} // namespace wattmere
