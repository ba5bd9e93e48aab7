#include "app/EnergyStep.h"

namespace wattmere {

EnergyStep::EnergyStep(AnalysisModel& model, CalculationState& state)
    : m_model(model), m_state(state) {}

void EnergyStep::run() {}
void EnergyStep::showComparison(Choice) {}
void EnergyStep::showSelectedComparison() {}

} // namespace wattmere
