#pragma once
// The energy calculation on the analysis window: runs the drive and every comparison system,
// publishes the results only when the run completes, writes the drive's labels, limit marks
// and charts, and shows the selected comparison system.

#include "app/AnalysisModel.h"
#include "app/CalculationState.h"

namespace wattmere {

class EnergyStep {
public:
    EnergyStep(AnalysisModel& model, CalculationState& state);

    // One energy calculation (nothing while CalcError is set). Invalid system data show
    // IDS_16 (fan) or IDS_17 (pump) and return to step 2; an arithmetic failure sets CalcError,
    // puts IDS_19 in the curve note and, during a page change, shows IDS_18.
    void run();
    // The display of a comparison system (R1 ... R5): labels, limit marks, charts and the
    // energy the costs use. Computes nothing.
    void showComparison(Choice system);
    // The display of the checked comparison system, if any.
    void showSelectedComparison();

private:
    AnalysisModel& m_model;
    CalculationState& m_state;
};

} // namespace wattmere
