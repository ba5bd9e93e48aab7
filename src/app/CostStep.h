#pragma once
// Costs, savings and payback on the analysis window: the cost totals, and on a page change the
// savings, the simple payback and the payback chart.

#include "app/AnalysisModel.h"
#include "app/CalculationState.h"

#include <optional>

namespace wattmere {

class CostStep {
public:
    CostStep(AnalysisModel& model, CalculationState& state);

    // The four cost totals and their labels; a failure is swallowed.
    void computeCostTotals();
    // Savings, payback label and payback chart, from the totals and the energy costs of the
    // drive and of the checked comparison system.
    void showSavings();
    // "1 Year" ... "5 Years": the payback chart's year axis ends at index + 1.
    void setPaybackYears(int comboIndex);

private:
    // The currency text, a blank and the amount as a grouped whole number.
    QString money(double amount) const;
    // AnnualEnergyCost of the system of the checked comparison button, if one is checked.
    std::optional<double> selectedCompareEnergyCost() const;
    QString paybackText(const Savings& savings) const;

    AnalysisModel& m_model;
    CalculationState& m_state;
};

} // namespace wattmere
