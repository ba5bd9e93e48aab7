#include "calc/ComparisonPoints.h"

#include "calc/MotorLosses.h"
#include "curves/LimitTests.h"

namespace wattmere {

namespace {

// Head on the system curve without the pressure drop that only the drive removes.
double plainSystemHead(const EnergyInputs& inputs, double x) {
    return (inputs.DesignHead - inputs.StaticHead) * x * x + inputs.StaticHead;
}

double twoSpeedInput(const EnergyInputs& inputs, const PassConstants& constants, double x,
                     double speedRatio, double efficiencyPercent, ArithmeticGuard& guard) {
    const double flow = x * inputs.DesignFlow;
    const double head =
        inputs.Analysis == Application::Pump
            ? guard.finite(curveHeadRatioAtSpeed(inputs.Curve, inputs.Horizontal, x, speedRatio)) *
                  inputs.DesignHead
            : plainSystemHead(inputs, x);
    const double shaftPower =
        guard.divide(head * flow, inputs.DesignEfficiency * constants.PowerConstant);
    return inputAtEfficiency(shaftPower, efficiencyPercent / 100.0, guard);
}

} // namespace

TwoSpeedPoint twoSpeedPoint(const EnergyInputs& inputs, const PassConstants& constants, int percent,
                            ArithmeticGuard& guard) {
    const double x = percent / 100.0;
    const TwoSpeedInputs& motor = inputs.TwoSpeed;
    TwoSpeedPoint point;
    point.HighInput = twoSpeedInput(inputs, constants, x, motor.HighSpeedRatio,
                                    motor.HighSpeedEfficiencyPercent, guard);
    point.LowInput = twoSpeedInput(inputs, constants, x, motor.LowSpeedRatio,
                                   motor.LowSpeedEfficiencyPercent, guard);
    point.Weighted = guard.finite(point.HighInput * motor.FullSpeedTimePercent / 100.0 +
                                  point.LowInput * motor.ReducedSpeedTimePercent / 100.0);
    return point;
}

LimitedPoint damperPoint(const EnergyInputs& inputs, const PassConstants& constants, int percent,
                         double curveEfficiencyHere, ArithmeticGuard& guard) {
    const double x = percent / 100.0;
    const double flow = x * inputs.DesignFlow;
    const double head =
        guard.finite(curveHeadRatioAtSpeed(inputs.Curve, inputs.Horizontal, x, 1.0)) *
        inputs.DesignHead;
    const double fluidPower = guard.divide(flow * head, constants.PowerConstant);
    const double shaftPower = guard.divide(fluidPower, curveEfficiencyHere);
    LimitedPoint point;
    point.InputPower =
        guard.finite(shaftPower + fixedSpeedMotorLoss(shaftPower, inputs.MotorPower,
                                                      constants.MotorFullLoadLoss, guard));
    // Left of the curve's start point the fan or pump cannot operate steadily.
    point.BeyondLimit = constants.Limit.Enabled &&
                        throttlingBeyondLimit(percent, inputs.CurveStartFlow, inputs.DesignFlow);
    return point;
}

double cyclingPower(const EnergyInputs& inputs, int percent, ArithmeticGuard& guard) {
    const double shaftPower = percent / 100.0 * inputs.ShaftPower;
    return guard.finite(inputAtEfficiency(shaftPower, inputs.MotorEfficiency, guard));
}

double constantVolumePower(const EnergyInputs& inputs, ArithmeticGuard& guard) {
    return guard.finite(inputAtEfficiency(inputs.ShaftPower, inputs.MotorEfficiency, guard));
}

LimitedPoint inletGuideVanePoint(const EnergyInputs& inputs, const PassConstants& constants,
                                 int percent, ArithmeticGuard& guard) {
    const double x = percent / 100.0;
    const double headRatio = guard.divide(plainSystemHead(inputs, x), inputs.DesignHead);
    const double fluidFraction = headRatio * x;
    const double shaftFraction = fluidFraction + 0.45 * (1.0 - fluidFraction);
    const double shaftPower = shaftFraction * inputs.ShaftPower;
    LimitedPoint point;
    point.InputPower =
        guard.finite(shaftPower + fixedSpeedMotorLoss(shaftPower, inputs.MotorPower,
                                                      constants.MotorFullLoadLoss, guard));
    point.BeyondLimit =
        constants.Limit.Enabled &&
        inletGuideVanesBeyondLimit(percent, inputs.CurveStartFlow, inputs.StaticHead,
                                   inputs.DesignHead, constants.Limit.SurgeConstant);
    return point;
}

} // namespace wattmere
