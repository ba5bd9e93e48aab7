// The consistency checks of the advanced curve data: each check with the entries that trip it,
// the message it reports and the entries it rewrites.

#include "curves/CurveChecks.h"

#include <QTest>

#include <functional>

using namespace wattmere;

Q_DECLARE_METATYPE(wattmere::CurveCheckEntries)
Q_DECLARE_METATYPE(wattmere::CurveCheck)
Q_DECLARE_METATYPE(wattmere::CurveCheckRewrites)

namespace {

// The default curve data of a fan: 4 in.wg, 50 HP, 86 % give 68,391.50 cfm.
CurveCheckEntries defaults() {
    CurveCheckEntries e;
    e.point1Flow = 0.0;
    e.point2Flow = 136783.0;
    e.point1Head = 4.8;
    e.designHead = 4.0;
    e.point2Head = 0.0;
    e.designEfficiency = 86.0;
    e.peakEfficiency = 86.0;
    e.addEfficiency = 68.8;
    e.designFlow = 68391.5;
    e.peakFlow = 68391.5;
    e.addFlow = 34195.75;
    e.endFlow = 136783.0;
    e.horizontal = true;
    e.flowGiven = true;
    e.designEfficiencyEnabled = false;
    e.designFlowBase = 68391.5;
    e.powerConstant = 6362.0;
    e.shaftPower = 50.0;
    e.designHeadBase = 4.0;
    e.systemEfficiency = 86.0;
    return e;
}

CurveCheckEntries changed(const std::function<void(CurveCheckEntries&)>& change) {
    CurveCheckEntries e = defaults();
    change(e);
    return e;
}

CurveCheckRewrites efficiencies(std::optional<double> design, std::optional<double> peak,
                                std::optional<double> additional) {
    CurveCheckRewrites r;
    r.designEfficiency = design;
    r.peakEfficiency = peak;
    r.addEfficiency = additional;
    return r;
}

} // namespace

class TestCurveChecks : public QObject {
    Q_OBJECT
private slots:
    void checks_data();
    void checks();
    void endFlowBelowTheDesignFlowIsResetAndTheChecksGoOn();
    void messageKeys_data();
    void messageKeys();
};

void TestCurveChecks::checks_data() {
    QTest::addColumn<CurveCheckEntries>("entries");
    QTest::addColumn<CurveCheck>("check");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<CurveCheckRewrites>("rewrites");

    using C = CurveCheck;
    const CurveCheckRewrites none;
    const double qd = 68391.5;

    QTest::newRow("default data") << defaults() << C::None << true << none;
    QTest::newRow("an empty curve flow skips every check") << changed([&](auto& e) {
        e.curveFlowEmpty = true;
        e.point1Flow = qd;
        e.addEfficiency = 99.0;
    }) << C::None << true << none;

    // Curve points.
    QTest::newRow("a: horizontal, point 1 at the design flow")
        << changed([&](auto& e) { e.point1Flow = qd; }) << C::A << false << none;
    QTest::newRow("a: horizontal, point 1 beyond the design flow") << changed([&](auto& e) {
        e.point1Flow = 80000.0;
        e.point1Head = 3.0;
    }) << C::A << false << none;
    QTest::newRow("b") << changed([&](auto& e) {
        e.horizontal = false;
        e.point1Flow = qd;
    }) << C::B << false << none;
    // Point 1 on the design point passes (and the fit then finds the system singular).
    QTest::newRow("point 1 on the design point passes") << changed([&](auto& e) {
        e.horizontal = false;
        e.point1Flow = qd;
        e.point1Head = 4.0;
    }) << C::None << true << none;
    QTest::newRow("c") << changed([&](auto& e) {
        e.horizontal = false;
        e.point1Flow = 136783.0;
        e.point1Head = 1.0;
    }) << C::C << false << none;
    QTest::newRow("d: point 2 at the design flow, other pressure") << changed([&](auto& e) {
        e.point2Flow = qd;
        e.point2Head = 3.0;
    }) << C::D << false << none;
    QTest::newRow("e: point 2 at the design flow, same pressure") << changed([&](auto& e) {
        e.point2Flow = qd;
        e.point2Head = 4.0;
    }) << C::E << false << none;
    QTest::newRow("f") << changed([&](auto& e) {
        e.horizontal = false;
        e.point1Flow = 80000.0;
        e.point1Head = 4.0;
    }) << C::F << false << none;
    QTest::newRow("g") << changed([&](auto& e) { e.point2Head = 4.0; }) << C::G << false << none;
    QTest::newRow("h") << changed([&](auto& e) { e.point1Head = 4.0; }) << C::H << false << none;
    QTest::newRow("i") << changed([&](auto& e) {
        e.point2Flow = 30000.0;
        e.point2Head = 3.0;
    }) << C::I << false << none;
    QTest::newRow("point 2 left of the design point") << changed([&](auto& e) {
        e.point2Flow = 30000.0;
        e.point2Head = 4.5;
    }) << C::None << true << none;

    // Efficiency points, flow-given mode.
    QTest::newRow("j") << changed([&](auto& e) { e.peakEfficiency = 90.0; }) << C::J << false
                       << none;
    QTest::newRow("k: the flow's efficiency is within the peak: valid after all")
        << changed([&](auto& e) {
               e.peakFlow = 70000.0;
               e.designEfficiency = 90.0;
           })
        << C::K << true << efficiencies(86.0, 86.0, std::nullopt);
    QTest::newRow("k: the flow's efficiency is above the peak") << changed([&](auto& e) {
        e.peakFlow = 70000.0;
        e.designEfficiency = 90.0;
        e.peakEfficiency = 85.0;
        e.addEfficiency = 68.0;
    }) << C::K << false << efficiencies(86.0, 85.0, std::nullopt);
    QTest::newRow("k: 53.3 % from the flow against 53.3 %") << changed([&](auto& e) {
        e.peakFlow = 70000.0;
        e.designEfficiency = 60.0;
        e.peakEfficiency = 53.3;
        e.addEfficiency = 42.6;
        e.designFlowBase = 0.533 * 79525.0;
    }) << C::K << true << efficiencies(53.3, 53.3, std::nullopt);
    QTest::newRow("l: system efficiency above the peak")
        << changed([&](auto& e) { e.systemEfficiency = 88.0; }) << C::L << false
        << efficiencies(88.0, std::nullopt, std::nullopt);
    QTest::newRow("l: implied by the flow above the peak") << changed([&](auto& e) {
        e.designEfficiencyEnabled = true;
        e.designFlowBase = 0.87 * 79525.0;
    }) << C::L << false << efficiencies(87.0, std::nullopt, std::nullopt);
    QTest::newRow("l: 53.3 % from the flow is not above 53.3 %") << changed([&](auto& e) {
        e.designEfficiencyEnabled = true;
        e.designEfficiency = e.peakEfficiency = 53.3;
        e.addEfficiency = 42.6;
        e.designFlowBase = 0.533 * 79525.0;
    }) << C::None << true << none;
    QTest::newRow("l: 53.3 % system efficiency is not above 53.3 %") << changed([&](auto& e) {
        e.systemEfficiency = e.designEfficiency = e.peakEfficiency = 53.3;
        e.addEfficiency = 42.6;
    }) << C::None << true << none;
    QTest::newRow("l: no shaft power") << changed([&](auto& e) {
        e.designEfficiencyEnabled = true;
        e.shaftPower = 0.0;
    }) << C::L << false << none;
    QTest::newRow("m: rounds onto a peak of 100 % but lies above 1") << changed([&](auto& e) {
        e.systemEfficiency = 100.04;
        e.designEfficiency = e.peakEfficiency = 100.0;
        e.addEfficiency = 80.0;
    }) << C::M << false << efficiencies(100.0, std::nullopt, std::nullopt);

    // Additional point, both modes.
    QTest::newRow("n: dialog only") << changed([&](auto& e) {
        e.addFlow = qd;
        e.addEfficiency = 70.0;
    }) << C::N << false << none;
    QTest::newRow("o") << changed([&](auto& e) { e.addEfficiency = 87.0; }) << C::O << false
                       << efficiencies(std::nullopt, 86.0, 87.0);
    QTest::newRow("p: exactly half passes")
        << changed([&](auto& e) { e.addEfficiency = 43.0; }) << C::None << true << none;
    QTest::newRow("p: a tenth below half")
        << changed([&](auto& e) { e.addEfficiency = 42.9; }) << C::P << false
        << efficiencies(std::nullopt, 86.0, 42.9);
    QTest::newRow("p: half of 85.5 is 42.75, 42.8 passes") << changed([&](auto& e) {
        e.systemEfficiency = e.designEfficiency = e.peakEfficiency = 85.5;
        e.addEfficiency = 42.8;
    }) << C::None << true << none;
    QTest::newRow("p: 42.7 fails") << changed([&](auto& e) {
        e.systemEfficiency = e.designEfficiency = e.peakEfficiency = 85.5;
        e.addEfficiency = 42.7;
    }) << C::P << false << efficiencies(std::nullopt, 85.5, 42.7);

    // Efficiency-given mode: j ... m do not apply, q does.
    CurveCheckRewrites q = efficiencies(90.0, 90.0, std::nullopt);
    q.designFlowBase = 71572.5;
    QTest::newRow("q") << changed([&](auto& e) {
        e.flowGiven = false;
        e.designEfficiency = 90.0;
    }) << C::Q << false << q;
    QTest::newRow("efficiency-given within the peak") << changed([&](auto& e) {
        e.flowGiven = false;
        e.designEfficiency = 80.0;
        e.systemEfficiency = 99.0;
    }) << C::None << true << none;
}

void TestCurveChecks::checks() {
    QFETCH(CurveCheckEntries, entries);
    QFETCH(CurveCheck, check);
    QFETCH(bool, valid);
    QFETCH(CurveCheckRewrites, rewrites);
    const CurveCheckResult result = checkCurveData(entries);
    QCOMPARE(result.check, check);
    QCOMPARE(result.valid, valid);
    QCOMPARE(result.endFlowReset, false);
    QCOMPARE(result.rewrites.designEfficiency, rewrites.designEfficiency);
    QCOMPARE(result.rewrites.peakEfficiency, rewrites.peakEfficiency);
    QCOMPARE(result.rewrites.addEfficiency, rewrites.addEfficiency);
    QCOMPARE(result.rewrites.designFlowBase, rewrites.designFlowBase);
    QVERIFY(result.rewrites == rewrites);
}

void TestCurveChecks::endFlowBelowTheDesignFlowIsResetAndTheChecksGoOn() {
    CurveCheckEntries e = defaults();
    e.endFlow = 50000.0;
    CurveCheckResult result = checkCurveData(e);
    QVERIFY(result.endFlowReset);
    QVERIFY(result.valid);
    QCOMPARE(result.check, CurveCheck::None);
    QCOMPARE(result.rewrites.endFlow, std::optional<double>(136783.0));
    QCOMPARE(result.rewrites.startFlow, std::optional<double>(0.0));

    e.point1Flow = 68391.5;
    result = checkCurveData(e);
    QVERIFY(result.endFlowReset);
    QVERIFY(!result.valid);
    QCOMPARE(result.check, CurveCheck::A);

    // Also when the rest is skipped for an empty curve flow.
    e.curveFlowEmpty = true;
    result = checkCurveData(e);
    QVERIFY(result.endFlowReset);
    QVERIFY(result.valid);

    // An end flow at the design flow is not below it.
    e = defaults();
    e.endFlow = e.designFlow;
    result = checkCurveData(e);
    QVERIFY(!result.endFlowReset);
    QVERIFY(!result.rewrites.endFlow);
}

void TestCurveChecks::messageKeys_data() {
    QTest::addColumn<CurveCheck>("check");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("note");
    QTest::addColumn<bool>("alwaysDialog");
    using C = CurveCheck;
    QTest::newRow("none") << C::None << QString() << false << false;
    QTest::newRow("end flow") << C::EndBelowDesign << "IDS_10" << true << true;
    const C checks[] = {C::A, C::B, C::C, C::D, C::E, C::F, C::G, C::H, C::I,
                        C::J, C::K, C::L, C::M, C::N, C::O, C::P, C::Q};
    int id = 60;
    char name = 'a';
    for (C check : checks) {
        QTest::newRow(QByteArray(1, name++).constData())
            << check << QStringLiteral("IDS_%1").arg(id++) << (check != C::N) << false;
    }
}

void TestCurveChecks::messageKeys() {
    QFETCH(CurveCheck, check);
    QFETCH(QString, key);
    QFETCH(bool, note);
    QFETCH(bool, alwaysDialog);
    QCOMPARE(curveCheckMessageKey(check), key);
    QCOMPARE(curveCheckShowsNote(check), note);
    QCOMPARE(curveCheckAlwaysShowsDialog(check), alwaysDialog);
}

QTEST_APPLESS_MAIN(TestCurveChecks)
#include "tst_curvechecks.moc"
