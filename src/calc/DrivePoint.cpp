#include "calc/DrivePoint.h"

#include "calc/MotorLosses.h"
#include "curves/LimitTests.h"

namespace wattmere {

double systemHeadRatio(const EnergyInputs& inputs, double x, ArithmeticGuard& guard) {
    const double variableHead = inputs.DesignHead - inputs.StaticHead - inputs.RemovedPressureDrop;
    return guard.divide(variableHead * x * x + inputs.StaticHead, inputs.DesignHead);
}

DrivePoint drivePoint(const EnergyInputs& inputs, const PassConstants& constants, int percent,
                      double headRatio, ArithmeticGuard& guard) {
    DrivePoint point;
    const double x = percent / 100.0;
    point.FlowFraction = x;
    point.SystemHeadRatio = headRatio;

    point.CurveEfficiency = curveEfficiency(constants.Efficiency, percent, guard);
    // On the drive the fan or pump runs three quarters of the way toward its peak efficiency.
    point.DriveFanEfficiency =
        point.CurveEfficiency + 0.75 * (inputs.PeakEfficiency - point.CurveEfficiency);
    point.DriveShaftPower = guard.divide((x * inputs.DesignFlow) * (headRatio * inputs.DesignHead),
                                         constants.PowerConstant * point.DriveFanEfficiency);

    // The speed follows the system curve without the removed pressure drop.
    point.SpeedRatio = guard.sqrt(guard.divide(
        x * x * (inputs.DesignHead - inputs.StaticHead) + inputs.StaticHead, inputs.DesignHead));
    point.TorqueRatio =
        guard.divide(guard.divide(point.DriveShaftPower, inputs.ShaftPower), point.SpeedRatio);

    const double shaftToMotor = guard.divide(inputs.ShaftPower, inputs.MotorPower);
    const DriveMotorLoss loss = driveMotorLoss(point.TorqueRatio, point.SpeedRatio, shaftToMotor,
                                               constants.MotorFullLoadLoss);
    point.MotorLossFixed = loss.Fixed;
    point.MotorLossLoad = loss.Load;
    point.MotorLossSpeed = loss.Speed;
    point.MotorLoss = loss.Total;
    point.MotorInputPower = point.DriveShaftPower + point.MotorLoss;
    point.DriveLoss = driveLoss(point.MotorInputPower, inputs.MotorPower,
                                constants.MotorFullLoadLoss, inputs.DriveEfficiency, guard);
    point.InputPower = guard.finite(point.DriveLoss + point.MotorInputPower);
    point.BeyondLimit =
        constants.Limit.Enabled &&
        driveBeyondLimit(percent, inputs.CurveStartFlow, inputs.StaticHead, inputs.DesignHead,
                         inputs.RemovedPressureDrop, constants.Limit.SurgeConstant);
    return point;
}

} // namespace wattmere
