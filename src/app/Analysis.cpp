#include "app/Analysis.h"

namespace wattmere {

Analysis::Analysis(Prompter& prompter)
    : m_model(prompter), m_binding(m_model, *this), m_dutyCycle(m_model, m_state),
      m_curves(m_model, m_state), m_energy(m_model, m_state), m_costs(m_model, m_state) {}

void Analysis::create() {
    m_model.defineParameterTable(false);
    m_binding.set_fieldsA(TransferMode::ShowDefaults);
    m_binding.SystemDataSelectionChange();
    m_model.window().editFlags().created = true;
}

void Analysis::setUpNewAnalysis(Application application) {
    WindowState& window = m_model.window();
    window.setChecked(Choice::HORIZ, true);
    window.setModified(false);
    m_model.setApplication(application);
    for (Field id : customerFields)
        window.setText(id, QString());
    for (Field id : costDescriptionFields)
        window.setText(id, QString());
    m_model.defineParameterTable(true);
    m_binding.set_fieldsA(TransferMode::ShowDefaults);
    m_model.ResetDesignState();
    RecalculateAll();
    window.setCalcPage(0);
    window.setVisible(Panel::GraphPanel, false);
    for (Panel id : {Panel::CalcPanel, Panel::Step6Panel, Panel::Step2})
        window.setVisible(id, true);
    for (Panel id : {Panel::DutyCyclePanel, Panel::FanAdvanced, Panel::ADVANCEDGRAPH})
        window.setVisible(id, false);
    window.setChecked(m_model.isFan() ? Choice::R5 : Choice::R4, true);
    applyApplicationCaptions();
    window.setText(Field::QNUM1, window.text(Field::QNUM));
    computeDutyCycle();
}

void Analysis::applyApplicationCaptions() {
    WindowState& window = m_model.window();
    const bool fan = m_model.isFan();
    window.setCaption(Choice::R4,
                      m_model.word(fan ? "Outlet_Damper_Word" : "Throtteling_Valve_Word"));
    window.setVisible(Choice::R5, fan);
    if (!fan && window.isChecked(Choice::R5))
        window.setChecked(Choice::R4, true);
    window.setCaption(Choice::HORIZ, m_model.word(fan ? "FAN_CURVE_HORIZ" : "PUMP_CURVE_HORIZ"));
    window.setCaption(Label::Advanced_Label,
                      m_model.word(fan ? "FanCurveData_Word" : "PumpCurveData_Word"));
    window.setCaption(Label::Curve_Eff, m_model.word(fan ? "FanCurve_Word" : "PumpCurve_Word"));

    const QString curveTitle = m_model.word(fan ? "ChartMainTitle_Fan" : "ChartMainTitle_Pump");
    const QString pressureCaption =
        m_model.isFan() || m_model.isPump()
            ? activeCaption(Quantity::Pressure, m_model.application(), m_model.units())
            : QString();
    const QString flowPercent = m_model.word("Flow_Word");
    for (Chart id : {Chart::CurveChart, Chart::Chart1, Chart::Chart2, Chart::ControlChart2}) {
        ChartState& chart = window.editChart(id);
        chart.titleLines = QStringList{curveTitle};
        chart.left.title = pressureCaption;
        if (id == Chart::CurveChart || id == Chart::ControlChart2)
            chart.bottom.title = flowPercent;
        window.chartEdited(id);
    }
    const QString curveWord = m_model.word(fan ? "Fan_Word" : "Pump_Word");
    for (Series id : {Series::PointSeries2, Series::PointSeries2A, Series::PointSeries5A,
                      Series::PointSeries4}) {
        window.editSeries(id).title = curveWord;
        window.seriesEdited(id);
    }
    const std::pair<Chart, const char*> titled[] = {{Chart::PowerChart1, "Power Required"},
                                                    {Chart::PowerChart2, "Annual Energy Required"},
                                                    {Chart::PayBackChart1, "Payback"},
                                                    {Chart::DutyChart3, "Duty Cycle"}};
    for (const auto& [id, title] : titled) {
        ChartState& chart = window.editChart(id);
        chart.titleLines = QStringList{QString::fromLatin1(title)};
        if (id != Chart::PayBackChart1)
            chart.bottom.title = flowPercent;
        window.chartEdited(id);
    }
    ChartState& payback = window.editChart(Chart::PayBackChart1);
    payback.left.title = m_model.word("Savings_Word") + QStringLiteral(" (") +
                         currencySymbol(m_model.units()) + u')';
    payback.bottom.title = m_model.text("IDS_89");
    window.chartEdited(Chart::PayBackChart1);
}

bool Analysis::SystemDataComplete() const {
    const WindowState& window = m_model.window();
    const std::optional<Choice> selected = window.checkedIn(ChoiceGroup::KnownValue);
    if (m_model.application() == Application::None || !selected)
        return true;
    const bool pump = m_model.isPump();
    const bool shaftDerived = *selected == Choice::S3;
    QList<Field> required;
    if (pump)
        required << Field::A120 << Field::A121;
    if (!shaftDerived)
        required << Field::A122;
    if (pump)
        required << Field::A123;
    required << Field::A105 << Field::A125 << Field::A174 << Field::A175;
    for (Field id : required) {
        if (window.isEmpty(id))
            return false;
    }
    return true;
}

void Analysis::RecalculateAll() {
    m_model.refreshUnitLabels();
    WindowFlags& flags = m_model.window().editFlags();
    flags.calcError = false;
    if (!SystemDataComplete())
        return;
    if (flags.created && flags.defaultsPending) {
        m_model.designMemory().clearCouplingTexts();
        flags.defaultsPending = false;
        m_binding.setCurveDefaultsForSelection(TransferMode::ShowDefaults);
        CompleteDesignPoint();
        if (!m_curves.CheckCurveData(false))
            return;
        m_curves.FitCurve();
        m_curves.applyDefaultCurveRows();
    }
    m_curves.FitCurve();
    m_dutyCycle.compute();
    m_curves.redrawCurves();
    m_energy.run();
    m_costs.computeCostTotals();
    m_curves.redrawCurves();
}

void Analysis::CompleteDesignPoint() {
    m_curves.CompleteDesignPoint();
    // The completed value is part of the design point the user gave, not a change of it: a
    // later exit of any system data field must not bring default curve data back over the
    // user's curve work.
    m_binding.rememberDesignPoint();
}

void Analysis::enterField(Field id, const QString& text) {
    m_model.window().setText(id, text);
    m_binding.fieldExit(id);
}

void Analysis::clickComparison(Choice system) {
    m_model.window().setChecked(system, true);
    m_model.window().setModified(true);
    m_energy.showComparison(system);
}

void Analysis::switchLanguage(Language language) {
    m_model.setLanguage(language);
    if (m_model.application() != Application::None)
        applyApplicationCaptions();
    m_model.refreshUnitLabels();
}

} // namespace wattmere
