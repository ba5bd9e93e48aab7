// Cost totals, savings and the simple payback of the drive.

#include "calc/Costs.h"

#include <QTest>

Q_DECLARE_METATYPE(wattmere::PaybackKind)

using namespace wattmere;

namespace {

// All cost amounts 0, drive cost 15000, no incentive, the given energy cost savings.
SavingsInputs plainSavings(double energySavings) {
    SavingsInputs in;
    in.DriveCost = 15000.0;
    in.DriveEnergyCost = 20000.0;
    in.SelectedCompareEnergyCost = 20000.0 + energySavings;
    return in;
}

} // namespace

class TestCosts : public QObject {
    Q_OBJECT
private slots:
    void totalsAddTheirColumns();
    void threeYearPayback();
    void paybackLabelKind_data();
    void paybackLabelKind();
    void comparisonCostingMorePaysBackImmediately();
    void noSavingsNeverPaysBack_data();
    void noSavingsNeverPaysBack();
    void incentiveCountsMotorPowerInHorsepower();
    void noSelectionKeepsTheEnergySavings();
};

void TestCosts::totalsAddTheirColumns() {
    CostInputs in;
    in.DriveInitial = {1, 2, 3, 4, 5};
    in.CompareInitial = {10, 20, 30, 40, 50};
    in.DriveAnnual = {100, 200, 300, 400};
    in.CompareAnnual = {1000, 2000, 3000, 4000};
    const CostTotals totals = computeCostTotals(in);
    QCOMPARE(totals.DriveInitialCost, 15.0);
    QCOMPARE(totals.CompareInitialCost, 150.0);
    QCOMPARE(totals.DriveAnnualCost, 1000.0);
    QCOMPARE(totals.CompareAnnualCost, 10000.0);

    SavingsInputs savingsIn = plainSavings(0.0);
    savingsIn.Totals = totals;
    const Savings savings = computeSavings(savingsIn);
    QCOMPARE(savings.InitialCostDifference, 150.0 - 15.0);
    // Drive cost plus the drive's initial costs minus the comparison's.
    QCOMPARE(savings.DriveIncrementalCost, 15000.0 + 15.0 - 150.0);
    QCOMPARE(savings.OtherCostSavings, 10000.0 - 1000.0);
    // (15000 - 135 - 0) / 9000
    QCOMPARE(savings.PaybackYears, (15000.0 - 135.0) / 9000.0);
}

void TestCosts::threeYearPayback() {
    const Savings savings = computeSavings(plainSavings(5000.0));
    QCOMPARE(savings.DriveIncrementalCost, 15000.0);
    QCOMPARE(savings.EnergyCostSavings, 5000.0);
    QCOMPARE(savings.PaybackYears, 3.0);
    QCOMPARE(savings.Payback, PaybackKind::Years);
    // incentive + initial difference - drive cost + savings x year
    const std::array<double, 6> curve{-15000, -10000, -5000, 0, 5000, 10000};
    QCOMPARE(savings.PaybackCurve, curve);
}

void TestCosts::paybackLabelKind_data() {
    QTest::addColumn<double>("annualSavings");
    QTest::addColumn<double>("years");
    QTest::addColumn<PaybackKind>("kind");
    // Payback = 15000 / savings.
    QTest::newRow("0.05 years exactly") << 300000.0 << 0.05 << PaybackKind::Immediate;
    QTest::newRow("just above 0.05") << 299000.0 << 15000.0 / 299000.0 << PaybackKind::Years;
    QTest::newRow("5.00 years") << 3000.0 << 5.0 << PaybackKind::Years;
    QTest::newRow("5.01 years") << 15000.0 / 5.01 << 5.01 << PaybackKind::MoreThanFiveYears;
}

void TestCosts::paybackLabelKind() {
    QFETCH(double, annualSavings);
    QFETCH(double, years);
    QFETCH(PaybackKind, kind);
    const Savings savings = computeSavings(plainSavings(annualSavings));
    QCOMPARE(savings.PaybackYears, years);
    QCOMPARE(savings.Payback, kind);
    QCOMPARE(classifyPayback(years), kind);
}

void TestCosts::comparisonCostingMorePaysBackImmediately() {
    SavingsInputs in = plainSavings(5000.0);
    in.Totals.CompareInitialCost = 20000.0; // more than the drive cost and its extras
    const Savings savings = computeSavings(in);
    QCOMPARE(savings.PaybackYears, (15000.0 - 20000.0) / 5000.0);
    QCOMPARE(savings.Payback, PaybackKind::Immediate);
    QCOMPARE(savings.PaybackCurve[0], 5000.0);
    QCOMPARE(savings.PaybackCurve[5], 30000.0);
}

void TestCosts::noSavingsNeverPaysBack_data() {
    QTest::addColumn<double>("energySavings");
    QTest::addColumn<double>("otherSavings");
    QTest::newRow("energy costs more, no other savings") << -1000.0 << 0.0;
    QTest::newRow("nothing saved") << 0.0 << 0.0;
    QTest::newRow("other costs eat the energy savings") << 1000.0 << -1000.0;
}

void TestCosts::noSavingsNeverPaysBack() {
    QFETCH(double, energySavings);
    QFETCH(double, otherSavings);
    SavingsInputs in = plainSavings(energySavings);
    in.Totals.DriveAnnualCost = -otherSavings;
    const Savings savings = computeSavings(in);
    QCOMPARE(savings.Payback, PaybackKind::Never);
    QCOMPARE(savings.PaybackYears, 10000.0);
    QCOMPARE(savings.PaybackCurve[2], -15000.0 + 2 * (energySavings + otherSavings));
}

void TestCosts::incentiveCountsMotorPowerInHorsepower() {
    SavingsInputs in = plainSavings(5000.0);
    in.IncentivePerPower = 50.0;
    in.MotorPower = 37.3 / 0.746; // a 37.3 kW motor, in HP
    const Savings savings = computeSavings(in);
    QCOMPARE(savings.UtilityIncentive, 2500.0);
    // (15000 - 0 - 2500) / 5000
    QCOMPARE(savings.PaybackYears, 2.5);
    QCOMPARE(savings.PaybackCurve[0], 2500.0 - 15000.0);
}

void TestCosts::noSelectionKeepsTheEnergySavings() {
    SavingsInputs in = plainSavings(0.0);
    in.SelectedCompareEnergyCost.reset();
    in.PreviousEnergyCostSavings = 7500.0;
    const Savings savings = computeSavings(in);
    QCOMPARE(savings.EnergyCostSavings, 7500.0);
    QCOMPARE(savings.PaybackYears, 2.0);
}

QTEST_APPLESS_MAIN(TestCosts)
#include "tst_costs.moc"
