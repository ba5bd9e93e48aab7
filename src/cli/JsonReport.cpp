#include "cli/JsonReport.h"

#include "cli/JsonWriter.h"
#include "units/UnitConversion.h"

namespace wattmere {

namespace {

template <typename Container>
void writeNumbers(JsonWriter& json, const Container& values, double scale = 1.0) {
    json.beginArray();
    for (const auto value : values)
        json.value(static_cast<double>(value) * scale);
    json.endArray();
}

// Bands 1..10 (band 1 = the 10 % band); element 0 of the band arrays is unused.
void writeBands(JsonWriter& json, const BandValues& values) {
    json.beginArray();
    for (int band = 1; band <= bandCount; ++band)
        json.value(values[static_cast<std::size_t>(band)]);
    json.endArray();
}

// A system's record; the curve shown for the two-speed motor is its weighted input curve.
void writeSystem(JsonWriter& json, const SystemResult& result, const FlowCurve& input) {
    json.key("input_kw");
    writeNumbers(json, input, kilowattsPerHorsepower);
    json.key("limit").beginArray();
    for (const auto flag : result.LimitFlag)
        json.value(flag != 0);
    json.endArray();
    json.key("band_kwh");
    writeBands(json, result.BandEnergy);
    json.key("annual_kwh").value(result.AnnualEnergy);
    json.key("annual_cost").value(result.AnnualEnergyCost);
}

void writeSystem(JsonWriter& json, const char* name, const SystemResult& result) {
    json.key(name).beginObject();
    writeSystem(json, result, result.InputPower);
    json.endObject();
}

} // namespace

QByteArray analysisToJson(const Analysis& analysis, const QList<PromptMessage>& messages) {
    const AnalysisModel& model = analysis.model();
    const WindowState& window = analysis.window();
    const CalculationState& results = analysis.results();
    const Application application = model.application();
    const UnitSettings& units = model.units();
    JsonWriter json;
    json.beginObject();

    json.key("application").value(QString::fromLatin1(applicationTypeText(application)));
    json.key("units").beginObject();
    json.key("pressure").value(activeUnitText(Quantity::Pressure, application, units));
    json.key("flow").value(activeUnitText(Quantity::Flow, application, units));
    json.key("power").value(powerUnitText(units));
    json.key("currency").value(currencySymbol(units));
    json.endObject();

    json.key("fields").beginObject();
    for (int order = 1; order <= 76; ++order) {
        if (const std::optional<Field> id = numericFieldOfOrder(order))
            json.key(nameOf(*id)).value(window.text(*id));
    }
    json.endObject();

    json.key("hours_per_year").value(results.Duty.HoursPerYear);
    json.key("duty_total").value(results.Duty.DutyTotal);

    const CurveState& curve = results.Curve;
    json.key("design").beginObject();
    json.key("head").value(curve.DesignHead);
    json.key("flow").value(curve.DesignFlow);
    json.key("shaft_power_hp").value(curve.ShaftPower);
    json.key("efficiency").value(curve.DesignEfficiency);
    json.endObject();

    const CurveCoefficients& k = curve.Coefficients;
    const QuadraticCoefficients& q = curve.Quadratic;
    json.key("curve").beginObject();
    json.key("coefficients");
    writeNumbers(json, std::array{k.a, k.b, k.c, k.d});
    json.key("quadratic");
    writeNumbers(json, std::array{q.qa, q.qb, q.qc});
    json.key("surge_start_pressure").value(curve.Surge.surgeStartPressure());
    json.endObject();

    const EnergyResults& energy = results.Energy;
    json.key("systems").beginObject();
    writeSystem(json, "drive", energy.Drive);
    writeSystem(json, "constant_volume", energy.ConstantVolume);
    writeSystem(json, "cycling", energy.Cycling);
    json.key("two_speed").beginObject();
    writeSystem(json, energy.TwoSpeedMotor, energy.TwoSpeedWeighted);
    json.key("low_speed_flow").value(energy.LowSpeedFlow);
    json.key("low_speed_no_flow").value(energy.LowSpeed.LowSpeedNoFlow);
    json.endObject();
    writeSystem(json, "damper", energy.Damper);
    if (application == Application::Fan)
        writeSystem(json, "inlet_guide_vanes", energy.InletGuideVane);
    json.endObject();

    const std::optional<Choice> selected = window.checkedIn(ChoiceGroup::Comparison);
    json.key("selected").value(selected ? nameOf(*selected) : QString());

    const CostTotals& costs = results.Costs;
    const Savings& savings = results.Savings;
    json.key("costs").beginObject();
    json.key("drive_initial").value(costs.DriveInitialCost);
    json.key("compare_initial").value(costs.CompareInitialCost);
    json.key("drive_annual").value(costs.DriveAnnualCost);
    json.key("compare_annual").value(costs.CompareAnnualCost);
    json.key("drive_incremental").value(savings.DriveIncrementalCost);
    json.key("utility_incentive").value(savings.UtilityIncentive);
    json.key("energy_cost_savings").value(savings.EnergyCostSavings);
    json.key("other_cost_savings").value(savings.OtherCostSavings);
    json.key("payback_years").value(savings.PaybackYears);
    json.key("payback_curve");
    writeNumbers(json, savings.PaybackCurve);
    json.endObject();

    json.key("labels").beginObject();
    for (Label id : {Label::PAYBACKLABEL, Label::TOTHOURS, Label::DUTYTOTAL, Label::DRIVETOTALKWHR,
                     Label::COMPARETOTALKWHR, Label::ENERGYCOSTSAVINGS, Label::SystemName})
        json.key(nameOf(id)).value(window.caption(id));
    json.endObject();

    json.key("messages").beginArray();
    for (const PromptMessage& message : messages) {
        json.beginObject();
        json.key("id").value(message.id);
        json.key("text").value(message.text);
        json.endObject();
    }
    json.endArray();
    json.key("calc_error").value(window.flags().calcError);
    json.endObject();
    return json.text();
}

} // namespace wattmere
