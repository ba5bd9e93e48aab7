// The surge limit: the head at the start flow, the surge line, and the limit tests of the drive
// and the comparison systems that read it.

#include "curves/CurveFit.h"
#include "curves/CurveTable.h"
#include "curves/LimitTests.h"
#include "curves/SurgeLine.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

using namespace wattmere;

namespace {

constexpr double designHead = 4.0;
constexpr double designFlow = 68391.5;

bool near(double actual, double expected) {
    return std::abs(actual - expected) < 1e-9 * std::max(1.0, std::abs(expected));
}

// The default fan curve, horizontal at point 1: h(q) = -0.1 q^3 - 0.1 q^2 + 1.2.
CurveTable defaultTable() {
    NormalisedCurvePoints points;
    points.h1 = 1.2;
    points.q2 = 2.0;
    points.h2 = 0.0;
    CurveTable table;
    if (!table.build(designHead, designFlow, fitCurve(points, true).value().coefficients, true))
        qFatal("default curve table");
    return table;
}

double defaultHeadRatio(double q) {
    return -0.1 * q * q * q - 0.1 * q * q + 1.2;
}

std::vector<int> flaggedPercents(auto test) {
    std::vector<int> flagged;
    for (int p = 1; p <= 100; ++p) {
        if (test(p))
            flagged.push_back(p);
    }
    return flagged;
}

std::vector<int> range(int first, int last) {
    std::vector<int> values;
    for (int p = first; p <= last; ++p)
        values.push_back(p);
    return values;
}

} // namespace

class TestSurgeLine : public QObject {
    Q_OBJECT
private slots:
    void startRowRoundsToEven_data();
    void startRowRoundsToEven();
    void startFlowAtHalfTheDesignFlow();
    void pointCountFollowsTheStartFlow_data();
    void pointCountFollowsTheStartFlow();
    void startFlowAtTwiceTheDesignFlowOrMoreStillReadsTheTable_data();
    void startFlowAtTwiceTheDesignFlowOrMoreStillReadsTheTable();
    void noStartFlow();
    void invalidStartFlowsFailAndKeepTheLine_data();
    void invalidStartFlowsFailAndKeepTheLine();
    void driveAgainstTheSurgeLine_data();
    void driveAgainstTheSurgeLine();
    void staticHeadAndRemovedPressureDrop();
    void designPointLeftOfTheSurgeLineFlagsEveryFlow();
    void throttlingLimitIsTheStartFlow_data();
    void throttlingLimitIsTheStartFlow();
    void noStartFlowNoFlags();
};

void TestSurgeLine::startRowRoundsToEven_data() {
    QTest::addColumn<double>("qs");
    QTest::addColumn<int>("row");
    QTest::newRow("half") << 0.5 << 50;
    QTest::newRow("tie down to even") << 0.125 << 12;
    QTest::newRow("tie up to even") << 0.375 << 38;
    QTest::newRow("below half a percent") << 0.004 << 0;
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("twice") << 2.0 << 200;
    QTest::newRow("beyond the table") << 9.0 << 800;
    QTest::newRow("huge") << 1e300 << 800;
}

void TestSurgeLine::startRowRoundsToEven() {
    QFETCH(double, qs);
    QFETCH(int, row);
    QCOMPARE(surgeStartRow(qs), row);
}

void TestSurgeLine::startFlowAtHalfTheDesignFlow() {
    const CurveTable table = defaultTable();
    SurgeLine line;
    QVERIFY(line.rebuild(table, 0.5, designFlow, designHead, Application::Fan));
    QVERIFY(near(line.surgeStartPressure(), 1.1625 * designHead));
    QVERIFY(near(line.surgeConstant(), 4.65 * designHead));
    QVERIFY(near(SurgeConstant(line.surgeStartPressure(), 0.5), 4.65 * designHead));
    QCOMPARE(line.pointCount(), 151);
    QCOMPARE(line.point(0).flow, 0.0);
    QCOMPARE(line.point(0).head, 0.0);
    for (int k = 1; k < line.pointCount(); ++k) {
        const SurgePoint& point = line.point(k);
        QVERIFY(near(point.flowRatio, k * 0.5 / 150));
        QVERIFY(near(point.flow, point.flowRatio * designFlow));
        QVERIFY(near(point.head, line.surgeConstant() * point.flowRatio * point.flowRatio));
    }
    // The line ends on the curve at the start flow.
    QCOMPARE(line.point(150).flowRatio, 0.5);
    QVERIFY(near(line.point(150).head, table.headAt(50)));
}

void TestSurgeLine::pointCountFollowsTheStartFlow_data() {
    QTest::addColumn<double>("qs");
    QTest::addColumn<int>("count");
    QTest::newRow("below half a percent: full capacity") << 0.004 << SurgeLine::capacity;
    QTest::newRow("10 %") << 0.1 << 191;
    QTest::newRow("199 %") << 1.99 << 2;
    QTest::newRow("200 %") << 2.0 << 1;
}

void TestSurgeLine::pointCountFollowsTheStartFlow() {
    QFETCH(double, qs);
    QFETCH(int, count);
    SurgeLine line;
    QVERIFY(line.rebuild(defaultTable(), qs, designFlow, designHead, Application::Fan));
    QCOMPARE(line.pointCount(), count);
    QVERIFY(
        near(line.surgeStartPressure(), designHead * defaultHeadRatio(surgeStartRow(qs) / 100.0)));
    if (count > 1)
        QVERIFY(near(line.point(count - 1).flowRatio, qs));
}

void TestSurgeLine::startFlowAtTwiceTheDesignFlowOrMoreStillReadsTheTable_data() {
    QTest::addColumn<double>("qs");
    QTest::addColumn<int>("row");
    QTest::newRow("twice") << 2.0 << 200;
    QTest::newRow("two and a half") << 2.5 << 250;
    QTest::newRow("beyond the table") << 9.0 << 800;
}

void TestSurgeLine::startFlowAtTwiceTheDesignFlowOrMoreStillReadsTheTable() {
    QFETCH(double, qs);
    QFETCH(int, row);
    const CurveTable table = defaultTable();
    SurgeLine line;
    // An earlier start flow leaves its own head; the new start flow must replace it.
    QVERIFY(line.rebuild(table, 0.5, designFlow, designHead, Application::Fan));
    QVERIFY(line.rebuild(table, qs, designFlow, designHead, Application::Fan));
    QCOMPARE(line.surgeStartPressure(), table.headAt(row));
    QCOMPARE(line.surgeConstant(), table.headAt(row) / (qs * qs));
    QCOMPARE(line.pointCount(), 1);
    QCOMPARE(line.point(0).head, 0.0);
}

void TestSurgeLine::noStartFlow() {
    const CurveTable table = defaultTable();
    SurgeLine fan;
    QVERIFY(fan.rebuild(table, 0.5, designFlow, designHead, Application::Fan));
    QVERIFY(fan.rebuild(table, 0.0, designFlow, designHead, Application::Fan));
    QCOMPARE(fan.surgeStartPressure(), designHead);
    QCOMPARE(fan.pointCount(), 1);
    QCOMPARE(fan.point(0).flow, 0.0);
    QCOMPARE(fan.point(0).head, 0.0);

    // A pump keeps the head it had; no test reads it while the start flow is 0.
    SurgeLine pump;
    QVERIFY(pump.rebuild(table, 0.5, designFlow, designHead, Application::Pump));
    QVERIFY(pump.rebuild(table, 0.0, designFlow, designHead, Application::Pump));
    QVERIFY(near(pump.surgeStartPressure(), 1.1625 * designHead));
    QCOMPARE(pump.pointCount(), 1);
}

void TestSurgeLine::invalidStartFlowsFailAndKeepTheLine_data() {
    QTest::addColumn<double>("qs");
    QTest::addColumn<double>("flow");
    QTest::newRow("negative") << -0.5 << designFlow;
    QTest::newRow("not a number") << std::nan("") << designFlow;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << designFlow;
    QTest::newRow("tiny start flow overflows the constant") << 1e-200 << designFlow;
    QTest::newRow("infinite design flow") << 0.5 << std::numeric_limits<double>::infinity();
}

void TestSurgeLine::invalidStartFlowsFailAndKeepTheLine() {
    QFETCH(double, qs);
    QFETCH(double, flow);
    const CurveTable table = defaultTable();
    SurgeLine line;
    QVERIFY(line.rebuild(table, 0.5, designFlow, designHead, Application::Fan));
    QVERIFY(!line.rebuild(table, qs, flow, designHead, Application::Fan));
    QCOMPARE(line.pointCount(), 151);
    QVERIFY(near(line.surgeConstant(), 4.65 * designHead));
    QCOMPARE(line.point(150).flowRatio, 0.5);
}

void TestSurgeLine::driveAgainstTheSurgeLine_data() {
    QTest::addColumn<double>("head");
    QTest::addColumn<double>("surgeConstant");
    QTest::addColumn<bool>("everyFlow");
    QTest::newRow("design point right of the line") << 4.0 << 4.65 << false;
    QTest::newRow("design point on the line") << 4.65 << 4.65 << false;
    QTest::newRow("design point left of the line") << 5.0 << 4.65 << true;
}

void TestSurgeLine::driveAgainstTheSurgeLine() {
    QFETCH(double, head);
    QFETCH(double, surgeConstant);
    QFETCH(bool, everyFlow);
    // Without static head and removed pressure drop the system head is DesignHead x x^2.
    const auto drive = [&](int p) {
        return driveBeyondLimit(p, 1000.0, 0.0, head, 0.0, surgeConstant);
    };
    const auto vanes = [&](int p) {
        return inletGuideVanesBeyondLimit(p, 1000.0, 0.0, head, surgeConstant);
    };
    const std::vector<int> expected = everyFlow ? range(1, 100) : std::vector<int>{};
    QCOMPARE(flaggedPercents(drive), expected);
    QCOMPARE(flaggedPercents(vanes), expected);
}

void TestSurgeLine::staticHeadAndRemovedPressureDrop() {
    // Static head 2, design head 4, SurgeConstant 4.65: 2 + 2 x^2 > 4.65 x^2 below x = 0.869;
    // a removed pressure drop of 1 lowers the drive's system head: 2 + x^2 > 4.65 x^2 below
    // x = 0.740. The inlet guide vanes keep the full system head.
    const auto drive = [](int p) { return driveBeyondLimit(p, 1000.0, 2.0, 4.0, 1.0, 4.65); };
    const auto vanes = [](int p) { return inletGuideVanesBeyondLimit(p, 1000.0, 2.0, 4.0, 4.65); };
    QCOMPARE(flaggedPercents(drive), range(1, 74));
    QCOMPARE(flaggedPercents(vanes), range(1, 86));
}

void TestSurgeLine::designPointLeftOfTheSurgeLineFlagsEveryFlow() {
    // On the default curve h(q) < q^2 beyond the design flow, so a start flow there puts the
    // design point left of the surge line: DesignHead > SurgeConstant.
    const CurveTable table = defaultTable();
    for (const auto& [qs, everyFlow] : {std::pair{0.5, false}, std::pair{1.2, true}}) {
        SurgeLine line;
        QVERIFY(line.rebuild(table, qs, designFlow, designHead, Application::Fan));
        QCOMPARE(designHead > line.surgeConstant(), everyFlow);
        const auto drive = [&](int p) {
            return driveBeyondLimit(p, qs * designFlow, 0.0, designHead, 0.0, line.surgeConstant());
        };
        QCOMPARE(flaggedPercents(drive), everyFlow ? range(1, 100) : std::vector<int>{});
    }
}

void TestSurgeLine::throttlingLimitIsTheStartFlow_data() {
    QTest::addColumn<double>("flow");
    QTest::addColumn<double>("startPercent");
    QTest::addColumn<int>("lastFlagged");
    QTest::newRow("45 % of 68,391.50 cfm") << designFlow << 45.0 << 44;
    QTest::newRow("45 % of 10,000 cfm") << 10000.0 << 45.0 << 44;
    QTest::newRow("45 % of 1,584 GPM") << 1584.0 << 45.0 << 44;
    QTest::newRow("37.5 % of 1,000 GPM") << 1000.0 << 37.5 << 37;
    QTest::newRow("100 %") << 1000.0 << 100.0 << 99;
    QTest::newRow("beyond the design flow") << 1000.0 << 150.0 << 100;
    QTest::newRow("below 1 %") << 1000.0 << 0.5 << 0;
}

void TestSurgeLine::throttlingLimitIsTheStartFlow() {
    QFETCH(double, flow);
    QFETCH(double, startPercent);
    QFETCH(int, lastFlagged);
    const double startFlow = flow * startPercent / 100.0;
    const auto damper = [&](int p) { return throttlingBeyondLimit(p, startFlow, flow); };
    QCOMPARE(flaggedPercents(damper), lastFlagged > 0 ? range(1, lastFlagged) : std::vector<int>{});
}

void TestSurgeLine::noStartFlowNoFlags() {
    for (int p = 1; p <= 100; ++p) {
        QVERIFY(!driveBeyondLimit(p, 0.0, 0.0, 5.0, 0.0, 0.0));
        QVERIFY(!inletGuideVanesBeyondLimit(p, 0.0, 0.0, 5.0, 0.0));
        QVERIFY(!throttlingBeyondLimit(p, 0.0, 1000.0));
    }
}

QTEST_APPLESS_MAIN(TestSurgeLine)
#include "tst_surgeline.moc"
