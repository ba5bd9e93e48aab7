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
    AnalysisModel& m_model;
    CalculationState& m_state;
};

} // namespace wattmere
