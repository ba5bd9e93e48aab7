#include "cli/TextReport.h"

#include "units/UnitConversion.h"

namespace wattmere {

namespace {

struct SystemRow {
    Choice choice; // the comparison button; Count for the drive, which has none
    const char* name;
    const SystemResult* result;
};

QString padded(const QString& text, int width) {
    return text.rightJustified(width);
}

} // namespace

QString analysisToText(const Analysis& analysis, const QString& title) {
    const AnalysisModel& model = analysis.model();
    const WindowState& window = analysis.window();
    const CalculationState& results = analysis.results();
    const NumberText& numbers = model.numbers();
    const Application application = model.application();
    const UnitSettings& units = model.units();
    const QString currency = currencySymbol(units).trimmed();
    const auto display = [&](Quantity quantity, double base, int decimals) {
        return numbers.FormatDecimals(fromBase(quantity, base, application, units), decimals) +
               u' ' + activeCaption(quantity, application, units);
    };

    QString text;
    text += title + u'\n';
    text += QStringLiteral("Application: %1\n")
                .arg(model.isFan() ? QStringLiteral("Fan") : QStringLiteral("Pump"));
    const CurveState& curve = results.Curve;
    text += QStringLiteral("Design point: head %1, flow %2, shaft power %3, efficiency %4 %\n")
                .arg(display(Quantity::Pressure, curve.DesignHead, 2),
                     display(Quantity::Flow, curve.DesignFlow, 2),
                     display(Quantity::Power, curve.ShaftPower, 1),
                     numbers.FormatDecimals(curve.DesignEfficiency * 100.0, 1));
    text += QStringLiteral("Operating hours: %1 per year, duty cycle total %2\n")
                .arg(numbers.FormatGrouped(results.Duty.HoursPerYear),
                     window.caption(Label::DUTYTOTAL));
    if (window.flags().calcError)
        text += QStringLiteral("The calculation failed on the current data.\n");

    const EnergyResults& energy = results.Energy;
    std::vector<SystemRow> rows = {
        {Choice::Count, "Variable-speed drive", &energy.Drive},
        {Choice::R1, "Constant volume", &energy.ConstantVolume},
        {Choice::R2, "Cycling", &energy.Cycling},
        {Choice::R3, "2 speed motor", &energy.TwoSpeedMotor},
        {Choice::R4, model.isFan() ? "Outlet dampers" : "Throttling valve", &energy.Damper},
    };
    if (model.isFan())
        rows.push_back({Choice::R5, "Inlet guide vanes", &energy.InletGuideVane});
    const std::optional<Choice> selected = window.checkedIn(ChoiceGroup::Comparison);

    text += u'\n';
    text += QStringLiteral("%1%2%3%4  %5\n")
                .arg(QStringLiteral("System").leftJustified(24),
                     padded(QStringLiteral("Energy kWh/yr"), 16),
                     padded(QStringLiteral("Cost %1/yr").arg(currency), 16),
                     padded(QStringLiteral("Drive saves %1/yr").arg(currency), 20),
                     QStringLiteral("Payback"));
    for (const SystemRow& row : rows) {
        const bool isDrive = row.choice == Choice::Count;
        const double saving = row.result->AnnualEnergyCost - energy.Drive.AnnualEnergyCost;
        QString payback;
        if (!isDrive && selected && *selected == row.choice)
            payback = window.caption(Label::PAYBACKLABEL) + QStringLiteral("  (selected)");
        text += QStringLiteral("%1%2%3%4  %5\n")
                    .arg(QString::fromUtf8(row.name).leftJustified(24),
                         padded(numbers.FormatGrouped(row.result->AnnualEnergy), 16),
                         padded(numbers.FormatGrouped(row.result->AnnualEnergyCost), 16),
                         padded(isDrive ? QStringLiteral("-") : numbers.FormatGrouped(saving), 20),
                         payback)
                    .trimmed() +
                u'\n';
    }
    return text;
}

} // namespace wattmere
