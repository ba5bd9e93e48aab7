#include "app/DutyCycleStep.h"

#include "app/ResultRows.h"

namespace wattmere {

namespace {

// Band entries count only with their first five characters, as the labels show them.
constexpr int bandTextLength = 5;

// The caption of the duty cycle's graph page, which titles all three duty charts.
const char* const dutyPageCaption = "Duty Cycle";

} // namespace

DutyCycleStep::DutyCycleStep(AnalysisModel& model, CalculationState& state)
    : m_model(model), m_state(state) {}

void DutyCycleStep::compute() {
    WindowState& window = m_model.window();
    const NumberText& numbers = m_model.numbers();

    std::array<QString, bandCount + 1> dutyTexts;
    std::array<QString, bandCount + 1> flowTexts;
    DutyCycleInputs inputs;
    for (int k = 1; k <= bandCount; ++k) {
        dutyTexts[k] = window.text(bandRow(Field::A110, k)).left(bandTextLength);
        flowTexts[k] = window.text(bandRow(Field::A160, k)).left(bandTextLength);
        inputs.DutyPercent[k] = numbers.parseInteger(dutyTexts[k]);
        inputs.BandFlowPercent[k] = numbers.parseInteger(flowTexts[k]);
    }
    // The duty screen has its own copies of the running times while it is open.
    const bool dutyScreen = window.isVisible(Panel::DutyCyclePanel);
    inputs.HoursPerDay = m_model.number(dutyScreen ? Field::A101A : Field::A101);
    inputs.DaysPerWeek = m_model.number(dutyScreen ? Field::A102A : Field::A102);
    inputs.WeeksPerYear = m_model.number(dutyScreen ? Field::A103A : Field::A103);

    const std::optional<DutyCycleOutcome> outcome = computeDutyCycle(inputs);
    if (!outcome) {
        window.editFlags().calcError = true;
        return;
    }
    m_state.Duty = outcome->Cycle;
    m_state.DutyProductWasFullYear = outcome->ProductWasFullYear;
    const DutyCycle& duty = m_state.Duty;
    const bool complete = duty.DutyTotal == 100;

    window.setCaption(Label::DUTYTOTAL, QString::number(duty.DutyTotal) + QStringLiteral(" %"));
    window.setColour(Label::DUTYTOTAL, complete ? colours::black : colours::red);
    showDutyCharts(complete);

    const QString hours = numbers.FormatGrouped(duty.HoursPerYear);
    window.setCaption(Label::SYSTEMFLOWTOTAL, hours);
    window.setCaption(Label::TOTHOURS,
                      hours + (outcome->ProductWasFullYear ? QStringLiteral(" Hrs/Year")
                                                           : QStringLiteral(" Hrs")));
    window.setCaption(Label::TOTHOURS2, window.caption(Label::TOTHOURS));
    for (int k = 1; k <= bandCount; ++k) {
        window.setCaption(bandRow(Label::OT100H, k),
                          numbers.FormatGrouped(duty.DutyPercent[k] / 100.0 * duty.HoursPerYear));
        window.setCaption(bandRow(Label::OT100P, k), dutyTexts[k]);
        window.setCaption(bandRow(Label::FL100P, k), flowTexts[k]);
    }
}

void DutyCycleStep::showDutyCharts(bool complete) {
    WindowState& window = m_model.window();
    const DutyCycle& duty = m_state.Duty;
    for (Series id : {Series::DutySeries1, Series::DutySeries2, Series::DutySeries3}) {
        SeriesState& series = window.editSeries(id);
        series.points.clear();
        for (int k = 1; k <= bandCount; ++k)
            series.points.emplace_back(duty.BandFlowPercent[k], duty.DutyPercent[k]);
        if (id == Series::DutySeries2) {
            // Shares that do not add up to 100 show as red hatched bars on the duty screen.
            series.colour = complete ? colours::blue : colours::red;
            series.brushColour = complete ? colours::black : colours::red;
            series.brush = complete ? BrushStyle::Solid : BrushStyle::DiagonalCross;
        }
        window.seriesEdited(id);
    }
    const QString flowTitle = m_model.word("Flow_Word");
    const QString timeTitle = m_model.word("Time_Word");
    for (Chart id : {Chart::DutyChart, Chart::DutyChart3, Chart::DutyCycleChart}) {
        ChartState& chart = window.editChart(id);
        chart.titleLines = QStringList{QString::fromLatin1(dutyPageCaption)};
        chart.bottom.title = flowTitle;
        chart.left.title = timeTitle;
        window.chartEdited(id);
    }
}

} // namespace wattmere
