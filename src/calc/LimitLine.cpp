#include "calc/LimitLine.h"

namespace wattmere {

LimitLine makeLimitLine(const EnergyInputs& inputs, ArithmeticGuard& guard) {
    LimitLine line;
    if (!(inputs.CurveStartFlow > 0.0))
        return line;
    line.Enabled = true;
    const double startRatio = guard.divide(inputs.CurveStartFlow, inputs.DesignFlow);
    line.SurgeConstant = guard.divide(inputs.SurgeStartPressure, startRatio * startRatio);
    return line;
}

} // namespace wattmere
