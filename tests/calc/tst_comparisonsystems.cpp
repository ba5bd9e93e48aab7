// Power and energy of the comparison systems, and the two-speed motor's low-speed point.

#include "EnergyFixtures.h"
#include "calc/EnergyCalculation.h"
#include "calc/TwoSpeedSolver.h"

#include <QTest>

Q_DECLARE_METATYPE(wattmere::CurveCoefficients)
Q_DECLARE_METATYPE(wattmere::QuadraticCoefficients)

using namespace wattmere;
using namespace wattmere::testing;

namespace {

EnergyInputs twoSpeedFan() {
    EnergyInputs in = defaultFanInputs();
    in.TwoSpeed.Selected = true;
    return in;
}

// A quadratic estimate whose equation has no real root at speed 0.5 with the default system:
// a2 = -0.4 x 4 - 3.2 = -4.8, a1 = 0.4, a0 = 0.25 x 0.5 x 4 - 0.8 = -0.3;
// a1^2 - 4 a2 a0 = 0.16 - 5.76 < 0.
constexpr QuadraticCoefficients rootlessQuadratic{-0.4, 0.2, 0.5};

} // namespace

class TestComparisonSystems : public QObject {
    Q_OBJECT
private slots:
    void constantVolumeAndCycling();
    void inletGuideVanesAtZeroStaticHead();
    void damperRidesTheCurve();
    void damperHoldsLeftOfTheStartPoint();
    void inletGuideVanesUseTheSurgeLine();
    void twoSpeedFanCurvesAndEnergy();
    void twoSpeedPumpRunsOnItsCurve();
    void lowSpeedSolution_data();
    void lowSpeedSolution();
    void lowSpeedTooWeakForTheStaticHead_data();
    void lowSpeedTooWeakForTheStaticHead();
    void rootlessEstimateGivesNoLowSpeedEnergy_data();
    void rootlessEstimateGivesNoLowSpeedEnergy();
    void crossingBeyondDesignFlowReadsDesignFlow();
    void solverFailureStopsTheRun();
    void unselectedTwoSpeedKeepsTheLastSolution();
};

void TestComparisonSystems::constantVolumeAndCycling() {
    const EnergyInputs in = defaultFanInputs();
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    // ShaftPower + (1 - e) ShaftPower / e = ShaftPower / e
    const double constant = in.ShaftPower / in.MotorEfficiency;
    for (int p = 1; p <= 100; ++p) {
        QCOMPARE(r.results->ConstantVolume.InputPower[p], constant);
        QCOMPARE(r.results->Cycling.InputPower[p], constant * p / 100.0);
    }
    QCOMPARE(r.results->Cycling.InputPower[50], constant / 2);
    // HoursPerYear x DutyTotal / 100 x power x 0.746
    QCOMPARE(r.results->ConstantVolume.AnnualEnergy, 8760 * 100 / 100.0 * constant * kwPerHp);
    QCOMPARE(r.results->ConstantVolume.AnnualEnergyCost, 0.1 * 8760 * constant * kwPerHp);

    DutyCycle shortDuty = defaultDuty();
    shortDuty.DutyPercent[5] = 0; // total 77
    QCOMPARE(run(in, shortDuty).results->ConstantVolume.AnnualEnergy,
             8760 * 77 / 100.0 * constant * kwPerHp);
}

void TestComparisonSystems::inletGuideVanesAtZeroStaticHead() {
    EnergyInputs in = defaultFanInputs();
    in.StaticHead = 0.0;
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    // r = 0.25, f = 0.125, shaft fraction 0.125 + 0.45 x 0.875 = 0.51875;
    // input = shaft + (0.51 + 0.49 (shaft / MotorPower)^2) x full-load loss.
    const double shaft = 0.51875 * in.ShaftPower;
    const double load = shaft / in.MotorPower;
    QCOMPARE(r.results->InletGuideVane.InputPower[50],
             shaft + (0.51 + 0.49 * load * load) * fullLoadLoss(in));
    // The removed pressure drop takes no part: at design flow the vanes draw the full power.
    QCOMPARE(r.results->InletGuideVane.InputPower[100], in.ShaftPower + fullLoadLoss(in));
}

void TestComparisonSystems::damperRidesTheCurve() {
    const EnergyInputs in = defaultFanInputs();
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    // At design flow the curve gives the design head at peak efficiency: the shaft power.
    QCOMPARE(r.results->Damper.InputPower[100], in.ShaftPower + fullLoadLoss(in));
    // At 50 %: head h(0.5) = -0.0125 - 0.025 + 1.2 = 1.1625, efficiency at the additional
    // point 0.68; shaft = 0.5 Q x 1.1625 H / (6362 x 0.68).
    const double shaft = 0.5 * in.DesignFlow * 1.1625 * in.DesignHead / 6362.0 / 0.68;
    const double load = shaft / in.MotorPower;
    QCOMPARE(r.results->Damper.InputPower[50],
             shaft + (0.51 + 0.49 * load * load) * fullLoadLoss(in));
}

void TestComparisonSystems::damperHoldsLeftOfTheStartPoint() {
    EnergyInputs in = defaultFanInputs();
    in.CurveStartFlow = 0.4 * in.DesignFlow;
    in.SurgeStartPressure = 1.2 * in.DesignHead; // the line lies far above the system
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    const SystemResult& damper = r.results->Damper;
    for (int p = 1; p <= 39; ++p) {
        QCOMPARE(damper.LimitFlag[p], std::uint8_t(1));
        QCOMPARE(damper.InputPower[p], damper.InputPower[40]);
    }
    for (int p = 40; p <= 100; ++p)
        QCOMPARE(damper.LimitFlag[p], std::uint8_t(0));
    QVERIFY(damper.InputPower[40] != damper.InputPower[41]);
}

void TestComparisonSystems::inletGuideVanesUseTheSurgeLine() {
    // Surge constant 4.65 H (start at half flow, h(0.5) = 1.1625). The vanes' head
    // 3.2 x^2 + 0.8 lies above 18.6 x^2 while 0.8 > 15.4 x^2: up to 22 %.
    EnergyInputs in = defaultFanInputs();
    in.CurveStartFlow = 0.5 * in.DesignFlow;
    in.SurgeStartPressure = 1.1625 * in.DesignHead;
    const Run r = run(in);
    const SystemResult& vanes = r.results->InletGuideVane;
    for (int p = 1; p <= 22; ++p) {
        QCOMPARE(vanes.LimitFlag[p], std::uint8_t(1));
        QCOMPARE(vanes.InputPower[p], vanes.InputPower[23]);
    }
    QCOMPARE(vanes.LimitFlag[23], std::uint8_t(0));
    // Constant volume, cycling and two-speed have no limit test.
    for (int p = 0; p <= 100; ++p)
        QCOMPARE(r.results->Cycling.LimitFlag[p] + r.results->ConstantVolume.LimitFlag[p] +
                     r.results->TwoSpeedMotor.LimitFlag[p],
                 0);
}

void TestComparisonSystems::twoSpeedFanCurvesAndEnergy() {
    const EnergyInputs in = twoSpeedFan();
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    const EnergyResults& res = *r.results;
    // Fan: system head (H - S) x^2 + S at both speeds; shaft = head x flow / (0.85 x 6362);
    // input = shaft / e with e = 0.90 (high) or 0.85 (low).
    auto shaft = [&](double x) {
        return ((4.0 - 0.8) * x * x + 0.8) * x * in.DesignFlow / (0.85 * 6362.0);
    };
    QCOMPARE(res.TwoSpeedHighInput[100], in.ShaftPower / 0.9);
    QCOMPARE(res.TwoSpeedLowInput[32], shaft(0.32) / 0.85);
    QCOMPARE(res.TwoSpeedWeighted[32], 0.5 * shaft(0.32) / 0.9 + 0.5 * shaft(0.32) / 0.85);

    // Default curve at 4/8 pole: quadratic estimate 1/3 -> 33 %, two Newton steps on the
    // cubic -> 0.3220 -> 32 %, which the horizontal curve uses.
    QCOMPARE(res.LowSpeed.LowSpeedFlowQuad, 33);
    QCOMPARE(res.LowSpeed.LowSpeedFlowCubic, 32);
    QCOMPARE(res.LowSpeedFlow, 32);
    QVERIFY(!res.LowSpeed.LowSpeedNoFlow);

    // 0.746 x HoursPerYear x share x input at the speed's flow; the bands play no part.
    const SystemResult& two = res.TwoSpeedMotor;
    QCOMPARE(two.BandEnergy[1], kwPerHp * 8760 * 0.5 * in.ShaftPower / 0.9);
    QCOMPARE(two.BandEnergy[2], kwPerHp * 8760 * 0.5 * shaft(0.32) / 0.85);
    for (int k = 3; k <= bandCount; ++k)
        QCOMPARE(two.BandEnergy[k], 0.0);
    QCOMPARE(two.AnnualEnergy, two.BandEnergy[1] + two.BandEnergy[2]);

    // Time stopped uses nothing: 60 % high and 30 % low.
    EnergyInputs stopped = in;
    stopped.TwoSpeed.FullSpeedTimePercent = 60.0;
    stopped.TwoSpeed.ReducedSpeedTimePercent = 30.0;
    QCOMPARE(run(stopped).results->TwoSpeedMotor.AnnualEnergy,
             kwPerHp * 8760 * (0.6 * in.ShaftPower / 0.9 + 0.3 * shaft(0.32) / 0.85));

    // The quadratic estimate is used when the curve is not horizontal.
    EnergyInputs quadratic = in;
    quadratic.Horizontal = false;
    quadratic.Curve = {-0.4, 0.2, 1.2, 0.0};
    QCOMPARE(run(quadratic).results->LowSpeedFlow, 33);
}

void TestComparisonSystems::twoSpeedPumpRunsOnItsCurve() {
    EnergyInputs in = twoSpeedFan();
    in.Analysis = Application::Pump;
    in.DesignFlow = 3960.0 * 0.85 * 50.0 / 4.0;
    in.PeakEfficiencyFlow = in.DesignFlow;
    in.AddEfficiencyFlow = 0.5 * in.DesignFlow;
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    // Pump: head h(x, n) x H with h(x, n) = a x^3 / n + b x^2 + c x n + d n^2.
    auto h = [](double x, double n) { return -0.1 * x * x * x / n - 0.1 * x * x + 1.2 * n * n; };
    const double x = 0.3;
    QCOMPARE(r.results->TwoSpeedLowInput[30],
             h(x, 0.5) * 4.0 * x * in.DesignFlow / (0.85 * 3960.0) / 0.85);
    QCOMPARE(r.results->TwoSpeedHighInput[30],
             h(x, 1.0) * 4.0 * x * in.DesignFlow / (0.85 * 3960.0) / 0.9);
}

void TestComparisonSystems::lowSpeedSolution_data() {
    QTest::addColumn<double>("staticHead");
    QTest::addColumn<double>("speedRatio");
    QTest::addColumn<CurveCoefficients>("curve");
    QTest::addColumn<QuadraticCoefficients>("quadratic");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("quad");
    QTest::addColumn<int>("cubic");

    const CurveCoefficients cubic{-0.1, -0.1, 0.0, 1.2};
    const QuadraticCoefficients quadratic{-0.4, 0.2, 1.2};
    QTest::newRow("default, 4/8 pole") << 0.8 << 0.5 << cubic << quadratic << true << 33 << 32;
    // Not horizontal: no refinement, the cubic flow repeats the quadratic one.
    QTest::newRow("default, quadratic curve")
        << 0.8 << 0.5 << CurveCoefficients{-0.4, 0.2, 1.2, 0.0} << quadratic << false << 33 << 33;
    // 4/6 pole: a2 = -4.8, a1 = 0.2 x (2/3) x 4 = 0.5333, a0 = (4/9) x 1.2 x 4 - 0.8 = 1.3333;
    // q0 = (-a1 - sqrt(a1^2 - 4 a2 a0)) / (2 a2) = 0.5855.
    QTest::newRow("4/6 pole quadratic")
        << 0.8 << 2.0 / 3.0 << CurveCoefficients{-0.4, 0.2, 1.2, 0.0} << quadratic << false << 59
        << 59;
    // Newton from q0 = 1/3 on A = -8, B = -3.2, C = 4, D = -0.8 overshoots to q1 = 0.1852,
    // then climbs to q2 = 0.2955: the smallest, q1, counts.
    QTest::newRow("first step smallest")
        << 0.8 << 0.5 << CurveCoefficients{-1.0, 0.0, 2.0, 0.0} << quadratic << true << 33 << 19;
    // On A = -8, B = 4, C = -2, D = 0.2 both steps descend: q1 = 0.1768, q2 = 0.1314.
    QTest::newRow("second step smallest")
        << 0.8 << 0.5 << CurveCoefficients{-1.0, 2.0, -1.0, 1.0} << quadratic << true << 33 << 13;
    // A negative crossing counts as 0: a2 = -4.8, a1 = -1.5 x 0.5 x 4 = -3,
    // a0 = 0.25 x 0.5 x 4 - 0.8 = -0.3; q0 = (3 - 1.8) / -9.6 = -0.125.
    QTest::newRow("negative crossing") << 0.8 << 0.5 << CurveCoefficients{-0.4, -1.5, 0.5, 0.0}
                                       << QuadraticCoefficients{-0.4, -1.5, 0.5} << false << 0 << 0;
    // A zero slope at the estimate: H = 4, S = 0, n = 0.5 and the quadratic (0, 0, 1) give
    // q0 = 0.5; with the cubic (0, 0, 2, 1): A = 0, B = -4, C = 4, D = 1 and
    // f'(0.5) = 2 x (-4) x 0.5 + 4 = 0. The estimate stands.
    QTest::newRow("zero slope keeps the estimate")
        << 0.0 << 0.5 << CurveCoefficients{0.0, 0.0, 2.0, 1.0} << QuadraticCoefficients{0, 0, 1}
        << true << 50 << 50;
    // The default cubic has zero slope at q = 0 (c = 0); a rootless estimate starts there.
    QTest::newRow("rootless estimate on the default cubic")
        << 0.8 << 0.5 << cubic << rootlessQuadratic << true << 0 << 0;
}

void TestComparisonSystems::lowSpeedSolution() {
    QFETCH(double, staticHead);
    QFETCH(double, speedRatio);
    QFETCH(CurveCoefficients, curve);
    QFETCH(QuadraticCoefficients, quadratic);
    QFETCH(bool, horizontal);
    QFETCH(int, quad);
    QFETCH(int, cubic);
    const auto solution =
        solveLowSpeedFlow(4.0, staticHead, speedRatio, curve, quadratic, horizontal);
    QVERIFY(solution);
    QCOMPARE(solution->LowSpeedFlowQuad, quad);
    QCOMPARE(solution->LowSpeedFlowCubic, cubic);
    QVERIFY(!solution->LowSpeedNoFlow);
}

void TestComparisonSystems::lowSpeedTooWeakForTheStaticHead_data() {
    QTest::addColumn<double>("staticHead");
    QTest::newRow("exactly a quarter of the design head") << 1.0;
    QTest::newRow("above a quarter") << 2.0;
}

void TestComparisonSystems::lowSpeedTooWeakForTheStaticHead() {
    QFETCH(double, staticHead);
    EnergyInputs in = twoSpeedFan(); // 4 pole / 8 pole: n^2 x H = 1
    in.StaticHead = staticHead;
    in.RemovedPressureDrop = 0.0;
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    const EnergyResults& res = *r.results;
    QVERIFY(res.LowSpeed.LowSpeedNoFlow);
    QCOMPARE(res.LowSpeed.LowSpeedFlowQuad, 100);
    QCOMPARE(res.LowSpeed.LowSpeedFlowCubic, 100);
    QCOMPARE(res.LowSpeedFlow, 100);
    QCOMPARE(res.TwoSpeedMotor.BandEnergy[2], kwPerHp * 8760 * 0.5 * res.TwoSpeedLowInput[100]);
    QVERIFY(res.TwoSpeedMotor.BandEnergy[2] > 0.0);
}

void TestComparisonSystems::rootlessEstimateGivesNoLowSpeedEnergy_data() {
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("quadratic curve") << false;
    QTest::newRow("horizontal default cubic") << true;
}

void TestComparisonSystems::rootlessEstimateGivesNoLowSpeedEnergy() {
    QFETCH(bool, horizontal);
    EnergyInputs in = twoSpeedFan();
    in.Quadratic = rootlessQuadratic;
    in.Horizontal = horizontal;
    if (!horizontal)
        in.Curve = {-0.4, 0.2, 1.2, 0.0};
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    QCOMPARE(r.results->LowSpeed.LowSpeedFlowQuad, 0);
    QCOMPARE(r.results->LowSpeedFlow, 0);
    QCOMPARE(r.results->TwoSpeedMotor.BandEnergy[2], 0.0); // entry 0 reads 0
    QVERIFY(r.results->TwoSpeedMotor.BandEnergy[1] > 0.0);
}

void TestComparisonSystems::crossingBeyondDesignFlowReadsDesignFlow() {
    // S = 0, n = 0.5 and the quadratic (0, 0, 16): a2 = -4, a1 = 0, a0 = 16, so q0 = 2.
    EnergyInputs in = twoSpeedFan();
    in.StaticHead = 0.0;
    in.Horizontal = false;
    in.Curve = {0.0, 0.0, 16.0, 0.0};
    in.Quadratic = {0.0, 0.0, 16.0};
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    QCOMPARE(r.results->LowSpeed.LowSpeedFlowQuad, 200);
    QCOMPARE(r.results->LowSpeedFlow, 100);
    QCOMPARE(r.results->TwoSpeedMotor.BandEnergy[2],
             kwPerHp * 8760 * 0.5 * r.results->TwoSpeedLowInput[100]);
}

void TestComparisonSystems::solverFailureStopsTheRun() {
    // a2 = qa x H - (H - S) = 0 with a real root: the estimate divides by zero.
    EnergyInputs in = twoSpeedFan();
    in.StaticHead = 0.0;
    in.Quadratic = {1.0, 1.0, 1.0};
    QVERIFY(!solveLowSpeedFlow(4.0, 0.0, 0.5, in.Curve, in.Quadratic, true));

    EnergyResults scratch;
    const LowSpeedSolution previous{30, 31, false};
    QCOMPARE(runEnergyCalculation(in, defaultDuty(), previous, scratch),
             EnergyOutcome::TwoSpeedSolverFailure);
    QVERIFY(scratch.LowSpeed.LowSpeedNoFlow);
    QCOMPARE(scratch.LowSpeed.LowSpeedFlowQuad, 30);
    QCOMPARE(scratch.LowSpeed.LowSpeedFlowCubic, 31);

    // Without the two-speed motor selected the solver does not run and nothing fails.
    in.TwoSpeed.Selected = false;
    QCOMPARE(run(in).outcome, EnergyOutcome::Completed);
}

void TestComparisonSystems::unselectedTwoSpeedKeepsTheLastSolution() {
    EnergyInputs in = defaultFanInputs();
    in.TwoSpeed.Selected = false;
    in.StaticHead = 2.0; // would give no flow if solved
    const Run r = run(in, defaultDuty(), LowSpeedSolution{40, 41, true});
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    QCOMPARE(r.results->LowSpeed.LowSpeedFlowQuad, 40);
    QCOMPARE(r.results->LowSpeed.LowSpeedFlowCubic, 41);
    QVERIFY(!r.results->LowSpeed.LowSpeedNoFlow);
    QCOMPARE(r.results->LowSpeedFlow, 41);
    QCOMPARE(r.results->TwoSpeedMotor.BandEnergy[2],
             kwPerHp * 8760 * 0.5 * r.results->TwoSpeedLowInput[41]);
}

QTEST_APPLESS_MAIN(TestComparisonSystems)
#include "tst_comparisonsystems.moc"
