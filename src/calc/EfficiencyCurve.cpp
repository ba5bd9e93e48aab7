#include "calc/EfficiencyCurve.h"

namespace wattmere {

EfficiencyCurve makeEfficiencyCurve(const EnergyInputs& inputs, ArithmeticGuard& guard) {
    EfficiencyCurve curve;
    curve.Floor = inputs.PeakEfficiency / 3.0;
    curve.Span = inputs.PeakEfficiency - curve.Floor;
    const double logWidth =
        -guard.log(guard.divide(inputs.AddEfficiency - curve.Floor, curve.Span));
    curve.PeakPercent = guard.divide(100.0 * inputs.PeakEfficiencyFlow, inputs.DesignFlow);
    const double addPercent = guard.divide(100.0 * inputs.AddEfficiencyFlow, inputs.DesignFlow);
    if (inputs.AddEfficiency == inputs.PeakEfficiency) {
        curve.Width = 0.0;
    } else {
        const double distance = addPercent - curve.PeakPercent;
        curve.Width = guard.divide(logWidth, distance * distance);
    }
    return curve;
}

double curveEfficiency(const EfficiencyCurve& curve, double percent, ArithmeticGuard& guard) {
    const double offset = percent - curve.PeakPercent;
    return curve.Span * guard.exp(-curve.Width * offset * offset) + curve.Floor;
}

} // namespace wattmere
