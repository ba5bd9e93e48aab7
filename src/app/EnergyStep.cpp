#include "app/EnergyStep.h"

#include "app/ResultRows.h"

#include <utility>

namespace wattmere {

namespace {

constexpr Series surgeSeries[] = {Series::SurgeSeries1, Series::SurgeSeries2, Series::SurgeSeries3,
                                  Series::SurgeSeries4};
constexpr Label errorLabels[] = {Label::ERROR_LABEL, Label::ERROR_LABEL2, Label::ERROR_LABEL3,
                                 Label::ERROR_LABEL4, Label::ERROR_LABEL5};

// Powers are computed in HP and shown or charted in kW.
double kilowatts(double horsepower) {
    return horsepower * kilowattsPerHorsepower;
}

bool anyBeyondLimit(const SystemResult& result) {
    for (int p = 1; p <= maxFlowPoint; ++p) {
        if (result.LimitFlag[p] != 0)
            return true;
    }
    return false;
}

// The nominal flow of band row k: 10 x k %.
int nominalFlow(int band) {
    return 10 * band;
}

// The low speed of the selected winding; with no winding chosen the motor has one speed.
double lowSpeedRatio(const WindowState& window) {
    if (window.isChecked(Choice::SELECTION_MTR_01) || window.isChecked(Choice::SELECTION_MTR_02))
        return 0.5;
    if (window.isChecked(Choice::SELECTION_MTR_03))
        return 2.0 / 3.0;
    return 1.0;
}

} // namespace

EnergyStep::EnergyStep(AnalysisModel& model, CalculationState& state)
    : m_model(model), m_state(state) {}

QString EnergyStep::grouped(double value) const {
    return m_model.numbers().FormatGrouped(value);
}

EnergyInputs EnergyStep::readInputs() const {
    const CurveState& curve = m_state.Curve;
    const WindowState& window = m_model.window();
    EnergyInputs in;
    in.Analysis = m_model.application();
    in.DesignHead = curve.DesignHead;
    in.StaticHead = curve.StaticHead;
    in.RemovedPressureDrop = curve.RemovedPressureDrop;
    in.DesignFlow = curve.DesignFlow;
    in.DesignEfficiency = curve.DesignEfficiency;
    in.PeakEfficiency = curve.PeakEfficiency;
    in.PeakEfficiencyFlow = curve.PeakEfficiencyFlow;
    in.AddEfficiency = curve.AddEfficiency;
    in.AddEfficiencyFlow = curve.AddEfficiencyFlow;
    in.CurveStartFlow = curve.CurveStartFlow;
    in.SurgeStartPressure = curve.Surge.surgeStartPressure();
    in.Curve = curve.Coefficients;
    in.Quadratic = curve.Quadratic;
    in.Horizontal = curve.Horizontal;

    in.ShaftPower = m_model.base(Field::A122, Quantity::Power);
    in.MotorPower = m_model.base(Field::A105, Quantity::Power);
    in.MotorEfficiency = m_model.number(Field::A106) / 100.0;
    in.DriveEfficiency = m_model.number(Field::A107) / 100.0;
    in.CostPerKWh = m_model.number(Field::A104);

    TwoSpeedInputs& motor = in.TwoSpeed;
    motor.HighSpeedEfficiencyPercent = m_model.number(Field::A170);
    motor.LowSpeedEfficiencyPercent = m_model.number(Field::A171);
    motor.FullSpeedTimePercent = m_model.number(Field::A172);
    motor.ReducedSpeedTimePercent = m_model.number(Field::A173);
    motor.HighSpeedRatio = 1.0;
    motor.LowSpeedRatio = lowSpeedRatio(window);
    motor.Selected = window.isChecked(Choice::R3);
    return in;
}

void EnergyStep::run() {
    const EnergyInputs inputs = readInputs();
    // The cost step reads these even when this run computes nothing.
    m_state.CostPerKWh = inputs.CostPerKWh;
    m_state.MotorPower = inputs.MotorPower;

    WindowFlags& flags = m_model.window().editFlags();
    if (flags.calcError)
        return;

    const EnergyOutcome outcome =
        runEnergyCalculation(inputs, m_state.Duty, m_lowSpeed, m_state.EnergyScratch);
    m_lowSpeed = m_state.EnergyScratch.LowSpeed;
    switch (outcome) {
    case EnergyOutcome::Completed:
        // Only a complete run replaces the results: a failed one leaves the last complete
        // results whole rather than partly overwritten.
        std::swap(m_state.Energy, m_state.EnergyScratch);
        showDriveResults();
        return;
    case EnergyOutcome::NegativeSystemHead:
        reportInvalidSystemData();
        return;
    case EnergyOutcome::ArithmeticFailure:
        reportArithmeticFailure();
        return;
    case EnergyOutcome::TwoSpeedSolverFailure:
        flags.calcError = true;
        return;
    case EnergyOutcome::NoAnalysis:
        return;
    }
}

void EnergyStep::reportInvalidSystemData() {
    m_model.inform(m_model.isFan() ? "IDS_16" : "IDS_17");
    WindowState& window = m_model.window();
    window.setCalcPage(1);
    for (Panel id :
         {Panel::GraphPanel, Panel::DutyCyclePanel, Panel::FanAdvanced, Panel::ADVANCEDGRAPH})
        window.setVisible(id, false);
    for (Panel id : {Panel::CalcPanel, Panel::Step6Panel, Panel::Step2})
        window.setVisible(id, true);
}

void EnergyStep::reportArithmeticFailure() {
    WindowFlags& flags = m_model.window().editFlags();
    if (flags.stepChange)
        m_model.inform("IDS_18");
    m_model.showCurveNote(m_model.text("IDS_19"));
    flags.calcError = true;
}

void EnergyStep::setSurgeSeriesActive(bool active) {
    WindowState& window = m_model.window();
    for (Series id : surgeSeries) {
        window.editSeries(id).active = active;
        window.seriesEdited(id);
    }
}

void EnergyStep::markLimits(Label top, const SystemResult& result) {
    WindowState& window = m_model.window();
    for (int k = 1; k <= bandCount; ++k)
        window.setCaption(bandRow(top, k), result.LimitFlag[nominalFlow(k)] != 0
                                               ? QStringLiteral("*")
                                               : QStringLiteral(" "));
}

void EnergyStep::showDriveResults() {
    WindowState& window = m_model.window();
    const SystemResult& drive = m_state.Energy.Drive;
    const DutyCycle& duty = m_state.Duty;

    window.setCaption(Label::SurgeLabel, QString());
    window.setCaption(Label::SurgeLabel2, QString());
    for (int k = 1; k <= bandCount; ++k) {
        window.setCaption(bandRow(Label::SD100, k), QStringLiteral(" "));
        window.setCaption(bandRow(Label::SURGE100, k), QStringLiteral(" "));
    }
    // A fan shows its surge line only while the drive runs beyond it; a pump keeps it once
    // shown.
    if (m_model.isFan())
        setSurgeSeriesActive(false);
    if (anyBeyondLimit(drive)) {
        window.setCaption(Label::SurgeLabel2, m_model.word("System_Design_Limits"));
        setSurgeSeriesActive(true);
    }
    markLimits(Label::SD100, drive);

    for (int k = 1; k <= bandCount; ++k) {
        const int flow = flowPointIndex(duty.BandFlowPercent[k]);
        window.setCaption(bandRow(Label::POWERD100, k), grouped(kilowatts(drive.InputPower[flow])));
        window.setCaption(bandRow(Label::END100, k), grouped(drive.BandEnergy[k]));
    }
    window.setCaption(Label::DRIVETOTALKWHR, grouped(drive.AnnualEnergy));

    SeriesState& power = window.editSeries(Series::PowerRequired_Drive);
    power.points.clear();
    for (int p = 0; p <= maxFlowPoint; ++p)
        power.points.emplace_back(p, kilowatts(drive.InputPower[p]));
    window.seriesEdited(Series::PowerRequired_Drive);

    SeriesState& energy = window.editSeries(Series::PowerRequired_Anu_Drive);
    energy.points.clear();
    if (m_model.isFan())
        energy.points.emplace_back(0.0, 0.0);
    for (int k = 1; k <= bandCount; ++k)
        energy.points.emplace_back(duty.BandFlowPercent[k], drive.BandEnergy[k]);
    window.seriesEdited(Series::PowerRequired_Anu_Drive);
}

void EnergyStep::showSelectedComparison() {
    if (const std::optional<Choice> system = m_model.window().checkedIn(ChoiceGroup::Comparison))
        showComparison(*system);
}

void EnergyStep::showComparison(Choice system) {
    switch (system) {
    case Choice::R1:
    case Choice::R2:
    case Choice::R4:
    case Choice::R5:
        showBandedComparison(system);
        return;
    case Choice::R3:
        showTwoSpeedComparison();
        return;
    default:
        return;
    }
}

void EnergyStep::setErrorLabelsVisible(bool visible) {
    for (Label id : errorLabels)
        m_model.window().setVisible(id, visible);
}

void EnergyStep::clearComparisonMarks() {
    // As the energy calculation leaves them, so that no mark of another system stays behind.
    WindowState& window = m_model.window();
    window.setCaption(Label::SurgeLabel, QString());
    for (int k = 1; k <= bandCount; ++k)
        window.setCaption(bandRow(Label::SURGE100, k), QStringLiteral(" "));
}

void EnergyStep::titleComparisonSeries() {
    WindowState& window = m_model.window();
    const QString title = window.caption(Label::SystemName) + u' ';
    for (Series id : {Series::PowerRequired_Compare, Series::PowerRequired_Anu_Compare}) {
        SeriesState& series = window.editSeries(id);
        series.points.clear();
        series.title = title;
    }
}

void EnergyStep::showComparisonTotals(const SystemResult& result) {
    WindowState& window = m_model.window();
    window.setCaption(Label::COMPARETOTALKWHR, grouped(result.AnnualEnergy));
    m_state.SelectedCompareEnergy = result.AnnualEnergy;
    window.setCaption(Label::ENERGYCOSTCOMPARE,
                      currencySymbol(m_model.units()) + u' ' + grouped(result.AnnualEnergyCost));
}

void EnergyStep::showBandedComparison(Choice system) {
    WindowState& window = m_model.window();
    const EnergyResults& energy = m_state.Energy;
    const DutyCycle& duty = m_state.Duty;
    const bool fan = m_model.isFan();

    const SystemResult* result = nullptr;
    const char* name = nullptr;
    switch (system) {
    case Choice::R1:
        result = &energy.ConstantVolume;
        name = "Constant_Volume_System";
        break;
    case Choice::R2:
        result = &energy.Cycling;
        name = "Cycling_System";
        break;
    case Choice::R4:
        result = &energy.Damper;
        name = fan ? "Outlet_Damper_System" : "Throtteling_Valve_System";
        break;
    default:
        result = &energy.InletGuideVane;
        name = "Inlet_Guide_Vane_System";
        break;
    }

    setErrorLabelsVisible(false);
    window.setVisible(Panel::Motor_2_Speed_Data, false);
    window.setCaption(Label::SystemName, m_model.word(name));
    for (int k = 1; k <= bandCount; ++k)
        window.setCaption(bandRow(Label::POWER100, k),
                          grouped(kilowatts(result->InputPower[nominalFlow(k)])));

    // Only the systems with a limit test mark the comparison column.
    clearComparisonMarks();
    if (system == Choice::R4 || system == Choice::R5) {
        if (anyBeyondLimit(*result))
            window.setCaption(Label::SurgeLabel, m_model.word("System_Design_Limits"));
        markLimits(Label::SURGE100, *result);
    }

    titleComparisonSeries();
    std::vector<QPointF>& power = window.editSeries(Series::PowerRequired_Compare).points;
    for (int p = 0; p <= maxFlowPoint; ++p)
        power.emplace_back(p, kilowatts(result->InputPower[p]));
    std::vector<QPointF>& bars = window.editSeries(Series::PowerRequired_Anu_Compare).points;
    for (int k = 1; k <= bandCount; ++k)
        bars.emplace_back(duty.BandFlowPercent[k], result->BandEnergy[k]);
    window.seriesEdited(Series::PowerRequired_Compare);
    window.seriesEdited(Series::PowerRequired_Anu_Compare);

    for (int k = 1; k <= bandCount; ++k)
        window.setCaption(bandRow(Label::ENC100, k), grouped(result->BandEnergy[k]));
    showComparisonTotals(*result);
}

void EnergyStep::showTwoSpeedComparison() {
    WindowState& window = m_model.window();
    const EnergyResults& energy = m_state.Energy;
    const SystemResult& result = energy.TwoSpeedMotor;
    const bool noFlow = energy.LowSpeed.LowSpeedNoFlow;
    const int low = energy.LowSpeedFlow;
    const QString high = u'(' + m_model.word("High_Speed") + QStringLiteral(") ");
    const QString lowText = u'(' + m_model.word("Low_Speed") + QStringLiteral(") ");
    const double highPower = energy.TwoSpeedHighInput[HighSpeedFlow];
    const double lowPower = energy.TwoSpeedLowInput[low];

    setErrorLabelsVisible(false);
    window.setVisible(Panel::Motor_2_Speed_Data, true);
    window.setCaption(Label::SystemName, window.choice(Choice::R3).caption);
    clearComparisonMarks();

    // A low speed that moves no air or water runs at full flow: one combined figure.
    for (int k = 1; k <= bandCount; ++k) {
        window.setCaption(bandRow(Label::POWER100, k), QString());
        window.setCaption(bandRow(Label::ENC100, k), QString());
    }
    if (noFlow) {
        window.setCaption(Label::POWER100, high + grouped(kilowatts(highPower + lowPower)));
        window.setCaption(Label::ENC100,
                          high + grouped(result.BandEnergy[1] + result.BandEnergy[2]));
    } else {
        window.setCaption(Label::POWER100, high + grouped(kilowatts(highPower)));
        window.setCaption(Label::POWER90, lowText + grouped(kilowatts(lowPower)));
        window.setCaption(Label::ENC100, high + grouped(result.BandEnergy[1]));
        window.setCaption(Label::ENC90, lowText + grouped(result.BandEnergy[2]));
    }

    titleComparisonSeries();
    if (!noFlow) {
        const double highWeighted = kilowatts(energy.TwoSpeedWeighted[HighSpeedFlow]);
        const double lowWeighted = kilowatts(energy.TwoSpeedWeighted[low]);
        std::vector<QPointF>& power = window.editSeries(Series::PowerRequired_Compare).points;
        for (int p = 0; p <= maxFlowPoint; ++p) {
            if (p > low) {
                power.emplace_back(p, highWeighted);
                continue;
            }
            power.emplace_back(p, lowWeighted);
            if (p == low)
                power.emplace_back(p, highWeighted);
        }
        std::vector<QPointF>& bars = window.editSeries(Series::PowerRequired_Anu_Compare).points;
        bars.emplace_back(low, result.BandEnergy[2]);
        bars.emplace_back(HighSpeedFlow, result.BandEnergy[1]);
    }
    window.seriesEdited(Series::PowerRequired_Compare);
    window.seriesEdited(Series::PowerRequired_Anu_Compare);

    if (noFlow && window.isChecked(Choice::R3)) {
        setErrorLabelsVisible(true);
        const QString message = m_model.text("IDS_93");
        for (Label id : errorLabels)
            window.setCaption(id, message);
        window.setCaption(Label::SURGE010, QString());
    }
    showComparisonTotals(result);
}

} // namespace wattmere
