#pragma once
// One energy calculation: input power at every percent of design flow and the yearly energy
// and cost of the drive and of every comparison system, from typed inputs.

#include "calc/DutyCycle.h"
#include "calc/EnergyInputs.h"
#include "calc/SystemResult.h"
#include "calc/TwoSpeedSolver.h"

namespace wattmere {

struct EnergyResults {
    SystemResult Drive;
    SystemResult ConstantVolume;
    SystemResult Cycling;
    SystemResult TwoSpeedMotor;  // BandEnergy[1] high speed, [2] low speed, the rest 0
    SystemResult Damper;         // outlet dampers (fan) or throttling valve (pump)
    SystemResult InletGuideVane; // fan only; all zero in a pump analysis

    FlowCurve TwoSpeedHighInput{};
    FlowCurve TwoSpeedLowInput{};
    FlowCurve TwoSpeedWeighted{};

    // The two-speed solver state after the run: solved anew when the two-speed motor is
    // selected, otherwise the state in force before with LowSpeedNoFlow cleared.
    LowSpeedSolution LowSpeed;
    int LowSpeedFlow = 0; // the entry of TwoSpeedLowInput the low-speed energy used (0..100)

    BandValues BandHours{}; // hours per year at each band, as this run used them
};

enum class EnergyOutcome {
    Completed,
    // The system head ratio fell below 0 (the removed pressure drop exceeds the design
    // head): the system data are not valid.
    NegativeSystemHead,
    // A division by zero, a logarithm or square root without a value, or an overflow.
    ArithmeticFailure,
    // The two-speed low-speed solver failed before the pass: CalcError and LowSpeedNoFlow.
    TwoSpeedSolverFailure,
    // Neither a fan nor a pump analysis is running.
    NoAnalysis,
};

// Runs the whole calculation into scratch, which it overwrites completely and never resizes
// (no allocation). previousLowSpeed is the two-speed solver state in force before the run.
//
// Publishing: on Completed the caller swaps scratch into its results. On any other outcome
// the caller keeps its results and takes only scratch.LowSpeed, which is always the solver
// state in force after the run (on TwoSpeedSolverFailure: the previous flows with
// LowSpeedNoFlow set).
EnergyOutcome runEnergyCalculation(const EnergyInputs& inputs, const DutyCycle& duty,
                                   const LowSpeedSolution& previousLowSpeed,
                                   EnergyResults& scratch);

} // namespace wattmere
