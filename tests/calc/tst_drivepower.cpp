// Input power and energy of the variable-speed drive over the flow points, and the failures
// that stop the calculation.

#include "EnergyFixtures.h"
#include "calc/DrivePoint.h"
#include "calc/EnergyCalculation.h"
#include "calc/MotorLosses.h"

#include <QTest>

#include <cmath>

using namespace wattmere;
using namespace wattmere::testing;

namespace {

PassConstants constantsFor(const EnergyInputs& in) {
    ArithmeticGuard guard;
    PassConstants constants;
    constants.PowerConstant = powerConstant(in.Analysis);
    constants.MotorFullLoadLoss = fullLoadLoss(in);
    constants.Efficiency = makeEfficiencyCurve(in, guard);
    constants.Limit = makeLimitLine(in, guard);
    return constants;
}

} // namespace

class TestDrivePower : public QObject {
    Q_OBJECT
private slots:
    void fanLawsWithoutStaticHead_data();
    void fanLawsWithoutStaticHead();
    void motorAndDriveLossesAtFullLoad();
    void flatEfficiencyCurve_data();
    void flatEfficiencyCurve();
    void efficiencyCurvePassesThroughItsPoints();
    void noLimitLineSetsNoFlag();
    void limitLineHoldsPowerOfNearestValidPoint();
    void designPointBeyondTheLimitLine();
    void negativeSystemHeadStopsTheRun_data();
    void negativeSystemHeadStopsTheRun();
    void arithmeticFailures_data();
    void arithmeticFailures();
    void bandsReadThePowerOfTheirFlow();
    void bandFlowsOutsideTheCurveReadItsEnds();
    void pumpUsesThePumpConstant();
    void noAnalysisRunsNothing();
};

void TestDrivePower::fanLawsWithoutStaticHead_data() {
    QTest::addColumn<int>("percent");
    QTest::newRow("100 %") << 100;
    QTest::newRow("73 %") << 73;
    QTest::newRow("50 %") << 50;
    QTest::newRow("10 %") << 10;
}

void TestDrivePower::fanLawsWithoutStaticHead() {
    QFETCH(int, percent);
    EnergyInputs in = defaultFanInputs();
    in.StaticHead = 0.0;
    in.RemovedPressureDrop = 0.0;
    in.AddEfficiency = in.PeakEfficiency; // flat curve: the fan runs at its peak everywhere
    const double x = percent / 100.0;

    ArithmeticGuard guard;
    const double headRatio = systemHeadRatio(in, x, guard);
    QCOMPARE(headRatio, x * x);
    const DrivePoint point = drivePoint(in, constantsFor(in), percent, headRatio, guard);
    QVERIFY(!guard.failed());
    QCOMPARE(point.SpeedRatio, x);
    // Design point at peak efficiency: shaft power falls with the cube of the flow.
    QCOMPARE(point.DriveShaftPower, in.ShaftPower * x * x * x);
    // Torque = shaft / ShaftPower / speed = x^2.
    QCOMPARE(point.TorqueRatio, x * x);

    // Input power built from the loss formulas with s = 1 (shaft power = motor power):
    // loss = (0.35 + 0.14 t) F + 0.35 F t + 0.16 F n; drive loss =
    // (1 - e)/e x (P + F) x (0.5 x input / (P + F) + 0.5).
    const double f = fullLoadLoss(in);
    const double t = x * x;
    const double motorInput =
        in.ShaftPower * x * x * x + (0.35 + 0.14 * t) * f + 0.35 * f * t + 0.16 * f * x;
    const double full = in.MotorPower + f;
    const double drive =
        (1 - in.DriveEfficiency) / in.DriveEfficiency * full * (0.5 * motorInput / full + 0.5);
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    QCOMPARE(r.results->Drive.InputPower[percent], motorInput + drive);
    QCOMPARE(r.results->Drive.InputPower[0], 0.0); // never computed
}

void TestDrivePower::motorAndDriveLossesAtFullLoad() {
    const EnergyInputs in = defaultFanInputs();
    const double f = fullLoadLoss(in); // 0.1 x 50 / 0.9
    QCOMPARE(driveMotorLoss(1.0, 1.0, 1.0, f).Total, f);
    // At a lower load and speed the loss shrinks: 0.35 F fixed + 0.14 F t s^2 + 0.35 F t s^2
    // + 0.16 F n.
    const DriveMotorLoss half = driveMotorLoss(0.5, 0.5, 0.8, f);
    QCOMPARE(half.Total, 0.35 * f + 0.49 * f * 0.5 * 0.64 + 0.16 * f * 0.5);

    ArithmeticGuard guard;
    const double full = in.MotorPower + f;
    // At full motor input the drive loses (1 - e) / e of that input.
    QCOMPARE(driveLoss(full, in.MotorPower, f, in.DriveEfficiency, guard),
             (1 - in.DriveEfficiency) / in.DriveEfficiency * full);
    // At no motor input, half of it.
    QCOMPARE(driveLoss(0.0, in.MotorPower, f, in.DriveEfficiency, guard),
             0.5 * (1 - in.DriveEfficiency) / in.DriveEfficiency * full);
    QVERIFY(!guard.failed());
}

void TestDrivePower::flatEfficiencyCurve_data() {
    QTest::addColumn<double>("addFlowShare");
    QTest::newRow("additional point at half flow") << 0.5;
    QTest::newRow("additional point at the peak flow") << 1.0;
}

void TestDrivePower::flatEfficiencyCurve() {
    QFETCH(double, addFlowShare);
    EnergyInputs in = defaultFanInputs();
    in.AddEfficiency = in.PeakEfficiency;
    in.AddEfficiencyFlow = addFlowShare * in.DesignFlow;
    ArithmeticGuard guard;
    const EfficiencyCurve curve = makeEfficiencyCurve(in, guard);
    for (int p : {1, 30, 50, 99, 100})
        QCOMPARE(curveEfficiency(curve, p, guard), in.PeakEfficiency);
    QVERIFY(!guard.failed());
    QCOMPARE(run(in).outcome, EnergyOutcome::Completed);
}

void TestDrivePower::efficiencyCurvePassesThroughItsPoints() {
    EnergyInputs in = defaultFanInputs();
    in.PeakEfficiencyFlow = 0.8 * in.DesignFlow;
    ArithmeticGuard guard;
    const EfficiencyCurve curve = makeEfficiencyCurve(in, guard);
    QCOMPARE(curveEfficiency(curve, 80, guard), in.PeakEfficiency);
    QCOMPARE(curveEfficiency(curve, 50, guard), in.AddEfficiency);
    // Symmetric about the peak, and never below a third of it.
    QCOMPARE(curveEfficiency(curve, 110, guard), in.AddEfficiency);
    QVERIFY(curveEfficiency(curve, -1000, guard) >= in.PeakEfficiency / 3);
    QVERIFY(!guard.failed());

    // Drive blend: three quarters of the way from the curve to the peak.
    const DrivePoint point =
        drivePoint(in, constantsFor(in), 50, systemHeadRatio(in, 0.5, guard), guard);
    QCOMPARE(point.DriveFanEfficiency,
             in.AddEfficiency + 0.75 * (in.PeakEfficiency - in.AddEfficiency));
}

void TestDrivePower::noLimitLineSetsNoFlag() {
    EnergyInputs in = defaultFanInputs();
    in.CurveStartFlow = 0.0;
    in.SurgeStartPressure = 1000.0; // not used without a start flow
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    for (int p = 0; p <= 100; ++p) {
        QCOMPARE(r.results->Drive.LimitFlag[p], std::uint8_t(0));
        QCOMPARE(r.results->Damper.LimitFlag[p], std::uint8_t(0));
        QCOMPARE(r.results->InletGuideVane.LimitFlag[p], std::uint8_t(0));
    }
    // Nothing held: the power falls all the way down.
    for (int p = 1; p < 100; ++p)
        QVERIFY(r.results->Drive.InputPower[p] < r.results->Drive.InputPower[p + 1]);
}

void TestDrivePower::limitLineHoldsPowerOfNearestValidPoint() {
    // Start point at half the design flow on the default curve: h(0.5) = 1.1625, so the
    // surge line is 4.65 x DesignHead x x^2. The system head 2.8 x^2 + 0.8 lies above it
    // while 0.8 > 15.8 x^2, that is up to 22 %.
    EnergyInputs in = defaultFanInputs();
    in.CurveStartFlow = 0.5 * in.DesignFlow;
    in.SurgeStartPressure = 1.1625 * in.DesignHead;
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    const SystemResult& drive = r.results->Drive;
    for (int p = 1; p <= 22; ++p) {
        QCOMPARE(drive.LimitFlag[p], std::uint8_t(1));
        QCOMPARE(drive.InputPower[p], drive.InputPower[23]);
    }
    for (int p = 23; p <= 100; ++p)
        QCOMPARE(drive.LimitFlag[p], std::uint8_t(0));
    QVERIFY(drive.InputPower[23] < drive.InputPower[24]);

    // The same data without the limit line give a lower power at 10 %.
    in.CurveStartFlow = 0.0;
    QVERIFY(run(in).results->Drive.InputPower[10] < drive.InputPower[10]);
}

void TestDrivePower::designPointBeyondTheLimitLine() {
    // Without static head the system head is H x^2; a surge constant of 0.8 H below it puts
    // every point beyond the line. Design flow is never held, so every point takes its power.
    EnergyInputs in = defaultFanInputs();
    in.StaticHead = 0.0;
    in.RemovedPressureDrop = 0.0;
    in.CurveStartFlow = 0.5 * in.DesignFlow;
    in.SurgeStartPressure = 0.2 * in.DesignHead;
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    const SystemResult& drive = r.results->Drive;
    for (int p = 1; p <= 100; ++p) {
        QCOMPARE(drive.LimitFlag[p], std::uint8_t(1));
        QCOMPARE(drive.InputPower[p], drive.InputPower[100]);
    }
    in.CurveStartFlow = 0.0;
    QCOMPARE(run(in).results->Drive.InputPower[100], drive.InputPower[100]);
}

void TestDrivePower::negativeSystemHeadStopsTheRun_data() {
    QTest::addColumn<int>("analysis");
    QTest::addColumn<bool>("alsoBadCurve");
    QTest::newRow("fan") << int(Application::Fan) << false;
    QTest::newRow("pump") << int(Application::Pump) << false;
    // The system data are reported even when the efficiency data are unusable too.
    QTest::newRow("fan, bad efficiency curve too") << int(Application::Fan) << true;
}

void TestDrivePower::negativeSystemHeadStopsTheRun() {
    QFETCH(int, analysis);
    QFETCH(bool, alsoBadCurve);
    EnergyInputs in = defaultFanInputs();
    in.Analysis = static_cast<Application>(analysis);
    in.StaticHead = 0.0;
    in.RemovedPressureDrop = 4.5; // above the design head of 4
    if (alsoBadCurve)
        in.AddEfficiency = in.PeakEfficiency / 4;

    const LowSpeedSolution previous{40, 41, true};
    EnergyResults scratch;
    QCOMPARE(runEnergyCalculation(in, defaultDuty(), previous, scratch),
             EnergyOutcome::NegativeSystemHead);
    // The solver state in force: the previous flows, the no-flow flag cleared by the run.
    QCOMPARE(scratch.LowSpeed.LowSpeedFlowQuad, 40);
    QCOMPARE(scratch.LowSpeed.LowSpeedFlowCubic, 41);
    QVERIFY(!scratch.LowSpeed.LowSpeedNoFlow);

    // Just at the design head the ratio is exactly 0 at design flow: still valid.
    in.RemovedPressureDrop = 4.0;
    in.AddEfficiency = 0.68;
    QCOMPARE(run(in).outcome, EnergyOutcome::Completed);
}

void TestDrivePower::arithmeticFailures_data() {
    QTest::addColumn<QString>("change");
    QTest::newRow("additional efficiency at the floor") << "add-at-floor";
    QTest::newRow("additional efficiency below the floor") << "add-below-floor";
    QTest::newRow("additional point at the peak flow") << "add-flow-at-peak";
    QTest::newRow("motor efficiency 0") << "motor-efficiency";
    QTest::newRow("drive efficiency 0") << "drive-efficiency";
    QTest::newRow("shaft power 0") << "shaft-power";
    QTest::newRow("motor power 0") << "motor-power";
    QTest::newRow("design head 0") << "design-head";
    QTest::newRow("design flow 0") << "design-flow";
    QTest::newRow("design efficiency 0") << "design-efficiency";
    QTest::newRow("negative static head") << "negative-static";
    QTest::newRow("infinite cost") << "cost";
}

void TestDrivePower::arithmeticFailures() {
    QFETCH(QString, change);
    EnergyInputs in = defaultFanInputs();
    if (change == "add-at-floor")
        in.AddEfficiency = in.PeakEfficiency / 3; // log(0)
    else if (change == "add-below-floor")
        in.AddEfficiency = 0.2; // log of a negative ratio
    else if (change == "add-flow-at-peak")
        in.AddEfficiencyFlow = in.PeakEfficiencyFlow; // width L / 0
    else if (change == "motor-efficiency")
        in.MotorEfficiency = 0.0;
    else if (change == "drive-efficiency")
        in.DriveEfficiency = 0.0;
    else if (change == "shaft-power")
        in.ShaftPower = 0.0;
    else if (change == "motor-power")
        in.MotorPower = 0.0;
    else if (change == "design-head")
        in.DesignHead = 0.0;
    else if (change == "design-flow")
        in.DesignFlow = 0.0;
    else if (change == "design-efficiency")
        in.DesignEfficiency = 0.0; // two-speed shaft power
    else if (change == "negative-static") {
        // The system head stays positive down to 41 %, while the speed ratio is the square
        // root of 5 x^2 - 1, negative below 45 %.
        in.StaticHead = -1.0;
        in.RemovedPressureDrop = -1.0;
    } else if (change == "cost")
        in.CostPerKWh = std::numeric_limits<double>::infinity();
    QCOMPARE(run(in).outcome, EnergyOutcome::ArithmeticFailure);
}

void TestDrivePower::bandsReadThePowerOfTheirFlow() {
    const EnergyInputs in = defaultFanInputs();
    DutyCycle duty = defaultDuty();
    duty.BandFlowPercent[5] = 73;
    duty.BandFlowPercent[6] = 73;
    const Run r = run(in, duty);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    const SystemResult& drive = r.results->Drive;
    // BandEnergy = HoursPerYear x share / 100 x InputPower[flow] x 0.746
    QCOMPARE(drive.BandEnergy[5], 8760 * 0.23 * drive.InputPower[73] * kwPerHp);
    QCOMPARE(drive.BandEnergy[6], drive.BandEnergy[5]); // same share, same flow
    QCOMPARE(drive.BandEnergy[10], 0.0);                // no time at 100 %
    double sum = 0.0;
    for (int k = 1; k <= bandCount; ++k)
        sum += 8760 * duty.DutyPercent[k] / 100.0 * drive.InputPower[duty.BandFlowPercent[k]] *
               kwPerHp;
    QCOMPARE(drive.AnnualEnergy, sum);
    QCOMPARE(drive.AnnualEnergyCost, sum * in.CostPerKWh);
    QCOMPARE(r.results->BandHours[7], 8760 * 0.21);
}

void TestDrivePower::bandFlowsOutsideTheCurveReadItsEnds() {
    const EnergyInputs in = defaultFanInputs();
    DutyCycle duty = defaultDuty();
    duty.BandFlowPercent[9] = 101; // a file may hold it
    duty.BandFlowPercent[8] = -3;
    const Run r = run(in, duty);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    for (const SystemResult* result :
         {&r.results->Drive, &r.results->Damper, &r.results->Cycling, &r.results->InletGuideVane}) {
        QCOMPARE(result->BandEnergy[9], 8760 * 0.03 * result->InputPower[100] * kwPerHp);
        QCOMPARE(result->BandEnergy[8], 0.0); // entry 0 reads 0
    }
}

void TestDrivePower::pumpUsesThePumpConstant() {
    // The drive's shaft power is flow x head / (3960 x efficiency) in a pump analysis.
    EnergyInputs in = defaultFanInputs();
    in.Analysis = Application::Pump;
    in.DesignFlow = 3960.0 * 0.85 * 50.0 / 4.0;
    in.PeakEfficiencyFlow = in.DesignFlow;
    in.AddEfficiencyFlow = 0.5 * in.DesignFlow;
    ArithmeticGuard guard;
    const PassConstants constants = constantsFor(in);
    QCOMPARE(constants.PowerConstant, 3960.0);
    const DrivePoint point = drivePoint(in, constants, 100, systemHeadRatio(in, 1.0, guard), guard);
    // At design flow: head ratio (4 - 0.4) / 4, efficiency at the peak.
    QCOMPARE(point.DriveShaftPower, in.DesignFlow * 3.6 / (3960.0 * 0.85));
    const Run r = run(in);
    QCOMPARE(r.outcome, EnergyOutcome::Completed);
    QCOMPARE(r.results->InletGuideVane.AnnualEnergy, 0.0); // no guide vanes on a pump
}

void TestDrivePower::noAnalysisRunsNothing() {
    EnergyInputs in = defaultFanInputs();
    in.Analysis = Application::None;
    in.TwoSpeed.Selected = true;
    in.StaticHead = 2.0; // would set LowSpeedNoFlow if the solver ran
    EnergyResults scratch;
    QCOMPARE(runEnergyCalculation(in, defaultDuty(), LowSpeedSolution{20, 21, false}, scratch),
             EnergyOutcome::NoAnalysis);
    QCOMPARE(scratch.LowSpeed.LowSpeedFlowCubic, 21);
    QVERIFY(!scratch.LowSpeed.LowSpeedNoFlow);
}

QTEST_APPLESS_MAIN(TestDrivePower)
#include "tst_drivepower.moc"
