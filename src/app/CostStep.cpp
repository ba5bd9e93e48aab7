#include "app/CostStep.h"

#include <cmath>

namespace wattmere {

namespace {

constexpr int paybackYearChoices = 5; // "1 Year" ... "5 Years"

template <std::size_t N>
void readAmounts(const AnalysisModel& model, Field first, std::array<double, N>& amounts) {
    for (std::size_t i = 0; i < N; ++i)
        amounts[i] = model.number(static_cast<Field>(indexOf(first) + static_cast<int>(i)));
}

} // namespace

CostStep::CostStep(AnalysisModel& model, CalculationState& state) : m_model(model), m_state(state) {
    // The payback chart's design: years 0 to 5 until a shorter span is chosen.
    ChartState& payback = m_model.window().editChart(Chart::PayBackChart1);
    payback.bottom.automaticMinimum = false;
    payback.bottom.minimum = 0.0;
    payback.bottom.automaticMaximum = false;
    payback.bottom.maximum = paybackYearChoices;
}

QString CostStep::money(double amount) const {
    return currencySymbol(m_model.units()) + u' ' + m_model.numbers().FormatGrouped(amount);
}

void CostStep::computeCostTotals() {
    CostInputs inputs;
    readAmounts(m_model, Field::A126, inputs.DriveInitial);
    readAmounts(m_model, Field::A131, inputs.CompareInitial);
    readAmounts(m_model, Field::A136, inputs.DriveAnnual);
    readAmounts(m_model, Field::A140, inputs.CompareAnnual);
    const CostTotals totals = wattmere::computeCostTotals(inputs);

    // A sum beyond the range of a double stops the refresh; the labels from there on keep
    // their text and the totals stay as last computed.
    const std::pair<Label, double> shown[] = {
        {Label::TOTAL_INI_COST_DRIVE, totals.DriveInitialCost},
        {Label::TOTAL_INI_COST_COMPARE, totals.CompareInitialCost},
        {Label::TOTAL_ANU_COST_DRIVE, totals.DriveAnnualCost},
        {Label::TOTAL_ANU_COST_COMPARE, totals.CompareAnnualCost},
    };
    for (const auto& [id, amount] : shown) {
        if (!std::isfinite(amount))
            return;
        m_model.window().setCaption(id, money(amount));
    }
    m_state.Costs = totals;
}

std::optional<double> CostStep::selectedCompareEnergyCost() const {
    const std::optional<Choice> checked = m_model.window().checkedIn(ChoiceGroup::Comparison);
    if (!checked)
        return std::nullopt;
    const EnergyResults& energy = m_state.Energy;
    switch (*checked) {
    case Choice::R1:
        return energy.ConstantVolume.AnnualEnergyCost;
    case Choice::R2:
        return energy.Cycling.AnnualEnergyCost;
    case Choice::R3:
        return energy.TwoSpeedMotor.AnnualEnergyCost;
    case Choice::R4:
        return energy.Damper.AnnualEnergyCost;
    case Choice::R5:
        return energy.InletGuideVane.AnnualEnergyCost;
    default:
        return std::nullopt;
    }
}

QString CostStep::paybackText(const Savings& savings) const {
    switch (savings.Payback) {
    case PaybackKind::Immediate:
        return m_model.text("IDS_91");
    case PaybackKind::MoreThanFiveYears:
        return m_model.text("IDS_90");
    case PaybackKind::Years:
        return m_model.numbers().FormatDecimals(savings.PaybackYears, 2) + u' ' +
               m_model.text("IDS_89");
    case PaybackKind::Never:
        break;
    }
    return m_model.text("IDS_92");
}

void CostStep::showSavings() {
    WindowState& window = m_model.window();
    const CostTotals& totals = m_state.Costs;
    const SystemResult& drive = m_state.Energy.Drive;

    SavingsInputs inputs;
    inputs.Totals = totals;
    inputs.DriveCost = m_model.number(Field::A109);
    inputs.IncentivePerPower = m_model.number(Field::A108);
    inputs.MotorPower = m_state.MotorPower;
    inputs.DriveEnergyCost = drive.AnnualEnergyCost;
    inputs.SelectedCompareEnergyCost = selectedCompareEnergyCost();
    inputs.PreviousEnergyCostSavings = m_state.Savings.EnergyCostSavings;
    m_state.Savings = computeSavings(inputs);
    const Savings& savings = m_state.Savings;

    window.setCaption(Label::ENERGYCOSTDRIVE, money(drive.AnnualEnergyCost));
    window.setCaption(Label::OTHERCOSTCOMPARE, money(totals.CompareAnnualCost));
    window.setCaption(Label::INITCOSTCOMPARE, money(totals.CompareInitialCost));
    window.setCaption(Label::OTHERCOSTDRIVE, money(totals.DriveAnnualCost));
    window.setCaption(Label::INITCOSTDRIVE, money(totals.DriveInitialCost));
    window.setCaption(Label::DRIVEPR, money(inputs.DriveCost));
    window.setCaption(Label::SystemCompareLabel2, window.caption(Label::SystemName));
    window.setCaption(Label::DRIVETOTALKWHR, m_model.numbers().FormatGrouped(drive.AnnualEnergy));

    window.setCaption(Label::INITIALCOSTSAVINGS, money(savings.DriveIncrementalCost));
    window.setCaption(Label::ANNUALCOSTSAVINGS, money(savings.OtherCostSavings));
    window.setCaption(Label::ENERGYCOSTSAVINGS, money(savings.EnergyCostSavings));
    window.setCaption(Label::UTILITYINCENTIVE, money(savings.UtilityIncentive));
    window.setCaption(Label::PAYBACKLABEL, paybackText(savings));

    // Below zero the value axis starts a tenth under the investment, so the start of the
    // curve does not sit on the chart's edge.
    ChartState& chart = window.editChart(Chart::PayBackChart1);
    const double start = savings.PaybackCurve[0];
    chart.left.automaticMinimum = start >= 0.0;
    chart.left.automaticMaximum = true;
    if (start < 0.0)
        chart.left.minimum = 1.1 * start;
    window.chartEdited(Chart::PayBackChart1);

    SeriesState& curve = window.editSeries(Series::PaybackChart);
    SeriesState& zero = window.editSeries(Series::PayBackNull);
    curve.points.clear();
    zero.points.clear();
    for (std::size_t year = 0; year < savings.PaybackCurve.size(); ++year) {
        curve.points.emplace_back(static_cast<double>(year), savings.PaybackCurve[year]);
        zero.points.emplace_back(static_cast<double>(year), 0.0);
    }
    window.seriesEdited(Series::PaybackChart);
    window.seriesEdited(Series::PayBackNull);
}

void CostStep::setPaybackYears(int comboIndex) {
    if (comboIndex < 0 || comboIndex >= paybackYearChoices)
        return;
    ChartState& chart = m_model.window().editChart(Chart::PayBackChart1);
    chart.bottom.automaticMaximum = false;
    chart.bottom.maximum = comboIndex + 1;
    m_model.window().chartEdited(Chart::PayBackChart1);
}

} // namespace wattmere
