#include "calc/EnergyCalculation.h"

#include "calc/ArithmeticGuard.h"
#include "calc/ComparisonPoints.h"
#include "calc/DrivePoint.h"
#include "calc/MotorLosses.h"
#include "calc/PassConstants.h"
#include "units/UnitSettings.h"

#include <initializer_list>

namespace wattmere {

namespace {

// A point beyond the limit line below design flow keeps the power of the point above it;
// the pass runs downward, so a run of such points takes the nearest valid power above.
void storeLimited(SystemResult& result, int percent, double inputPower, bool beyondLimit) {
    result.LimitFlag[percent] = beyondLimit ? 1 : 0;
    result.InputPower[percent] =
        beyondLimit && percent < maxFlowPoint ? result.InputPower[percent + 1] : inputPower;
}

// kWh per year of hours at the power of a flow percent.
double energyAt(double hours, const FlowCurve& inputPower, int percent) {
    return hours * inputPower[flowPointIndex(percent)] * kilowattsPerHorsepower;
}

void sumBands(SystemResult& result, double costPerKWh, ArithmeticGuard& guard) {
    result.AnnualEnergy = 0.0;
    for (int k = 1; k <= bandCount; ++k)
        result.AnnualEnergy += guard.finite(result.BandEnergy[k]);
    result.AnnualEnergy = guard.finite(result.AnnualEnergy);
    result.AnnualEnergyCost = guard.finite(costPerKWh * result.AnnualEnergy);
}

// Energy per band of the systems that follow the ten duty-cycle bands.
void bandEnergies(const DutyCycle& duty, const BandValues& hours, EnergyResults& results) {
    SystemResult* const banded[] = {&results.Drive, &results.Damper, &results.Cycling,
                                    &results.ConstantVolume, &results.InletGuideVane};
    for (int k = 1; k <= bandCount; ++k) {
        for (SystemResult* result : banded)
            result->BandEnergy[k] = energyAt(hours[k], result->InputPower, duty.BandFlowPercent[k]);
    }
}

// The two-speed motor ignores the bands: its own shares of the yearly hours at high speed
// (band 1) and at low speed (band 2); the time stopped uses no energy.
void twoSpeedEnergies(const EnergyInputs& inputs, const DutyCycle& duty, EnergyResults& results) {
    const TwoSpeedInputs& motor = inputs.TwoSpeed;
    results.LowSpeedFlow = lowSpeedFlowIndex(results.LowSpeed, inputs.Horizontal);
    results.TwoSpeedMotor.BandEnergy[1] = kilowattsPerHorsepower * duty.HoursPerYear *
                                          (motor.FullSpeedTimePercent / 100.0) *
                                          results.TwoSpeedHighInput[HighSpeedFlow];
    results.TwoSpeedMotor.BandEnergy[2] = kilowattsPerHorsepower * duty.HoursPerYear *
                                          (motor.ReducedSpeedTimePercent / 100.0) *
                                          results.TwoSpeedLowInput[results.LowSpeedFlow];
}

} // namespace

EnergyOutcome runEnergyCalculation(const EnergyInputs& inputs, const DutyCycle& duty,
                                   const LowSpeedSolution& previousLowSpeed,
                                   EnergyResults& scratch) {
    scratch = EnergyResults{};
    scratch.LowSpeed = previousLowSpeed;

    PassConstants constants;
    constants.PowerConstant = powerConstant(inputs.Analysis);
    if (constants.PowerConstant == 0.0)
        return EnergyOutcome::NoAnalysis;

    ArithmeticGuard guard;
    constants.MotorFullLoadLoss =
        motorFullLoadLoss(inputs.MotorEfficiency, inputs.MotorPower, guard);
    if (guard.failed())
        return EnergyOutcome::ArithmeticFailure;

    for (int k = 1; k <= bandCount; ++k)
        scratch.BandHours[k] = bandHours(duty.HoursPerYear, duty.DutyPercent[k]);

    scratch.LowSpeed.LowSpeedNoFlow = false;
    if (inputs.TwoSpeed.Selected) {
        const std::optional<LowSpeedSolution> solved =
            solveLowSpeedFlow(inputs.DesignHead, inputs.StaticHead, inputs.TwoSpeed.LowSpeedRatio,
                              inputs.Curve, inputs.Quadratic, inputs.Horizontal);
        if (!solved) {
            scratch.LowSpeed.LowSpeedNoFlow = true;
            return EnergyOutcome::TwoSpeedSolverFailure;
        }
        scratch.LowSpeed = *solved;
    }

    // A failure of the curve constants counts only after the system head of the first point
    // has been found valid: unusable system data are reported as such first.
    ArithmeticGuard curveGuard;
    constants.Efficiency = makeEfficiencyCurve(inputs, curveGuard);
    constants.Limit = makeLimitLine(inputs, curveGuard);

    const bool fan = inputs.Analysis == Application::Fan;
    for (int p = maxFlowPoint; p >= 1; --p) {
        const double headRatio = systemHeadRatio(inputs, p / 100.0, guard);
        if (guard.failed())
            return EnergyOutcome::ArithmeticFailure;
        if (headRatio < 0.0)
            return EnergyOutcome::NegativeSystemHead;
        if (curveGuard.failed())
            return EnergyOutcome::ArithmeticFailure;

        const DrivePoint drive = drivePoint(inputs, constants, p, headRatio, guard);
        storeLimited(scratch.Drive, p, drive.InputPower, drive.BeyondLimit);

        const TwoSpeedPoint twoSpeed = twoSpeedPoint(inputs, constants, p, guard);
        scratch.TwoSpeedHighInput[p] = twoSpeed.HighInput;
        scratch.TwoSpeedLowInput[p] = twoSpeed.LowInput;
        scratch.TwoSpeedWeighted[p] = twoSpeed.Weighted;

        const LimitedPoint damper = damperPoint(inputs, constants, p, drive.CurveEfficiency, guard);
        storeLimited(scratch.Damper, p, damper.InputPower, damper.BeyondLimit);

        scratch.Cycling.InputPower[p] = cyclingPower(inputs, p, guard);
        scratch.ConstantVolume.InputPower[p] = constantVolumePower(inputs, guard);

        if (fan) {
            const LimitedPoint vanes = inletGuideVanePoint(inputs, constants, p, guard);
            storeLimited(scratch.InletGuideVane, p, vanes.InputPower, vanes.BeyondLimit);
        }
        if (guard.failed())
            return EnergyOutcome::ArithmeticFailure;
    }

    bandEnergies(duty, scratch.BandHours, scratch);
    twoSpeedEnergies(inputs, duty, scratch);
    for (SystemResult* result :
         {&scratch.Drive, &scratch.Damper, &scratch.Cycling, &scratch.ConstantVolume,
          &scratch.InletGuideVane, &scratch.TwoSpeedMotor})
        sumBands(*result, inputs.CostPerKWh, guard);
    if (guard.failed())
        return EnergyOutcome::ArithmeticFailure;
    return EnergyOutcome::Completed;
}

} // namespace wattmere
