#pragma once
// The energy calculation on the analysis window: runs the drive and every comparison system,
// publishes the results only when the run completes, writes the drive's labels, limit marks
// and charts, and shows the selected comparison system.

#include "app/AnalysisModel.h"
#include "app/CalculationState.h"
#include "calc/EnergyInputs.h"

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
    EnergyInputs readInputs() const;
    void reportInvalidSystemData();
    void reportArithmeticFailure();
    // The drive's limit marks, labels and charts from the published results.
    void showDriveResults();
    void showBandedComparison(Choice system);
    void showTwoSpeedComparison();
    void showComparisonTotals(const SystemResult& result);
    void clearComparisonMarks();
    // Empties both comparison series and titles them with the system's name.
    void titleComparisonSeries();
    void setErrorLabelsVisible(bool visible);
    void setSurgeSeriesActive(bool active);
    // "*" beside the rows of the nominal flows 100 % ... 10 % that lie beyond the limit line.
    void markLimits(Label top, const SystemResult& result);
    QString grouped(double value) const;

    AnalysisModel& m_model;
    CalculationState& m_state;
    // The two-speed solver state in force, also after a run that published nothing: the next
    // run starts from it while the published results keep the state they were computed with.
    LowSpeedSolution m_lowSpeed;
};

} // namespace wattmere
