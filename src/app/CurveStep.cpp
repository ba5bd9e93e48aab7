#include "app/CurveStep.h"

#include "curves/CurveChecks.h"
#include "curves/DesignPoint.h"
#include "curves/EfficiencyLimit.h"

#include <cmath>
#include <vector>

namespace wattmere {

namespace {

constexpr Series equipmentSeries[] = {Series::PointSeries2, Series::PointSeries2A,
                                      Series::PointSeries4, Series::PointSeries5,
                                      Series::PointSeries5A};
constexpr Series controlSeries[] = {Series::PointSeries1, Series::PointSeries3,
                                    Series::PointSeries1A, Series::PointSeries5};
constexpr Series surgeSeries[] = {Series::SurgeSeries1, Series::SurgeSeries2, Series::SurgeSeries3,
                                  Series::SurgeSeries4};

// The colour each line of the four curve charts is drawn in: the control curve red, the fan or
// pump curve blue, the surge line black.
Rgb colourOf(Series id) {
    switch (id) {
    case Series::PointSeries1:
    case Series::PointSeries1A:
    case Series::PointSeries3:
    case Series::PointSeries5:
        return colours::red;
    case Series::PointSeries2:
    case Series::PointSeries2A:
    case Series::PointSeries4:
    case Series::PointSeries5A:
        return colours::blue;
    default:
        return colours::black;
    }
}

constexpr int curvePenWidth = 2;

// Every line of the four curve charts.
std::vector<Series> curveChartSeries() {
    std::vector<Series> result;
    for (int i = 0; i < countOf<Series>(); ++i) {
        const auto id = static_cast<Series>(i);
        const Chart chart = chartOf(id);
        if (chart == Chart::CurveChart || chart == Chart::Chart1 || chart == Chart::Chart2 ||
            chart == Chart::ControlChart2)
            result.push_back(id);
    }
    return result;
}

} // namespace

CurveStep::CurveStep(AnalysisModel& model, CalculationState& state)
    : m_model(model), m_state(state) {}

const char* CurveStep::byApplication(const char* fanKey, const char* pumpKey) const {
    return m_model.isPump() ? pumpKey : fanKey;
}

void CurveStep::setCalcError() {
    m_model.window().editFlags().calcError = true;
}

// ---------------------------------------------------------------------------------------------
// Design point completion

bool CurveStep::writeFinite(Field id, double value, int decimals) {
    // An overflow raised a floating-point fault on the original platform and ended the
    // completion; here it is tested for, so that no field is emptied by a value without text.
    if (!std::isfinite(value))
        return false;
    m_model.writeNumber(id, value, decimals);
    return true;
}

bool CurveStep::writeHeadBlock(double displayHead) {
    return writeFinite(Field::A155, 1.2 * displayHead, 2) &&
           writeFinite(Field::A156, displayHead, 2) && writeFinite(Field::A157, 0.0, 2);
}

bool CurveStep::writeEfficiencyBlock() {
    WindowState& window = m_model.window();
    const QString efficiency = window.text(Field::A174);
    window.setText(Field::A144, efficiency);
    window.setText(Field::A145, efficiency);
    return writeFinite(Field::A146, 0.8 * m_model.number(Field::A174), 1);
}

bool CurveStep::writeFlowBlock(double designFlow) {
    const double q = m_model.toDisplay(Quantity::Flow, designFlow);
    return writeFinite(Field::A149, q, 2) && writeFinite(Field::A150, q, 2) &&
           writeFinite(Field::A151, q / 2.0, 2) && writeFinite(Field::A154, 2.0 * q, 2) &&
           writeFinite(Field::A158, 0.0, 2) && writeFinite(Field::A159, 2.0 * q, 2);
}

void CurveStep::CompleteDesignPoint() {
    const std::optional<Choice> selected = m_model.window().checkedIn(ChoiceGroup::KnownValue);
    if (!selected || m_model.application() == Application::None)
        return;
    const double powerConstant = m_model.powerConstant();
    const DesignPointValues entered{
        m_model.base(Field::A120, Quantity::Pressure), m_model.base(Field::A175, Quantity::Flow),
        m_model.base(Field::A122, Quantity::Power), m_model.number(Field::A174)};
    DesignPointCompletion completion;
    // Every branch writes its fields in the order the completion always has, so that a failure
    // leaves exactly the fields written before it.
    switch (*selected) {
    case Choice::S1:
        if (!(entered.designHead > 0.0))
            return;
        if (!writeHeadBlock(m_model.number(Field::A120)) || !writeEfficiencyBlock())
            return;
        completion = completedDesignPoint(DerivedDesignValue::DesignFlow, entered, powerConstant);
        if (completion.status != DesignPointStatus::Completed ||
            !writeFinite(Field::A175,
                         m_model.toDisplay(Quantity::Flow, completion.values.designFlow), 2))
            return;
        break;
    case Choice::S2: {
        if (!(entered.designHead > 0.0))
            return;
        if (!writeHeadBlock(m_model.number(Field::A120)))
            return;
        completion =
            completedDesignPoint(DerivedDesignValue::DesignEfficiency, entered, powerConstant);
        const double efficiency = completion.values.efficiencyPercent;
        if (completion.status != DesignPointStatus::Completed ||
            !writeFinite(Field::A144, efficiency, 1) || !writeFinite(Field::A145, efficiency, 1) ||
            !writeFinite(Field::A174, efficiency, 1) ||
            !writeFinite(Field::A146, 0.8 * efficiency, 1))
            return;
        break;
    }
    case Choice::S3:
        if (!(entered.designHead > 0.0))
            return;
        if (!writeHeadBlock(m_model.number(Field::A120)) || !writeEfficiencyBlock())
            return;
        completion = completedDesignPoint(DerivedDesignValue::ShaftPower, entered, powerConstant);
        if (completion.status != DesignPointStatus::Completed ||
            !writeFinite(Field::A122,
                         m_model.toDisplay(Quantity::Power, completion.values.shaftPower), 1))
            return;
        break;
    case Choice::S4: {
        if (!writeEfficiencyBlock())
            return;
        completion = completedDesignPoint(DerivedDesignValue::DesignHead, entered, powerConstant);
        if (completion.status != DesignPointStatus::Completed)
            return;
        const double head = m_model.toDisplay(Quantity::Pressure, completion.values.designHead);
        if (!writeFinite(Field::A120, head, 2) || !writeHeadBlock(head))
            return;
        break;
    }
    default:
        return;
    }
    if (!writeFlowBlock(completion.values.designFlow))
        return;
    // The completed design point is the one the curve is next fitted to.
    CurveState& curve = m_state.Curve;
    curve.DesignHead = completion.values.designHead;
    curve.DesignFlow = completion.values.designFlow;
    curve.ShaftPower = completion.values.shaftPower;
    curve.DesignEfficiency = completion.values.efficiencyPercent / 100.0;
}

void CurveStep::applyDefaultCurveRows() {
    WindowState& window = m_model.window();
    const double twiceDesign = 2.0 * m_model.number(Field::A153);
    m_model.writeNumber(Field::A154, twiceDesign, 2);
    m_model.writeNumber(Field::A159, twiceDesign, 2);
    window.setText(Field::A150, window.text(Field::A149));
    m_model.writeNumber(Field::A151, 0.5 * m_model.number(Field::A150), 2);
    m_model.writeNumber(Field::A155, 1.2 * m_model.number(Field::A120), 2);
}

// ---------------------------------------------------------------------------------------------
// Curve data checks

bool CurveStep::CheckCurveData(bool showDialogs) {
    WindowState& window = m_model.window();
    m_model.showCurveNote(QString());
    window.setText(Field::A153, window.text(Field::A149));

    CurveCheckEntries entries;
    entries.point1Flow = m_model.number(Field::A152);
    entries.point2Flow = m_model.number(Field::A154);
    entries.point1Head = m_model.number(Field::A155);
    entries.designHead = m_model.number(Field::A156);
    entries.point2Head = m_model.number(Field::A157);
    entries.curveFlowEmpty =
        window.isEmpty(Field::A152) || window.isEmpty(Field::A153) || window.isEmpty(Field::A154);
    entries.designEfficiency = m_model.number(Field::A144);
    entries.peakEfficiency = m_model.number(Field::A145);
    entries.addEfficiency = m_model.number(Field::A146);
    entries.designFlow = m_model.number(Field::A149);
    entries.peakFlow = m_model.number(Field::A150);
    entries.addFlow = m_model.number(Field::A151);
    entries.endFlow = m_model.number(Field::A159);
    entries.horizontal = window.isChecked(Choice::HORIZ);
    entries.flowGiven = window.isChecked(Choice::LOCKA149);
    entries.designEfficiencyEnabled = window.field(Field::A144).enabled;
    entries.designFlowBase = m_model.base(Field::A149, Quantity::Flow);
    entries.powerConstant = m_model.powerConstant();
    entries.shaftPower = m_model.base(Field::A122, Quantity::Power);
    entries.designHeadBase = m_model.base(Field::A120, Quantity::Pressure);
    entries.systemEfficiency = m_model.number(Field::A174);

    const CurveCheckResult result = checkCurveData(entries);
    const CurveCheckRewrites& rewrites = result.rewrites;
    const auto report = [this](CurveCheck check, bool dialog) {
        const QByteArray key = curveCheckMessageKey(check).toLatin1();
        if (curveCheckShowsNote(check))
            m_model.showCurveNote(m_model.text(key.constData()));
        if (dialog)
            m_model.inform(key.constData());
    };

    if (result.endFlowReset) {
        report(CurveCheck::EndBelowDesign, true);
        if (rewrites.endFlow)
            m_model.writeNumber(Field::A159, *rewrites.endFlow, 2);
        window.setText(Field::A158, QStringLiteral("0"));
    }
    if (result.check != CurveCheck::None) {
        report(result.check, showDialogs || curveCheckAlwaysShowsDialog(result.check));
        if (rewrites.peakEfficiency)
            m_model.writeNumber(Field::A145, *rewrites.peakEfficiency, 1);
        if (rewrites.designEfficiency)
            m_model.writeNumber(Field::A144, *rewrites.designEfficiency, 1);
        if (rewrites.addEfficiency)
            m_model.writeNumber(Field::A146, *rewrites.addEfficiency, 1);
        if (rewrites.designFlowBase)
            m_model.writeBase(Field::A149, Quantity::Flow, *rewrites.designFlowBase, 2);
    }
    return result.valid;
}

// ---------------------------------------------------------------------------------------------
// Curve fit

void CurveStep::readHeads() {
    CurveState& curve = m_state.Curve;
    curve.DesignHead = m_model.base(Field::A120, Quantity::Pressure);
    curve.StaticHead = m_model.base(Field::A121, Quantity::Pressure);
    curve.RemovedPressureDrop = m_model.base(Field::A123, Quantity::Pressure);
}

void CurveStep::FitCurve() {
    if (m_model.application() == Application::None)
        return;
    WindowState& window = m_model.window();
    CurveState& curve = m_state.Curve;
    const double powerConstant = m_model.powerConstant();

    readHeads();

    double startFlow = m_model.base(Field::A158, Quantity::Flow);
    curve.CurveEndFlow = m_model.base(Field::A159, Quantity::Flow);
    if (curve.CurveEndFlow < startFlow) {
        m_model.inform(byApplication("IDS_25", "IDS_27"));
        startFlow = curve.CurveEndFlow;
        window.setText(Field::A158,
                       m_model.isPump() ? window.text(Field::A159) : QStringLiteral("0"));
    }
    curve.CurveStartFlow = startFlow;

    curve.ShaftPower = m_model.base(Field::A122, Quantity::Power);

    if (window.isChecked(Choice::LOCKA149)) {
        curve.DesignFlow = m_model.base(Field::A149, Quantity::Flow);
        const double efficiency = window.field(Field::A144).enabled
                                      ? impliedDesignEfficiency(curve.DesignFlow, powerConstant,
                                                                curve.ShaftPower, curve.DesignHead)
                                      : m_model.number(Field::A174) / 100.0;
        const std::optional<DesignEfficiencyLimit> limit =
            limitDesignEfficiency(efficiency, m_model.number(Field::A145), powerConstant,
                                  curve.ShaftPower, curve.DesignHead);
        if (!limit) {
            setCalcError();
            return;
        }
        if (limit->limited) {
            m_model.showCurveNote(m_model.text(byApplication("IDS_26", "IDS_28")));
            curve.DesignFlow = limit->designFlow;
            m_model.writeBase(Field::A149, Quantity::Flow, curve.DesignFlow, 2);
        } else {
            m_model.showCurveNote(QString());
        }
        m_model.writeNumber(Field::A144, limit->efficiencyPercent, 1);
    }
    // In the efficiency-given mode the design efficiency is the entry of A144 and the design
    // flow stays as it was.

    const double designEfficiencyPercent = m_model.number(Field::A144);
    curve.DesignEfficiency = designEfficiencyPercent / 100.0;
    // The hidden control-curve fields take part in no calculation; they are saved with the
    // analysis.
    m_model.writeNumber(Field::A147, designEfficiencyPercent, 1);
    m_model.writeNumber(Field::A148, 0.9 * designEfficiencyPercent, 1);
    curve.PeakEfficiency = m_model.number(Field::A145) / 100.0;
    curve.AddEfficiency = m_model.number(Field::A146) / 100.0;

    curve.DesignFlow = designFlowForFit(curve.DesignFlow);
    curve.StartFlowRatio = curve.CurveStartFlow / curve.DesignFlow;
    curve.PeakEfficiencyFlow = m_model.base(Field::A150, Quantity::Flow);
    curve.AddEfficiencyFlow = m_model.base(Field::A151, Quantity::Flow);

    const double point1Flow = m_model.base(Field::A152, Quantity::Flow);
    m_model.writeBase(Field::A153, Quantity::Flow, curve.DesignFlow, 2);
    const double point2Flow = m_model.base(Field::A154, Quantity::Flow);
    const double point1Head = m_model.base(Field::A155, Quantity::Pressure);
    m_model.writeBase(Field::A156, Quantity::Pressure, curve.DesignHead, 2);
    const double point2Head = m_model.base(Field::A157, Quantity::Pressure);

    const std::optional<NormalisedCurvePoints> points = normaliseCurvePoints(
        point1Flow, point1Head, point2Flow, point2Head, curve.DesignFlow, curve.DesignHead);
    if (!points) {
        setCalcError();
        return;
    }
    curve.Points = *points;
    const bool horizontal = window.isChecked(Choice::HORIZ);
    const std::optional<FittedCurve> fit = fitCurve(*points, horizontal);
    if (!fit) {
        setCalcError();
        return;
    }
    curve.Coefficients = fit->coefficients;
    curve.Quadratic = fit->quadratic;
    curve.Horizontal = horizontal;
}

// ---------------------------------------------------------------------------------------------
// Curve charts

void CurveStep::clearSeries(Series id) {
    m_model.window().editSeries(id).points.clear();
}

void CurveStep::addPoint(Series id, double x, double y) {
    m_model.window().editSeries(id).points.emplace_back(x, y);
}

void CurveStep::styleCurveSeries() {
    WindowState& window = m_model.window();
    for (Series id : curveChartSeries()) {
        SeriesState& series = window.editSeries(id);
        series.colour = colourOf(id);
        series.penWidth = curvePenWidth;
    }
}

bool CurveStep::drawEquipmentCurve() {
    WindowState& window = m_model.window();
    CurveState& curve = m_state.Curve;

    readHeads();
    if (curve.StaticHead > curve.DesignHead) {
        m_model.inform("IDS_15");
        window.setText(Field::A121, window.text(Field::A120));
        curve.StaticHead = curve.DesignHead;
    }

    for (Series id : equipmentSeries)
        clearSeries(id);
    const QString flowTitle = window.caption(Label::Label11) + QStringLiteral(" (") +
                              window.caption(Label::A152Ext) + u')';
    for (Chart id : {Chart::Chart1, Chart::Chart2})
        window.editChart(id).bottom.title = flowTitle;

    CurveTable& table = m_model.isPump() ? curve.PumpTable : curve.FanTable;
    // The coefficients are evaluated with the shape they were fitted for: a cubic read as a
    // quadratic after the shape switch changed without a new fit would draw a wrong curve.
    if (!table.build(curve.DesignHead, curve.DesignFlow, curve.Coefficients, curve.Horizontal))
        return false;
    const DisplayScale toHead = m_model.displayScale(Quantity::Pressure);
    const DisplayScale toFlow = m_model.displayScale(Quantity::Flow);
    for (int i = 0; i < CurveTable::rowCount; ++i) {
        const CurvePoint& row = table.row(i);
        if (!(curve.CurveStartFlow <= row.flow && row.flow <= curve.CurveEndFlow))
            continue;
        const double head = toHead(row.head);
        const double flow = toFlow(row.flow);
        addPoint(Series::PointSeries2, i, head);
        addPoint(Series::PointSeries4, i, head);
        addPoint(Series::PointSeries2A, flow, head);
        addPoint(Series::PointSeries5A, flow, head);
    }

    AxisState& flowAxis = window.editChart(Chart::Chart1).bottom;
    flowAxis.automaticMaximum = false;
    flowAxis.maximum = m_model.toDisplay(Quantity::Flow, curve.CurveEndFlow);

    for (Series id : surgeSeries) {
        clearSeries(id);
        addPoint(id, 0.0, 0.0);
    }
    if (!curve.Surge.rebuild(table, curve.StartFlowRatio, curve.DesignFlow, curve.DesignHead,
                             m_model.application()))
        return false;
    fillSurgeSeries();
    return true;
}

void CurveStep::fillSurgeSeries() {
    const SurgeLine& surge = m_state.Curve.Surge;
    const DisplayScale toHead = m_model.displayScale(Quantity::Pressure);
    const DisplayScale toFlow = m_model.displayScale(Quantity::Flow);
    for (int k = 1; k < surge.pointCount(); ++k) {
        const SurgePoint& point = surge.point(k);
        const double head = toHead(point.head);
        const double flow = toFlow(point.flow);
        addPoint(Series::SurgeSeries1, flow, head);
        addPoint(Series::SurgeSeries2, flow, head);
        addPoint(Series::SurgeSeries3, 100.0 * point.flowRatio, head);
        addPoint(Series::SurgeSeries4, 100.0 * point.flowRatio, head);
    }
}

bool CurveStep::drawControlCurve() {
    CurveState& curve = m_state.Curve;
    readHeads();
    for (Series id : controlSeries)
        clearSeries(id);
    if (!curve.Control.build(curve.DesignHead, curve.StaticHead, curve.DesignFlow))
        return false;
    const DisplayScale toHead = m_model.displayScale(Quantity::Pressure);
    const DisplayScale toFlow = m_model.displayScale(Quantity::Flow);
    for (int i = 0; i < ControlCurve::pointCount; ++i) {
        const CurvePoint& point = curve.Control.point(i);
        const double head = toHead(point.head);
        const double flow = toFlow(point.flow);
        addPoint(Series::PointSeries1, i, head);
        addPoint(Series::PointSeries3, i, head);
        addPoint(Series::PointSeries1A, flow, head);
        addPoint(Series::PointSeries5, flow, head);
    }
    return true;
}

void CurveStep::redrawCurves() {
    if (m_model.application() == Application::None)
        return;
    styleCurveSeries();
    if (!drawEquipmentCurve())
        setCalcError();
    if (!drawControlCurve())
        setCalcError();
    WindowState& window = m_model.window();
    for (Chart id : {Chart::CurveChart, Chart::Chart1, Chart::Chart2, Chart::ControlChart2})
        window.chartEdited(id);
    for (Series id : curveChartSeries())
        window.seriesEdited(id);
}

} // namespace wattmere
