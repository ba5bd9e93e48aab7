#pragma once
// Cost totals of the drive and the comparison system, the savings of the drive and its
// simple payback, from the parsed cost amounts and the yearly energy costs.

#include <array>
#include <optional>

namespace wattmere {

// The eighteen cost amounts of the cost step, as parsed (currency).
struct CostInputs {
    std::array<double, 5> DriveInitial{};   // A126..A130: installation, startup, equipment, 2 other
    std::array<double, 5> CompareInitial{}; // A131..A135
    std::array<double, 4> DriveAnnual{};    // A136..A139: maintenance, 3 other
    std::array<double, 4> CompareAnnual{};  // A140..A143
};

struct CostTotals {
    double DriveInitialCost = 0.0;
    double CompareInitialCost = 0.0;
    double DriveAnnualCost = 0.0;
    double CompareAnnualCost = 0.0;
};

// Sums each column in field order.
CostTotals computeCostTotals(const CostInputs& inputs);

struct SavingsInputs {
    CostTotals Totals;
    double DriveCost = 0.0;         // A109
    double IncentivePerPower = 0.0; // A108, currency per HP
    double MotorPower = 0.0;        // HP, also when powers are shown in kW
    double DriveEnergyCost = 0.0;   // the drive's AnnualEnergyCost
    // AnnualEnergyCost of the selected comparison system; without a selection the energy
    // cost savings keep their previous value.
    std::optional<double> SelectedCompareEnergyCost;
    double PreviousEnergyCostSavings = 0.0;
};

// The payback that means "never": the drive saves nothing per year.
inline constexpr double neverPaybackYears = 10000.0;

// How the payback reads: "Immediate", "More than 5 years", the years, or "Never".
enum class PaybackKind { Immediate, Years, MoreThanFiveYears, Never };

struct Savings {
    double InitialCostDifference = 0.0; // comparison initial costs - drive initial costs
    double DriveIncrementalCost = 0.0;  // drive cost - InitialCostDifference
    double UtilityIncentive = 0.0;
    double EnergyCostSavings = 0.0;
    double OtherCostSavings = 0.0;
    double AnnualSavings = 0.0; // OtherCostSavings + EnergyCostSavings
    double PaybackYears = 0.0;
    PaybackKind Payback = PaybackKind::Never;
    std::array<double, 6> PaybackCurve{}; // net position after 0..5 years
};

// Years of payback as the label shows it: Immediate up to 0.05 (negatives included), the
// years up to 5, more than 5 above; Never is decided by the savings, not the years.
PaybackKind classifyPayback(double paybackYears);

Savings computeSavings(const SavingsInputs& inputs);

} // namespace wattmere
