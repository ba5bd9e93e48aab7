#include "cli/JsonReport.h"

#include "units/UnitConversion.h"

#include <QJsonArray>

namespace wattmere {

namespace {

template <typename Container> QJsonArray numbers(const Container& values, double scale = 1.0) {
    QJsonArray array;
    for (const auto value : values)
        array.append(static_cast<double>(value) * scale);
    return array;
}

// Bands 1..10 (band 1 = the 10 % band); element 0 of the band arrays is unused.
QJsonArray bands(const BandValues& values) {
    QJsonArray array;
    for (int band = 1; band <= bandCount; ++band)
        array.append(values[static_cast<std::size_t>(band)]);
    return array;
}

QJsonObject systemJson(const SystemResult& result, const FlowCurve* inputOverride = nullptr) {
    QJsonObject system;
    system[QStringLiteral("input_kw")] =
        numbers(inputOverride ? *inputOverride : result.InputPower, kilowattsPerHorsepower);
    QJsonArray limit;
    for (const auto flag : result.LimitFlag)
        limit.append(flag != 0);
    system[QStringLiteral("limit")] = limit;
    system[QStringLiteral("band_kwh")] = bands(result.BandEnergy);
    system[QStringLiteral("annual_kwh")] = result.AnnualEnergy;
    system[QStringLiteral("annual_cost")] = result.AnnualEnergyCost;
    return system;
}

QString applicationText(Application application) {
    switch (application) {
    case Application::Fan:
        return QStringLiteral("FAN");
    case Application::Pump:
        return QStringLiteral("PUMP");
    case Application::None:
        break;
    }
    return QString();
}

} // namespace

QJsonObject analysisToJson(const Analysis& analysis, const QList<PromptMessage>& messages) {
    const AnalysisModel& model = analysis.model();
    const WindowState& window = analysis.window();
    const CalculationState& results = analysis.results();
    const Application application = model.application();
    QJsonObject json;

    json[QStringLiteral("application")] = applicationText(application);
    json[QStringLiteral("units")] = QJsonObject{
        {QStringLiteral("pressure"),
         activeUnitText(Quantity::Pressure, application, model.units())},
        {QStringLiteral("flow"), activeUnitText(Quantity::Flow, application, model.units())},
        {QStringLiteral("power"), powerUnitText(model.units())},
        {QStringLiteral("currency"), currencySymbol(model.units())}};

    QJsonObject fields;
    for (int order = 1; order <= 76; ++order) {
        if (const std::optional<Field> id = numericFieldOfOrder(order))
            fields[nameOf(*id)] = window.text(*id);
    }
    json[QStringLiteral("fields")] = fields;

    json[QStringLiteral("hours_per_year")] = results.Duty.HoursPerYear;
    json[QStringLiteral("duty_total")] = results.Duty.DutyTotal;

    const CurveState& curve = results.Curve;
    json[QStringLiteral("design")] =
        QJsonObject{{QStringLiteral("head"), curve.DesignHead},
                    {QStringLiteral("flow"), curve.DesignFlow},
                    {QStringLiteral("shaft_power_hp"), curve.ShaftPower},
                    {QStringLiteral("efficiency"), curve.DesignEfficiency}};
    const CurveCoefficients& k = curve.Coefficients;
    const QuadraticCoefficients& q = curve.Quadratic;
    json[QStringLiteral("curve")] =
        QJsonObject{{QStringLiteral("coefficients"), QJsonArray{k.a, k.b, k.c, k.d}},
                    {QStringLiteral("quadratic"), QJsonArray{q.qa, q.qb, q.qc}},
                    {QStringLiteral("surge_start_pressure"), curve.Surge.surgeStartPressure()}};

    const EnergyResults& energy = results.Energy;
    QJsonObject systems;
    systems[QStringLiteral("drive")] = systemJson(energy.Drive);
    systems[QStringLiteral("constant_volume")] = systemJson(energy.ConstantVolume);
    systems[QStringLiteral("cycling")] = systemJson(energy.Cycling);
    QJsonObject twoSpeed = systemJson(energy.TwoSpeedMotor, &energy.TwoSpeedWeighted);
    twoSpeed[QStringLiteral("low_speed_flow")] = energy.LowSpeedFlow;
    twoSpeed[QStringLiteral("low_speed_no_flow")] = energy.LowSpeed.LowSpeedNoFlow;
    systems[QStringLiteral("two_speed")] = twoSpeed;
    systems[QStringLiteral("damper")] = systemJson(energy.Damper);
    if (application == Application::Fan)
        systems[QStringLiteral("inlet_guide_vanes")] = systemJson(energy.InletGuideVane);
    json[QStringLiteral("systems")] = systems;

    const std::optional<Choice> selected = window.checkedIn(ChoiceGroup::Comparison);
    json[QStringLiteral("selected")] = selected ? nameOf(*selected) : QString();

    const CostTotals& costs = results.Costs;
    const Savings& savings = results.Savings;
    json[QStringLiteral("costs")] =
        QJsonObject{{QStringLiteral("drive_initial"), costs.DriveInitialCost},
                    {QStringLiteral("compare_initial"), costs.CompareInitialCost},
                    {QStringLiteral("drive_annual"), costs.DriveAnnualCost},
                    {QStringLiteral("compare_annual"), costs.CompareAnnualCost},
                    {QStringLiteral("drive_incremental"), savings.DriveIncrementalCost},
                    {QStringLiteral("utility_incentive"), savings.UtilityIncentive},
                    {QStringLiteral("energy_cost_savings"), savings.EnergyCostSavings},
                    {QStringLiteral("other_cost_savings"), savings.OtherCostSavings},
                    {QStringLiteral("payback_years"), savings.PaybackYears},
                    {QStringLiteral("payback_curve"), numbers(savings.PaybackCurve)}};

    QJsonObject labels;
    for (Label id : {Label::PAYBACKLABEL, Label::TOTHOURS, Label::DUTYTOTAL, Label::DRIVETOTALKWHR,
                     Label::COMPARETOTALKWHR, Label::ENERGYCOSTSAVINGS, Label::SystemName})
        labels[nameOf(id)] = window.caption(id);
    json[QStringLiteral("labels")] = labels;

    QJsonArray messageArray;
    for (const PromptMessage& message : messages)
        messageArray.append(QJsonObject{{QStringLiteral("id"), message.id},
                                        {QStringLiteral("text"), message.text}});
    json[QStringLiteral("messages")] = messageArray;
    json[QStringLiteral("calc_error")] = window.flags().calcError;
    return json;
}

} // namespace wattmere
