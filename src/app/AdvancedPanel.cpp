#include "app/AdvancedPanel.h"

#include "app/StepPanels.h"

namespace wattmere {

namespace {

// The sixteen fields of the panel, A147 and A148 (hidden, written by the fit) included.
constexpr Field firstCurveField = Field::A144;
constexpr Field lastCurveField = Field::A159;

} // namespace

AdvancedPanel::AdvancedPanel(Analysis& analysis) : m_analysis(analysis) {}

bool AdvancedPanel::isCurveField(Field id) {
    const int index = indexOf(id);
    return index >= indexOf(firstCurveField) && index <= indexOf(lastCurveField) &&
           id != Field::A147 && id != Field::A148;
}

void AdvancedPanel::enterAdvancedMode() {
    AnalysisModel& model = m_analysis.model();
    WindowState& window = model.window();
    m_analysis.binding().SystemDataSelectionChange();
    if (window.flags().calcError) {
        model.inform("IDS_103");
        return;
    }
    if (!m_analysis.SystemDataComplete()) {
        model.inform("IDS_24");
        return;
    }
    if (!m_analysis.binding().ValidateSystemData(true))
        return;
    showAdvancedPanel(window);
    m_analysis.RecalculateAll();
    window.setText(Field::A174, window.text(Field::A144));
    window.setText(Field::A175, window.text(Field::A149));
    window.editFlags().advancedModeOn = true;
}

void AdvancedPanel::enterCurveField(Field id, const QString& text) {
    m_analysis.window().setText(id, text);
    curveFieldExit(id);
}

void AdvancedPanel::curveFieldExit(Field id) {
    if (!isCurveField(id))
        return;
    m_analysis.binding().checkRange(id, false, true);
    applyCoupling(id);
    CurveStep& curves = m_analysis.curves();
    if (!curves.CheckCurveData(false))
        return;
    curves.FitCurve();
    m_analysis.RecalculateAll();
    curves.redrawCurves();
}

void AdvancedPanel::applyCoupling(Field id) {
    AnalysisModel& model = m_analysis.model();
    DesignMemory& memory = model.designMemory();
    const QString& text = model.window().text(id);
    if (id == Field::A145 && text != memory.couplingA145) {
        memory.couplingA145 = text;
        model.writeNumber(Field::A146, 0.8 * model.number(Field::A145), 1);
    } else if (id == Field::A150 && text != memory.couplingA150) {
        memory.couplingA150 = text;
        model.writeNumber(Field::A151, 0.5 * model.number(Field::A150), 2);
    }
}

void AdvancedPanel::clickHorizontal(bool checked) {
    WindowState& window = m_analysis.window();
    window.setChecked(Choice::HORIZ, checked);
    // Applying a file sets the tick as stored; the checks and the fit follow the load.
    if (window.flags().loading)
        return;
    window.setModified(true);
    CurveStep& curves = m_analysis.curves();
    if (!curves.CheckCurveData(true))
        return;
    curves.FitCurve();
    curves.redrawCurves();
}

void AdvancedPanel::goBackToStep2() {
    WindowState& window = m_analysis.window();
    CurveStep& curves = m_analysis.curves();
    // Invalid curve data keeps the user on the panel, as a page change does.
    if (!curves.CheckCurveData(true))
        return;
    curves.FitCurve();
    // A failing energy calculation must also show its dialog here, as during a page change.
    WindowFlags& flags = window.editFlags();
    const bool stepChange = flags.stepChange;
    flags.stepChange = true;
    m_analysis.RecalculateAll();
    window.editFlags().stepChange = stepChange;
    if (window.flags().calcError)
        return;
    showSystemDataPanel(window);
}

void AdvancedPanel::restoreDefaults() {
    AnalysisModel& model = m_analysis.model();
    if (model.application() == Application::None)
        return;
    if (model.ask("IDS_33", PromptKind::Confirmation, PromptButtons::YesCancel) !=
        PromptAnswer::Yes)
        return;
    WindowState& window = model.window();
    window.setChecked(Choice::HORIZ, true);
    // The intermediate values are written in white so that a view does not flicker.
    const auto setCurveTextColour = [&window](Rgb colour) {
        for (int i = indexOf(firstCurveField); i <= indexOf(lastCurveField); ++i)
            window.setTextColour(static_cast<Field>(i), colour);
    };
    setCurveTextColour(colours::white);
    model.designMemory().clearCouplingTexts();
    window.editFlags().defaultsPending = true;
    FieldBinding& binding = m_analysis.binding();
    binding.setCurveDefaultsForSelection(TransferMode::ShowDefaults);
    if (binding.ValidateSystemData(false))
        m_analysis.RecalculateAll();
    CurveStep& curves = m_analysis.curves();
    if (curves.CheckCurveData(false)) {
        curves.FitCurve();
        curves.applyDefaultCurveRows();
        binding.CopyAdvancedDesignPoint();
        curves.FitCurve();
        curves.redrawCurves();
    }
    setCurveTextColour(colours::black);
}

void AdvancedPanel::applyLockEnabling() {
    WindowState& window = m_analysis.window();
    window.setEnabled(Field::A144, window.isChecked(Choice::LOCKA144));
    window.setEnabled(Field::A149, window.isChecked(Choice::LOCKA149));
}

void AdvancedPanel::clickLockA144() {
    WindowState& window = m_analysis.window();
    window.setChecked(Choice::LOCKA144, true);
    applyLockEnabling();
}

void AdvancedPanel::clickLockA149() {
    AnalysisModel& model = m_analysis.model();
    WindowState& window = model.window();
    window.setChecked(Choice::LOCKA149, true);
    // Going back to the flow-given mode must not keep a design efficiency above the peak.
    if (model.number(Field::A144) > model.number(Field::A145)) {
        window.setText(Field::A144, window.text(Field::A145));
        window.setText(Field::A149, window.text(Field::A150));
        m_analysis.curves().CheckCurveData(false);
    }
    applyLockEnabling();
}

void AdvancedPanel::zoomGraph() {
    m_analysis.window().setVisible(Panel::ADVANCEDGRAPH, true);
}

void AdvancedPanel::backToAdvancedMode() {
    showAdvancedPanel(m_analysis.window());
}

} // namespace wattmere
