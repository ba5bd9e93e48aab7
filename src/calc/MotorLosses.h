#pragma once
// Loss models of the motor and the drive, in HP: the motor on the drive (fixed, load and
// speed parts), the motor at fixed speed, and the plain efficiency loss.

#include "calc/ArithmeticGuard.h"

namespace wattmere {

// Losses at full load: (1 - efficiency) x motorPower / efficiency.
double motorFullLoadLoss(double motorEfficiency, double motorPower, ArithmeticGuard& guard);

struct DriveMotorLoss {
    double Fixed = 0.0; // MotorLossFixed
    double Load = 0.0;  // MotorLossLoad
    double Speed = 0.0; // MotorLossSpeed
    double Total = 0.0; // MotorLoss
};

// The motor on a drive at a torque and speed ratio, with shaftToMotor = ShaftPower /
// MotorPower; at full torque, full speed and a fully loaded motor it equals fullLoadLoss.
DriveMotorLoss driveMotorLoss(double torqueRatio, double speedRatio, double shaftToMotor,
                              double fullLoadLoss);

// The drive's own loss: half of its full-load loss is fixed, half follows the motor input.
double driveLoss(double motorInputPower, double motorPower, double fullLoadLoss,
                 double driveEfficiency, ArithmeticGuard& guard);

// A motor at fixed speed: (0.51 + 0.49 x (shaftPower / motorPower)^2) x fullLoadLoss.
double fixedSpeedMotorLoss(double shaftPower, double motorPower, double fullLoadLoss,
                           ArithmeticGuard& guard);

// Input power of a motor of the given efficiency: shaft + (1 - e) x shaft / e.
double inputAtEfficiency(double shaftPower, double efficiency, ArithmeticGuard& guard);

} // namespace wattmere
