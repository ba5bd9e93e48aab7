#include "app/CostStep.h"

namespace wattmere {

CostStep::CostStep(AnalysisModel& model, CalculationState& state)
    : m_model(model), m_state(state) {}

void CostStep::computeCostTotals() {}
void CostStep::showSavings() {}
void CostStep::setPaybackYears(int) {}

} // namespace wattmere
