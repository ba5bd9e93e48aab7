#pragma once
// The typed results of the calculation, kept beside the label texts: the duty cycle, the design
// point and fitted curve with its table and surge line, the energy of the drive and of every
// comparison system, and the costs, savings and payback. Other parts (file, report, CLI) read
// them between recalculations.

#include "calc/Costs.h"
#include "calc/DutyCycle.h"
#include "calc/EnergyCalculation.h"
#include "curves/CurveCoefficients.h"
#include "curves/CurveFit.h"
#include "curves/CurveTable.h"
#include "curves/SurgeLine.h"

#include <optional>

namespace wattmere {

// The design point and curve data as the last fit read them, in base units; efficiencies as
// fractions.
struct CurveState {
    double DesignHead = 0.0;
    double StaticHead = 0.0;
    double RemovedPressureDrop = 0.0;
    double DesignFlow = 0.0;
    double DesignEfficiency = 0.0;
    double ShaftPower = 0.0; // HP
    double PeakEfficiency = 0.0;
    double PeakEfficiencyFlow = 0.0;
    double AddEfficiency = 0.0;
    double AddEfficiencyFlow = 0.0;
    double CurveStartFlow = 0.0;
    double CurveEndFlow = 0.0;
    double StartFlowRatio = 0.0; // qs = CurveStartFlow / DesignFlow
    NormalisedCurvePoints Points;
    CurveCoefficients Coefficients;
    QuadraticCoefficients Quadratic;
    bool Horizontal = true; // HORIZ when the curve was fitted
    // A fan and a pump analysis keep separate tables.
    CurveTable FanTable;
    CurveTable PumpTable;
    ControlCurve Control;
    SurgeLine Surge;
};

struct CalculationState {
    DutyCycle Duty;
    bool DutyProductWasFullYear = false;
    CurveState Curve;
    // The results of the last complete energy calculation, and the record the next one is
    // computed into (published only when that run completes).
    EnergyResults Energy;
    EnergyResults EnergyScratch;
    double CostPerKWh = 0.0;
    double MotorPower = 0.0; // HP
    CostTotals Costs;
    wattmere::Savings Savings;
    // AnnualEnergy of the comparison system last displayed.
    double SelectedCompareEnergy = 0.0;
};

} // namespace wattmere
