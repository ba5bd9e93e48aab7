// The design point relation: deriving the fourth design value, the default curve data, and the
// design efficiency limited to the peak efficiency.

#include "curves/DefaultCurveData.h"
#include "curves/DesignPoint.h"
#include "curves/EfficiencyLimit.h"
#include "curves/Rounding.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace wattmere;

Q_DECLARE_METATYPE(wattmere::DerivedDesignValue)
Q_DECLARE_METATYPE(wattmere::DesignPointValues)
Q_DECLARE_METATYPE(wattmere::DesignPointStatus)

namespace {

// head, flow, shaft power, efficiency percent
DesignPointValues values(double head, double flow, double power, double efficiency) {
    return DesignPointValues{head, flow, power, efficiency};
}

} // namespace

class TestDesignPoint : public QObject {
    Q_OBJECT
private slots:
    void powerConstants();
    void completion_data();
    void completion();
    void defaultCurveDataFollowsTheDesignPoint();
    void efficiencyLimit_data();
    void efficiencyLimit();
    void efficiencyLimitFailsOnUndefinedValues();
    void zeroDesignFlowIsReplacedForTheFit();
};

void TestDesignPoint::powerConstants() {
    QCOMPARE(powerConstant(Application::Fan), 6362.0);
    QCOMPARE(powerConstant(Application::Pump), 3960.0);
    QCOMPARE(powerConstant(Application::None), 0.0);
    QCOMPARE(designFlowOf(6362.0, 0.86, 50.0, 4.0), 68391.5);
}

void TestDesignPoint::completion_data() {
    QTest::addColumn<DerivedDesignValue>("derived");
    QTest::addColumn<DesignPointValues>("entered");
    QTest::addColumn<double>("powerConstant");
    QTest::addColumn<DesignPointStatus>("status");
    // The derived value as it is written: rounded to the decimals of its field.
    QTest::addColumn<double>("shown");
    QTest::addColumn<int>("decimals");

    using D = DerivedDesignValue;
    using S = DesignPointStatus;
    const double fan = fanPowerConstant;
    const double pump = pumpPowerConstant;
    QTest::newRow("S1 fan") << D::DesignFlow << values(4, 0, 50, 86) << fan << S::Completed
                            << 68391.50 << 2;
    QTest::newRow("S1 pump") << D::DesignFlow << values(100, 0, 50, 80) << pump << S::Completed
                             << 1584.00 << 2;
    // 3181 / 25448 is exactly 0.125: the flow is rounded to the even hundredth.
    QTest::newRow("S1 tie to even")
        << D::DesignFlow << values(25448, 0, 1, 50) << fan << S::Completed << 0.12 << 2;
    QTest::newRow("S1 head 0") << D::DesignFlow << values(0, 0, 50, 86) << fan << S::Skipped << 0.0
                               << 2;
    QTest::newRow("S1 negative head")
        << D::DesignFlow << values(-4, 0, 50, 86) << fan << S::Skipped << 0.0 << 2;
    QTest::newRow("S2") << D::DesignEfficiency << values(4, 67596, 50, 0) << fan << S::Completed
                        << 85.0 << 1;
    QTest::newRow("S2 no shaft power")
        << D::DesignEfficiency << values(4, 67596, 0, 0) << fan << S::Completed << 100.0 << 1;
    QTest::newRow("S2 above 100 % stays")
        << D::DesignEfficiency << values(4, 90000, 50, 0) << fan << S::Completed << 113.2 << 1;
    QTest::newRow("S2 head 0") << D::DesignEfficiency << values(0, 67596, 50, 0) << fan
                               << S::Skipped << 0.0 << 1;
    QTest::newRow("S3") << D::ShaftPower << values(4, 67596, 0, 85) << fan << S::Completed << 50.0
                        << 1;
    QTest::newRow("S3 efficiency 0")
        << D::ShaftPower << values(4, 67596, 0, 0) << fan << S::Failed << 0.0 << 1;
    QTest::newRow("S3 head 0") << D::ShaftPower << values(0, 67596, 0, 85) << fan << S::Skipped
                               << 0.0 << 1;
    QTest::newRow("S4") << D::DesignHead << values(0, 67596, 50, 85) << fan << S::Completed << 4.00
                        << 2;
    QTest::newRow("S4 flow 0") << D::DesignHead << values(7, 0, 50, 85) << fan << S::Completed
                               << 0.0 << 2;
    QTest::newRow("S4 not-a-number")
        << D::DesignHead << values(0, 67596, std::nan(""), 85) << fan << S::Failed << 0.0 << 2;
}

void TestDesignPoint::completion() {
    QFETCH(DerivedDesignValue, derived);
    QFETCH(DesignPointValues, entered);
    QFETCH(double, powerConstant);
    QFETCH(DesignPointStatus, status);
    QFETCH(double, shown);
    QFETCH(int, decimals);

    const DesignPointCompletion result = completedDesignPoint(derived, entered, powerConstant);
    QCOMPARE(result.status, status);
    if (status == DesignPointStatus::Skipped) {
        QCOMPARE(result.values, entered);
        return;
    }
    if (status == DesignPointStatus::Failed)
        return;
    // Only the derived value changes.
    DesignPointValues expected = entered;
    double value = 0.0;
    switch (derived) {
    case DerivedDesignValue::DesignFlow:
        value = result.values.designFlow;
        expected.designFlow = value;
        // Rounded in base units before it is written anywhere.
        QCOMPARE(value, shown);
        break;
    case DerivedDesignValue::DesignEfficiency:
        value = expected.efficiencyPercent = result.values.efficiencyPercent;
        break;
    case DerivedDesignValue::ShaftPower:
        value = expected.shaftPower = result.values.shaftPower;
        break;
    case DerivedDesignValue::DesignHead:
        value = expected.designHead = result.values.designHead;
        break;
    }
    QCOMPARE(result.values, expected);
    QCOMPARE(roundToDecimals(value, decimals), shown);
}

void TestDesignPoint::defaultCurveDataFollowsTheDesignPoint() {
    const DefaultCurveData data = defaultCurveData(4.0, 68391.5, 86.0);
    QCOMPARE(data.point1Head, 4.8);
    QCOMPARE(data.designHead, 4.0);
    QCOMPARE(data.point2Head, 0.0);
    QCOMPARE(data.designEfficiencyPercent, 86.0);
    QCOMPARE(data.peakEfficiencyPercent, 86.0);
    QCOMPARE(roundToDecimals(data.addEfficiencyPercent, 1), 68.8);
    QCOMPARE(data.designEfficiencyFlow, 68391.5);
    QCOMPARE(data.peakEfficiencyFlow, 68391.5);
    QCOMPARE(data.addEfficiencyFlow, 34195.75);
    QCOMPARE(data.point2Flow, 136783.0);
    QCOMPARE(data.startFlow, 0.0);
    QCOMPARE(data.endFlow, 136783.0);
}

void TestDesignPoint::efficiencyLimit_data() {
    QTest::addColumn<double>("efficiency");
    QTest::addColumn<double>("peakPercent");
    QTest::addColumn<bool>("limited");
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("designFlow");

    // Fan, 50 HP at 4 in.wg: 100 % efficiency would give 79,525 cfm.
    const double fullFlow = 6362.0 * 50.0 / 4.0;
    QTest::newRow("below the peak") << 0.85 << 86.0 << false << 85.0 << 0.0;
    QTest::newRow("at the peak") << 0.86 << 86.0 << false << 86.0 << 0.0;
    QTest::newRow("above the peak") << 0.87 << 86.0 << true << 86.0 << 68391.5;
    QTest::newRow("rounded onto the peak") << 0.8604 << 86.0 << false << 86.0 << 0.0;
    QTest::newRow("rounded above the peak") << 0.8606 << 86.0 << true << 86.0 << 68391.5;
    // Equal entries must never count as greater through binary rounding: 53.3 / 100 and
    // 0.533 are different doubles, and 0.533 x 1000 / 1000 is larger than 53.3 / 100.
    QTest::newRow("53.3 % against 53.3 %") << 53.3 / 100.0 << 53.3 << false << 53.3 << 0.0;
    QTest::newRow("0.533 against 53.3 %") << 0.533 << 53.3 << false << 53.3 << 0.0;
    QTest::newRow("0.533 from the flows")
        << (0.533 * fullFlow) / fullFlow << 53.3 << false << 53.3 << 0.0;
    QTest::newRow("57.7 % from the flows")
        << (57.7 / 100.0 * fullFlow) / fullFlow << 57.7 << false << 57.7 << 0.0;
    QTest::newRow("a tenth above 53.3 %") << 0.534 << 53.3 << true << 53.3 << 42386.82;
    QTest::newRow("above 1 becomes 1") << 1.25 << 100.0 << false << 100.0 << 0.0;
    QTest::newRow("above 1, peak below") << 1.25 << 90.0 << true << 90.0 << 71572.5;
}

void TestDesignPoint::efficiencyLimit() {
    QFETCH(double, efficiency);
    QFETCH(double, peakPercent);
    QFETCH(bool, limited);
    QFETCH(double, percent);
    QFETCH(double, designFlow);
    const std::optional<DesignEfficiencyLimit> result =
        limitDesignEfficiency(efficiency, peakPercent, fanPowerConstant, 50.0, 4.0);
    QVERIFY(result);
    QCOMPARE(result->limited, limited);
    QCOMPARE(result->efficiencyPercent, percent);
    if (limited)
        QCOMPARE(result->designFlow, designFlow);
}

void TestDesignPoint::efficiencyLimitFailsOnUndefinedValues() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(!limitDesignEfficiency(nan, 86.0, fanPowerConstant, 50.0, 4.0));
    QVERIFY(!limitDesignEfficiency(0.9, nan, fanPowerConstant, 50.0, 4.0));
    // Limited, but the recomputed flow divides by a head of 0.
    QVERIFY(!limitDesignEfficiency(0.9, 86.0, fanPowerConstant, 50.0, 0.0));
    QVERIFY(!std::isfinite(impliedDesignEfficiency(0.0, fanPowerConstant, 0.0, 4.0)));
    QCOMPARE(impliedDesignEfficiency(68391.5, fanPowerConstant, 50.0, 4.0), 0.86);
    QCOMPARE(efficiencyTenths(53.3), 533.0);
    QCOMPARE(efficiencyTenths(0.533 * 100.0), 533.0);
}

void TestDesignPoint::zeroDesignFlowIsReplacedForTheFit() {
    QCOMPARE(designFlowForFit(0.0), 0.0001);
    QCOMPARE(designFlowForFit(1584.0), 1584.0);
}

QTEST_APPLESS_MAIN(TestDesignPoint)
#include "tst_designpoint.moc"
