// Costs on the analysis window: the four totals, the savings and simple payback with their
// labels, and the payback chart with its axes.

#include "StepFixture.h"

#include <QTest>

#include <memory>

using namespace wattmere;
using namespace wattmere::testing;

namespace {

// The costs after a complete energy calculation, with the yearly energy costs of the drive
// and of the constant-volume comparison set to round amounts.
std::unique_ptr<StepFixture> costFixture(double driveEnergyCost, double compareEnergyCost,
                                         const UnitSettings& units = {}) {
    auto f = std::make_unique<StepFixture>(Application::Fan, units);
    f->calculate();
    f->state.Energy.Drive.AnnualEnergyCost = driveEnergyCost;
    f->state.Energy.ConstantVolume.AnnualEnergyCost = compareEnergyCost;
    f->window().setChecked(Choice::R1, true);
    f->window().setCaption(Label::SystemName, "Constant Volume System");
    return f;
}

} // namespace

class TestCostStep : public QObject {
    Q_OBJECT
private slots:
    void totals_data();
    void totals();
    void totalsBeyondRangeKeepTheirLabels();
    void payback_data();
    void payback();
    void savingsLabels();
    void theIncentiveCountsPerHorsepower();
    void withoutAComparisonTheEnergySavingsStay();
    void theYearsChoiceLimitsThePaybackAxis();
};

void TestCostStep::totals_data() {
    QTest::addColumn<int>("currency");
    QTest::addColumn<QStringList>("amounts"); // A126..A143
    QTest::addColumn<QStringList>("labels");  // initial drive, initial compare, annual ...

    QTest::newRow("dollars") << 0
                             << QStringList{"1,000", "234", "", "", "", "5", "", "", "",
                                            "",      "100", "", "", "", "",  "", "", "1,000,000"}
                             << QStringList{"$ 1,234", "$ 5", "$ 100", "$ 1,000,000"};
    QTest::newRow("all empty") << 0 << QStringList(18, QString())
                               << QStringList{"$ 0", "$ 0", "$ 0", "$ 0"};
    QTest::newRow("every row counts")
        << 2 << QStringList{"1",  "2",   "3",   "4",   "5",   "10",   "20",   "30",   "40",
                            "50", "100", "200", "300", "400", "1000", "2000", "3000", "4000"}
        << QStringList{"€ 15", "€ 150", "€ 1,000", "€ 10,000"};
    // The pound sign carries its own blank.
    QTest::newRow("pounds") << 1 << QStringList{"1,234", "", "", "", "", "", "", "", "",
                                                "",      "", "", "", "", "", "", "", ""}
                            << QStringList{"£  1,234", "£  0", "£  0", "£  0"};
}

void TestCostStep::totals() {
    QFETCH(int, currency);
    QFETCH(QStringList, amounts);
    QFETCH(QStringList, labels);
    UnitSettings units;
    units.currency = currency;
    auto f = std::make_unique<StepFixture>(Application::Fan, units);
    for (int i = 0; i < amounts.size(); ++i)
        f->window().setText(static_cast<Field>(indexOf(Field::A126) + i), amounts[i]);
    f->costs.computeCostTotals();

    QCOMPARE(f->caption(Label::TOTAL_INI_COST_DRIVE), labels[0]);
    QCOMPARE(f->caption(Label::TOTAL_INI_COST_COMPARE), labels[1]);
    QCOMPARE(f->caption(Label::TOTAL_ANU_COST_DRIVE), labels[2]);
    QCOMPARE(f->caption(Label::TOTAL_ANU_COST_COMPARE), labels[3]);
}

void TestCostStep::totalsBeyondRangeKeepTheirLabels() {
    auto f = std::make_unique<StepFixture>();
    f->window().setText(Field::A126, "1,234");
    f->window().setText(Field::A140, "7");
    f->costs.computeCostTotals();

    // Five amounts at the largest double overflow the sum of the comparison's initial costs.
    for (Field id : {Field::A131, Field::A132, Field::A133, Field::A134, Field::A135})
        f->window().setText(id, "1e308");
    f->window().setText(Field::A126, "1,000");
    f->window().setText(Field::A140, "8");
    f->costs.computeCostTotals();

    QCOMPARE(f->caption(Label::TOTAL_INI_COST_DRIVE), QString("$ 1,000"));
    QCOMPARE(f->caption(Label::TOTAL_INI_COST_COMPARE), QString("$ 0"));
    QCOMPARE(f->caption(Label::TOTAL_ANU_COST_COMPARE), QString("$ 7"));
    QCOMPARE(f->results().Costs.DriveInitialCost, 1234.0);
    QCOMPARE(f->results().Costs.CompareAnnualCost, 7.0);
}

void TestCostStep::payback_data() {
    QTest::addColumn<QString>("compareInitial"); // A131
    QTest::addColumn<QString>("compareAnnual");  // A140
    QTest::addColumn<QString>("driveCost");      // A109
    QTest::addColumn<QString>("incentive");      // A108, per HP of a 50 HP motor
    QTest::addColumn<double>("energySavings");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("years");
    QTest::addColumn<double>("curveStart");

    QTest::newRow("three years") << ""
                                 << ""
                                 << "15000"
                                 << "0" << 5000.0 << "3.00 Years" << 3.0 << -15000.0;
    QTest::newRow("comparison dearer to buy") << "20000"
                                              << ""
                                              << "15000"
                                              << "0" << 5000.0 << "Immediate" << -1.0 << 5000.0;
    QTest::newRow("0.05 years") << ""
                                << ""
                                << "250"
                                << "0" << 5000.0 << "Immediate" << 0.05 << -250.0;
    QTest::newRow("5.00 years") << ""
                                << ""
                                << "25000"
                                << "0" << 5000.0 << "5.00 Years" << 5.0 << -25000.0;
    QTest::newRow("5.01 years") << ""
                                << ""
                                << "25050"
                                << "0" << 5000.0 << "More than 5 years" << 5.01 << -25050.0;
    QTest::newRow("costs more to run") << ""
                                       << ""
                                       << "15000"
                                       << "0" << -100.0 << "Never" << 10000.0 << -15000.0;
    QTest::newRow("saves nothing") << ""
                                   << ""
                                   << "15000"
                                   << "0" << 0.0 << "Never" << 10000.0 << -15000.0;
    QTest::newRow("other savings only") << ""
                                        << "6,000"
                                        << "15000"
                                        << "0" << 0.0 << "2.50 Years" << 2.5 << -15000.0;
    QTest::newRow("incentive") << ""
                               << ""
                               << "15000"
                               << "100" << 5000.0 << "2.00 Years" << 2.0 << -10000.0;
}

void TestCostStep::payback() {
    QFETCH(QString, compareInitial);
    QFETCH(QString, compareAnnual);
    QFETCH(QString, driveCost);
    QFETCH(QString, incentive);
    QFETCH(double, energySavings);
    QFETCH(QString, label);
    QFETCH(double, years);
    QFETCH(double, curveStart);
    auto f = costFixture(1000.0, 1000.0 + energySavings);
    f->window().setText(Field::A131, compareInitial);
    f->window().setText(Field::A140, compareAnnual);
    f->window().setText(Field::A109, driveCost);
    f->window().setText(Field::A108, incentive);
    f->costs.computeCostTotals();
    f->costs.showSavings();

    QCOMPARE(f->caption(Label::PAYBACKLABEL), label);
    const Savings& savings = f->results().Savings;
    QCOMPARE(savings.PaybackYears, years);
    const double annual = savings.AnnualSavings;
    QCOMPARE(savings.PaybackCurve[0], curveStart);

    const std::vector<QPointF>& curve = f->window().series(Series::PaybackChart).points;
    const std::vector<QPointF>& zero = f->window().series(Series::PayBackNull).points;
    QCOMPARE(curve.size(), std::size_t(6));
    QCOMPARE(zero.size(), std::size_t(6));
    for (int year = 0; year <= 5; ++year) {
        QCOMPARE(curve[year], QPointF(year, curveStart + annual * year));
        QCOMPARE(zero[year], QPointF(year, 0));
    }
    const AxisState& axis = f->window().chart(Chart::PayBackChart1).left;
    QCOMPARE(axis.automaticMinimum, curveStart >= 0.0);
    QVERIFY(axis.automaticMaximum);
    if (curveStart < 0.0)
        QCOMPARE(axis.minimum, 1.1 * curveStart);
}

void TestCostStep::savingsLabels() {
    auto f = costFixture(1234.4, 6234.4);
    f->window().setText(Field::A126, "1,000");
    f->window().setText(Field::A131, "400");
    f->window().setText(Field::A136, "50");
    f->window().setText(Field::A140, "300");
    f->costs.computeCostTotals();
    f->costs.showSavings();

    QCOMPARE(f->caption(Label::ENERGYCOSTDRIVE), QString("$ 1,234"));
    QCOMPARE(f->caption(Label::INITCOSTDRIVE), QString("$ 1,000"));
    QCOMPARE(f->caption(Label::INITCOSTCOMPARE), QString("$ 400"));
    QCOMPARE(f->caption(Label::OTHERCOSTDRIVE), QString("$ 50"));
    QCOMPARE(f->caption(Label::OTHERCOSTCOMPARE), QString("$ 300"));
    QCOMPARE(f->caption(Label::DRIVEPR), QString("$ 15,000"));
    // Drive cost plus the drive's initial costs minus the comparison's.
    QCOMPARE(f->caption(Label::INITIALCOSTSAVINGS), QString("$ 15,600"));
    QCOMPARE(f->caption(Label::ANNUALCOSTSAVINGS), QString("$ 250"));
    QCOMPARE(f->caption(Label::ENERGYCOSTSAVINGS), QString("$ 5,000"));
    QCOMPARE(f->caption(Label::UTILITYINCENTIVE), QString("$ 0"));
    QCOMPARE(f->caption(Label::SystemCompareLabel2), QString("Constant Volume System"));
    QCOMPARE(f->caption(Label::DRIVETOTALKWHR),
             f->model.numbers().FormatGrouped(f->results().Energy.Drive.AnnualEnergy));
    // 15600 / 5250 years.
    QCOMPARE(f->caption(Label::PAYBACKLABEL), QString("2.97 Years"));
}

void TestCostStep::theIncentiveCountsPerHorsepower() {
    UnitSettings units;
    units.power = 1; // kW
    auto f = std::make_unique<StepFixture>(Application::Fan, units);
    f->window().setText(Field::A105, "37.3");
    f->window().setText(Field::A108, "50");
    f->calculate();
    f->costs.computeCostTotals();
    f->costs.showSavings();

    QCOMPARE(f->results().Savings.UtilityIncentive, 2500.0);
    QCOMPARE(f->caption(Label::UTILITYINCENTIVE), QString("$ 2,500"));
}

void TestCostStep::withoutAComparisonTheEnergySavingsStay() {
    auto f = costFixture(1000.0, 3000.0);
    f->costs.computeCostTotals();
    f->costs.showSavings();
    QCOMPARE(f->caption(Label::ENERGYCOSTSAVINGS), QString("$ 2,000"));

    f->window().setChecked(Choice::R1, false);
    f->state.Energy.Drive.AnnualEnergyCost = 500.0;
    f->costs.showSavings();
    QCOMPARE(f->results().Savings.EnergyCostSavings, 2000.0);
    QCOMPARE(f->caption(Label::ENERGYCOSTSAVINGS), QString("$ 2,000"));
    QCOMPARE(f->caption(Label::ENERGYCOSTDRIVE), QString("$ 500"));
}

void TestCostStep::theYearsChoiceLimitsThePaybackAxis() {
    auto f = costFixture(1000.0, 6000.0);
    const AxisState& axis = f->window().chart(Chart::PayBackChart1).bottom;
    QVERIFY(!axis.automaticMaximum);
    QCOMPARE(axis.maximum, 5.0);

    f->costs.computeCostTotals();
    f->costs.showSavings();
    const std::vector<QPointF> before = f->window().series(Series::PaybackChart).points;
    f->state.Energy.ConstantVolume.AnnualEnergyCost = 9000.0;
    f->costs.setPaybackYears(1); // "2 Years"
    QCOMPARE(axis.maximum, 2.0);
    QVERIFY(!axis.automaticMaximum);
    QCOMPARE(f->window().series(Series::PaybackChart).points, before);
    QCOMPARE(f->caption(Label::PAYBACKLABEL), QString("3.00 Years"));

    f->costs.setPaybackYears(4);
    QCOMPARE(axis.maximum, 5.0);
    f->costs.setPaybackYears(5); // no such item
    QCOMPARE(axis.maximum, 5.0);
}

QTEST_GUILESS_MAIN(TestCostStep)
#include "tst_coststep.moc"
