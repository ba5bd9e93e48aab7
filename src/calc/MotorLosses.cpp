#include "calc/MotorLosses.h"

namespace wattmere {

double motorFullLoadLoss(double motorEfficiency, double motorPower, ArithmeticGuard& guard) {
    return guard.divide((1.0 - motorEfficiency) * motorPower, motorEfficiency);
}

DriveMotorLoss driveMotorLoss(double torqueRatio, double speedRatio, double shaftToMotor,
                              double fullLoadLoss) {
    const double loadFactor = shaftToMotor * shaftToMotor;
    DriveMotorLoss loss;
    loss.Fixed = (0.35 + 0.14 * torqueRatio * loadFactor) * fullLoadLoss;
    loss.Load = 0.35 * fullLoadLoss * torqueRatio * loadFactor;
    loss.Speed = 0.16 * fullLoadLoss * speedRatio;
    loss.Total = loss.Fixed + loss.Load + loss.Speed;
    return loss;
}

double driveLoss(double motorInputPower, double motorPower, double fullLoadLoss,
                 double driveEfficiency, ArithmeticGuard& guard) {
    const double fullLoadInput = motorPower + fullLoadLoss;
    const double lossFactor = guard.divide(1.0 - driveEfficiency, driveEfficiency);
    return lossFactor * fullLoadInput * (0.5 * guard.divide(motorInputPower, fullLoadInput) + 0.5);
}

double fixedSpeedMotorLoss(double shaftPower, double motorPower, double fullLoadLoss,
                           ArithmeticGuard& guard) {
    const double load = guard.divide(shaftPower, motorPower);
    return (0.51 + 0.49 * load * load) * fullLoadLoss;
}

double inputAtEfficiency(double shaftPower, double efficiency, ArithmeticGuard& guard) {
    return shaftPower + guard.divide((1.0 - efficiency) * shaftPower, efficiency);
}

} // namespace wattmere
