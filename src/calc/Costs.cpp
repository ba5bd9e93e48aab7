#include "calc/Costs.h"

namespace wattmere {

namespace {

template <std::size_t N> double sum(const std::array<double, N>& amounts) {
    double total = 0.0;
    for (double amount : amounts)
        total += amount;
    return total;
}

} // namespace

CostTotals computeCostTotals(const CostInputs& inputs) {
    CostTotals totals;
    totals.DriveInitialCost = sum(inputs.DriveInitial);
    totals.CompareInitialCost = sum(inputs.CompareInitial);
    totals.DriveAnnualCost = sum(inputs.DriveAnnual);
    totals.CompareAnnualCost = sum(inputs.CompareAnnual);
    return totals;
}

PaybackKind classifyPayback(double paybackYears) {
    if (paybackYears <= 0.05)
        return PaybackKind::Immediate;
    if (paybackYears > 5.0)
        return PaybackKind::MoreThanFiveYears;
    return PaybackKind::Years;
}

Savings computeSavings(const SavingsInputs& inputs) {
    const CostTotals& totals = inputs.Totals;
    Savings savings;
    savings.InitialCostDifference = totals.CompareInitialCost - totals.DriveInitialCost;
    savings.DriveIncrementalCost = inputs.DriveCost - savings.InitialCostDifference;
    savings.OtherCostSavings = totals.CompareAnnualCost - totals.DriveAnnualCost;
    savings.EnergyCostSavings = inputs.SelectedCompareEnergyCost
                                    ? *inputs.SelectedCompareEnergyCost - inputs.DriveEnergyCost
                                    : inputs.PreviousEnergyCostSavings;
    savings.UtilityIncentive = inputs.IncentivePerPower * inputs.MotorPower;
    savings.AnnualSavings = savings.OtherCostSavings + savings.EnergyCostSavings;

    // No division unless the drive saves something each year.
    if (savings.AnnualSavings > 0.0) {
        savings.PaybackYears =
            (inputs.DriveCost - savings.InitialCostDifference - savings.UtilityIncentive) /
            savings.AnnualSavings;
        savings.Payback = classifyPayback(savings.PaybackYears);
    } else {
        savings.PaybackYears = neverPaybackYears;
        savings.Payback = PaybackKind::Never;
    }

    for (std::size_t year = 0; year < savings.PaybackCurve.size(); ++year)
        savings.PaybackCurve[year] = savings.UtilityIncentive + savings.InitialCostDifference -
                                     inputs.DriveCost +
                                     savings.AnnualSavings * static_cast<double>(year);
    return savings;
}

} // namespace wattmere
