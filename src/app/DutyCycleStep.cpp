#include "app/DutyCycleStep.h"

namespace wattmere {

DutyCycleStep::DutyCycleStep(AnalysisModel& model, CalculationState& state)
    : m_model(model), m_state(state) {}

void DutyCycleStep::compute() {}

} // namespace wattmere
