#pragma once
// Inputs of a default fan analysis (design head 4 in.wg, static 0.8, removed drop 0.4,
// 50 HP shaft and motor, 85 % design and peak efficiency, the default curve data) and the
// default duty cycle, for the energy tests.

#include "calc/DutyCycle.h"
#include "calc/EnergyCalculation.h"
#include "calc/EnergyInputs.h"

#include <memory>

namespace wattmere::testing {

inline EnergyInputs defaultFanInputs() {
    EnergyInputs in;
    in.Analysis = Application::Fan;
    in.DesignHead = 4.0;
    in.StaticHead = 0.8;
    in.RemovedPressureDrop = 0.4;
    in.DesignEfficiency = 0.85;
    in.ShaftPower = 50.0;
    // DesignFlow = PowerConstant x DesignEfficiency x ShaftPower / DesignHead
    in.DesignFlow = 6362.0 * 0.85 * 50.0 / 4.0;
    in.PeakEfficiency = 0.85;
    in.PeakEfficiencyFlow = in.DesignFlow;
    in.AddEfficiency = 0.8 * 0.85;
    in.AddEfficiencyFlow = 0.5 * in.DesignFlow;
    in.CurveStartFlow = 0.0;
    in.SurgeStartPressure = in.DesignHead;
    in.MotorPower = 50.0;
    in.MotorEfficiency = 0.9;
    in.DriveEfficiency = 0.96;
    in.CostPerKWh = 0.1;
    in.Curve = {-0.1, -0.1, 0.0, 1.2};
    in.Quadratic = {-0.4, 0.2, 1.2};
    in.Horizontal = true;
    in.TwoSpeed.HighSpeedRatio = 1.0;
    in.TwoSpeed.LowSpeedRatio = 0.5; // 4 pole / 8 pole
    return in;
}

// 8760 hours; bands 1..10 at 10 .. 100 % flow with the default shares (total 100).
inline DutyCycle defaultDuty() {
    DutyCycle duty;
    duty.HoursPerYear = 8760;
    const int shares[] = {0, 0, 0, 5, 16, 23, 23, 21, 9, 3, 0};
    for (int k = 1; k <= bandCount; ++k) {
        duty.DutyPercent[k] = shares[k];
        duty.BandFlowPercent[k] = 10 * k;
        duty.BandHours[k] = 8760.0 * shares[k] / 100.0;
        duty.DutyTotal += shares[k];
    }
    return duty;
}

// (1 - MotorEfficiency) x MotorPower / MotorEfficiency
inline double fullLoadLoss(const EnergyInputs& in) {
    return (1.0 - in.MotorEfficiency) * in.MotorPower / in.MotorEfficiency;
}

// kW per HP, as every energy is computed.
inline constexpr double kwPerHp = 0.746;

// One run with its own results record (on the heap: the record is large for a stack frame).
struct Run {
    EnergyOutcome outcome = EnergyOutcome::NoAnalysis;
    std::unique_ptr<EnergyResults> results = std::make_unique<EnergyResults>();
};

inline Run run(const EnergyInputs& in, const DutyCycle& duty = defaultDuty(),
               const LowSpeedSolution& previous = {}) {
    Run r;
    r.outcome = runEnergyCalculation(in, duty, previous, *r.results);
    return r;
}

} // namespace wattmere::testing
