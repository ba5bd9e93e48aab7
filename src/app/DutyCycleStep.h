#pragma once
// The duty cycle on the analysis window: reads the running times and the ten band entries,
// computes the duty cycle and writes its labels and the three duty charts.

#include "app/AnalysisModel.h"
#include "app/CalculationState.h"

namespace wattmere {

class DutyCycleStep {
public:
    DutyCycleStep(AnalysisModel& model, CalculationState& state);

    // One run; a failure sets CalcError and leaves the labels not yet written as they were.
    void compute();

private:
    // The three duty bar charts: one bar per band, the duty screen's bars red and hatched
    // while the shares do not add up to 100.
    void showDutyCharts(bool complete);

    AnalysisModel& m_model;
    CalculationState& m_state;
};

} // namespace wattmere
