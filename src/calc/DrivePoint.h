#pragma once
// The variable-speed drive at one flow point: the fan or pump on the system curve at reduced
// speed, with its motor and drive losses.

#include "calc/ArithmeticGuard.h"
#include "calc/EnergyInputs.h"
#include "calc/PassConstants.h"

namespace wattmere {

// The drive's work values at one flow point (HP for powers, fractions for ratios).
struct DrivePoint {
    double FlowFraction = 0.0;
    double SystemHeadRatio = 0.0;
    double CurveEfficiency = 0.0;
    double DriveFanEfficiency = 0.0;
    double DriveShaftPower = 0.0;
    double SpeedRatio = 0.0;
    double TorqueRatio = 0.0;
    double MotorLossFixed = 0.0;
    double MotorLossLoad = 0.0;
    double MotorLossSpeed = 0.0;
    double MotorLoss = 0.0;
    double MotorInputPower = 0.0;
    double DriveLoss = 0.0;
    double InputPower = 0.0;
    bool BeyondLimit = false; // LimitFlag
};

// System head over design head at flow fraction x, with the pressure drop the drive removes.
// Below 0 the system data are unusable.
double systemHeadRatio(const EnergyInputs& inputs, double x, ArithmeticGuard& guard);

// The rest of the point at p % of design flow, given its (non-negative) system head ratio.
DrivePoint drivePoint(const EnergyInputs& inputs, const PassConstants& constants, int percent,
                      double headRatio, ArithmeticGuard& guard);

} // namespace wattmere
