#pragma once
// The efficiency of the fan or pump over percent of design flow: a bell curve through the
// peak and the additional point, with a floor of one third of the peak.

#include "calc/ArithmeticGuard.h"
#include "calc/EnergyInputs.h"

namespace wattmere {

struct EfficiencyCurve {
    double Floor = 0.0;       // PeakEfficiency / 3
    double Span = 0.0;        // PeakEfficiency - Floor
    double Width = 0.0;       // k; 0 gives a flat curve at the peak
    double PeakPercent = 0.0; // flow of the peak, % of design flow
};

// Fails (through the guard) when the additional point lies at or below the floor, or at the
// flow of the peak with a different efficiency.
EfficiencyCurve makeEfficiencyCurve(const EnergyInputs& inputs, ArithmeticGuard& guard);

// CurveEfficiency at p % of design flow.
double curveEfficiency(const EfficiencyCurve& curve, double percent, ArithmeticGuard& guard);

} // namespace wattmere
