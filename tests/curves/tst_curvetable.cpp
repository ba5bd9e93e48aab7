// The tabulated curve and the control curve: the rows the charts draw and the surge limit reads.

#include "curves/CurveFit.h"
#include "curves/CurveTable.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace wattmere;

namespace {

constexpr double designHead = 4.0;
constexpr double designFlow = 68391.5;

bool near(double actual, double expected) {
    return std::abs(actual - expected) < 1e-9 * std::max(1.0, std::abs(expected));
}

CurveCoefficients defaultFit(bool horizontal) {
    NormalisedCurvePoints points;
    points.q1 = 0.0;
    points.h1 = 1.2;
    points.q2 = 2.0;
    points.h2 = 0.0;
    return fitCurve(points, horizontal).value().coefficients;
}

} // namespace

class TestCurveTable : public QObject {
    Q_OBJECT
private slots:
    void rowsOfTheDefaultCurves_data();
    void rowsOfTheDefaultCurves();
    void everyRowHoldsItsPercentAndFlow();
    void nonFiniteValuesFailAndKeepTheTable_data();
    void nonFiniteValuesFailAndKeepTheTable();
    void controlCurve_data();
    void controlCurve();
    void controlCurveFailsOnNonFiniteValues();
};

void TestCurveTable::rowsOfTheDefaultCurves_data() {
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("percent");
    QTest::addColumn<double>("headRatio");
    QTest::newRow("cubic shut-off") << true << 0 << 1.2;
    QTest::newRow("cubic 50 %") << true << 50 << 1.1625;
    QTest::newRow("cubic design point") << true << 100 << 1.0;
    QTest::newRow("cubic free delivery") << true << 200 << 0.0;
    QTest::newRow("cubic last row") << true << 800 << -56.4;
    QTest::newRow("quadratic 50 %") << false << 50 << 1.2;
    QTest::newRow("quadratic 150 %") << false << 150 << 0.6;
    QTest::newRow("quadratic last row") << false << 800 << -22.8;
}

void TestCurveTable::rowsOfTheDefaultCurves() {
    QFETCH(bool, horizontal);
    QFETCH(int, percent);
    QFETCH(double, headRatio);
    CurveTable table;
    QVERIFY(table.build(designHead, designFlow, defaultFit(horizontal), horizontal));
    QVERIFY2(near(table.headAt(percent), headRatio * designHead),
             qPrintable(QString::number(table.headAt(percent), 'g', 17)));
}

void TestCurveTable::everyRowHoldsItsPercentAndFlow() {
    CurveTable table;
    QVERIFY(table.build(designHead, designFlow, defaultFit(true), true));
    for (int i = 0; i < CurveTable::rowCount; ++i) {
        QCOMPARE(table.row(i).percent, i);
        QCOMPARE(table.row(i).flow, i / 100.0 * designFlow);
    }
    QCOMPARE(table.row(100).flow, designFlow);
    QCOMPARE(table.row(800).flow, 8.0 * designFlow);
}

void TestCurveTable::nonFiniteValuesFailAndKeepTheTable_data() {
    QTest::addColumn<double>("head");
    QTest::addColumn<double>("flow");
    QTest::addColumn<double>("coefficient");
    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("infinite head") << infinity << designFlow << -0.1;
    QTest::newRow("infinite flow") << designHead << infinity << -0.1;
    QTest::newRow("not-a-number coefficient") << designHead << designFlow << std::nan("");
    // Finite coefficients whose cube term overflows only at the far rows.
    QTest::newRow("overflow at 800 %") << 1e300 << designFlow << 1e10;
}

void TestCurveTable::nonFiniteValuesFailAndKeepTheTable() {
    QFETCH(double, head);
    QFETCH(double, flow);
    QFETCH(double, coefficient);
    CurveTable table;
    QVERIFY(table.build(designHead, designFlow, defaultFit(true), true));
    CurveCoefficients broken = defaultFit(true);
    broken.a = coefficient;
    QVERIFY(!table.build(head, flow, broken, true));
    QVERIFY(near(table.headAt(50), 1.1625 * designHead));
    QCOMPARE(table.row(800).flow, 8.0 * designFlow);
}

void TestCurveTable::controlCurve_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<double>("head");
    // Static head 1, design head 4: head = 1 + 3 q^2.
    QTest::newRow("no flow") << 0 << 1.0;
    QTest::newRow("half flow") << 50 << 1.75;
    QTest::newRow("design flow") << 100 << 4.0;
    QTest::newRow("110 %") << 110 << 1.0 + 1.21 * 3.0;
}

void TestCurveTable::controlCurve() {
    QFETCH(int, percent);
    QFETCH(double, head);
    ControlCurve curve;
    QVERIFY(curve.build(designHead, 1.0, 1000.0));
    QCOMPARE(curve.point(percent).percent, percent);
    QVERIFY(near(curve.point(percent).head, head));
    QVERIFY(near(curve.point(percent).flow, percent * 10.0));
}

void TestCurveTable::controlCurveFailsOnNonFiniteValues() {
    ControlCurve curve;
    QVERIFY(curve.build(designHead, 0.0, 1000.0));
    QVERIFY(!curve.build(std::nan(""), 0.0, 1000.0));
    QVERIFY(!curve.build(designHead, 0.0, std::numeric_limits<double>::infinity()));
    QVERIFY(near(curve.point(100).head, designHead));
}

QTEST_APPLESS_MAIN(TestCurveTable)
#include "tst_curvetable.moc"
