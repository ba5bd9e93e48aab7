#include "app/CurveStep.h"

namespace wattmere {

CurveStep::CurveStep(AnalysisModel& model, CalculationState& state)
    : m_model(model), m_state(state) {}

void CurveStep::CompleteDesignPoint() {}
bool CurveStep::CheckCurveData(bool) {
    return true;
}
void CurveStep::FitCurve() {}
void CurveStep::applyDefaultCurveRows() {}
void CurveStep::redrawCurves() {}

} // namespace wattmere
