// One analysis from the defaults of a new fan or pump analysis through the recalculation
// driver: the design data typed and left as a user would, then every result read from the
// labels and the typed results, including the failure paths that must leave earlier results
// whole.

#include "app/Analysis.h"
#include "app/ScriptedPrompter.h"

#include <QTest>

#include <cmath>

using namespace wattmere;

namespace {

bool near(double actual, double expected, double relative = 1e-9) {
    return std::abs(actual - expected) <= relative * std::max(1.0, std::abs(expected));
}

// A new analysis whose system data step the user has filled in: electricity cost, motor and
// drive power, drive cost and shaft power (design head 4 and efficiency 86 are defaults of a
// fan; a pump needs its heads typed too).
struct Session {
    ScriptedPrompter prompter;
    Analysis analysis{prompter};

    explicit Session(Application application = Application::Fan) {
        // A pump's heads in ft.wg, the base unit of the worked examples.
        UnitSettings units;
        units.pumpPressure = 1;
        analysis.model().setUnits(units);
        analysis.create();
        analysis.setUpNewAnalysis(application);
        if (application == Application::Pump) {
            type(Field::A120, "100");
            type(Field::A121, "0");
            type(Field::A123, "0");
            type(Field::A174, "80");
        }
        type(Field::A104, "0.1");
        type(Field::A105, "60");
        type(Field::A125, "60");
        type(Field::A109, "15000");
        type(Field::A122, "50");
        prompter.clear();
    }
    void type(Field id, const char* text) { analysis.enterField(id, QString::fromLatin1(text)); }
    QString text(Field id) const { return analysis.window().text(id); }
    QString caption(Label id) const { return analysis.window().caption(id); }
    const CalculationState& results() const { return analysis.results(); }
    const NumberText& numbers() const { return analysis.model().numbers(); }
};

} // namespace

class TestRecalculation : public QObject {
    Q_OBJECT
private slots:
    void typedDesignDataCompleteTheDesignPoint_data();
    void typedDesignDataCompleteTheDesignPoint();
    void resultsReachTheLabels();
    void hoursPerYear_data();
    void hoursPerYear();
    void defaultCurveIsFitted();
    void surgeLineAtHalfTheDesignFlow();
    void inletGuideVanesAtHalfFlow();
    void twoSpeedMotorWithoutLowSpeedFlow();
    void bandFlowAboveOneHundredReadsTheLastPoint();
    void curveWorkSurvivesLaterSystemDataExits();
    void singularFitStopsTheEnergyCalculation();
    void removedPressureDropAboveTheHead_data();
    void removedPressureDropAboveTheHead();
    void failingCalculationDuringAPageChange_data();
    void failingCalculationDuringAPageChange();
};

void TestRecalculation::typedDesignDataCompleteTheDesignPoint_data() {
    QTest::addColumn<int>("application");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    const int fan = static_cast<int>(Application::Fan);
    const int pump = static_cast<int>(Application::Pump);
    QTest::newRow("fan design flow") << fan << "A175"
                                     << "68,391.50";
    QTest::newRow("fan efficiency flow") << fan << "A149"
                                         << "68,391.50";
    QTest::newRow("fan additional flow") << fan << "A151"
                                         << "34,195.75";
    QTest::newRow("fan end flow") << fan << "A159"
                                  << "136,783.00";
    QTest::newRow("fan point 1 head") << fan << "A155"
                                      << "4.80";
    QTest::newRow("fan additional efficiency") << fan << "A146"
                                               << "68.8";
    QTest::newRow("pump design flow") << pump << "A175"
                                      << "1,584.00";
}

void TestRecalculation::typedDesignDataCompleteTheDesignPoint() {
    QFETCH(int, application);
    QFETCH(QString, field);
    QFETCH(QString, text);
    const Session session(static_cast<Application>(application));
    QCOMPARE(session.text(*fieldByName(field)), text);
    QVERIFY(!session.analysis.window().flags().calcError);
    QVERIFY(session.prompter.messages().isEmpty());
}

void TestRecalculation::resultsReachTheLabels() {
    const Session session;
    const EnergyResults& energy = session.results().Energy;
    const NumberText& numbers = session.numbers();
    QVERIFY(energy.Drive.AnnualEnergy > 0.0);
    // Band 10 is the 100 % band and shows on the first row of the drive column.
    QCOMPARE(session.caption(Label::POWERD100),
             numbers.FormatGrouped(energy.Drive.InputPower[100] * 0.746));
    QCOMPARE(session.caption(Label::END90), numbers.FormatGrouped(energy.Drive.BandEnergy[9]));
    QCOMPARE(session.caption(Label::DRIVETOTALKWHR),
             numbers.FormatGrouped(energy.Drive.AnnualEnergy));
    QCOMPARE(energy.Drive.AnnualEnergyCost, 0.1 * energy.Drive.AnnualEnergy);
    // The drive draws less than the inlet guide vanes it replaces at part load.
    QVERIFY(energy.Drive.AnnualEnergy < energy.InletGuideVane.AnnualEnergy);
    QCOMPARE(session.caption(Label::TOTAL_INI_COST_DRIVE), QStringLiteral("$ 0"));
}

void TestRecalculation::hoursPerYear_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("caption");
    QTest::newRow("all year") << "24"
                              << "7"
                              << "8,760 Hrs";
    QTest::newRow("office hours") << "12"
                                  << "5"
                                  << "3,120 Hrs";
}

void TestRecalculation::hoursPerYear() {
    QFETCH(QString, hours);
    QFETCH(QString, days);
    QFETCH(QString, caption);
    Session session;
    session.analysis.enterField(Field::A101, hours);
    session.analysis.enterField(Field::A102, days);
    QCOMPARE(session.caption(Label::TOTHOURS), caption);
    QCOMPARE(session.caption(Label::TOTHOURS2), caption);
}

void TestRecalculation::defaultCurveIsFitted() {
    Session session;
    const CurveState& curve = session.results().Curve;
    QVERIFY(near(curve.Coefficients.a, -0.1) && near(curve.Coefficients.b, -0.1));
    QVERIFY(std::abs(curve.Coefficients.c) < 1e-12 && near(curve.Coefficients.d, 1.2));
    QVERIFY(near(curve.Quadratic.qa, -0.4) && near(curve.Quadratic.qb, 0.2) &&
            near(curve.Quadratic.qc, 1.2));
    QCOMPARE(session.analysis.window().series(Series::PointSeries2).points.size(), 201u);

    session.analysis.window().setChecked(Choice::HORIZ, false);
    session.analysis.RecalculateAll();
    QVERIFY(near(curve.Coefficients.a, -0.4) && near(curve.Coefficients.b, 0.2) &&
            near(curve.Coefficients.c, 1.2));
    QCOMPARE(curve.Coefficients.d, 0.0);
}

void TestRecalculation::surgeLineAtHalfTheDesignFlow() {
    Session session;
    session.analysis.window().setText(Field::A158, QStringLiteral("34,195.75"));
    session.analysis.RecalculateAll();
    const SurgeLine& surge = session.results().Curve.Surge;
    QVERIFY(near(surge.surgeStartPressure(), 1.1625 * 4.0));
    QVERIFY(near(surge.surgeConstant(), 4.65 * 4.0));
    QCOMPARE(surge.pointCount(), 151);
    QCOMPARE(session.analysis.window().series(Series::SurgeSeries1).points.size(), 151u);
}

void TestRecalculation::inletGuideVanesAtHalfFlow() {
    Session session;
    session.type(Field::A121, "0");
    // r = x^2 = 0.25, f = r x = 0.125, shaft fraction f + 0.45 (1 - f) = 0.51875.
    const double shaft = 0.51875 * 50.0;
    const double fullLoadLoss = (1.0 - 0.9) * 60.0 / 0.9;
    const double motorLoss = (0.51 + 0.49 * std::pow(shaft / 60.0, 2)) * fullLoadLoss;
    QVERIFY(near(session.results().Energy.InletGuideVane.InputPower[50], shaft + motorLoss));
}

void TestRecalculation::twoSpeedMotorWithoutLowSpeedFlow() {
    Session session;
    // Half speed lifts a quarter of the design head: with a set point of a quarter of the
    // design head the low speed creates no flow.
    session.type(Field::A121, "1");
    session.analysis.clickComparison(Choice::R3);
    session.analysis.RecalculateAll();
    session.analysis.energy().showSelectedComparison();
    QVERIFY(session.results().Energy.LowSpeed.LowSpeedNoFlow);
    QVERIFY(session.analysis.window().label(Label::ERROR_LABEL).visible);
    QCOMPARE(session.caption(Label::ERROR_LABEL), session.analysis.model().text("IDS_93"));
    QCOMPARE(session.caption(Label::POWER90), QString());
}

void TestRecalculation::bandFlowAboveOneHundredReadsTheLastPoint() {
    Session session;
    session.analysis.window().setText(Field::A160, QStringLiteral("101")); // as a file may hold
    session.analysis.window().setText(Field::A110, QStringLiteral("10"));
    session.analysis.window().setText(Field::A115, QStringLiteral("13"));
    session.analysis.RecalculateAll();
    QVERIFY(!session.analysis.window().flags().calcError);
    const SystemResult& drive = session.results().Energy.Drive;
    QCOMPARE(session.caption(Label::POWERD100),
             session.numbers().FormatGrouped(drive.InputPower[100] * 0.746));
    QVERIFY(near(drive.BandEnergy[10],
                 session.results().Duty.BandHours[10] * drive.InputPower[100] * 0.746));
}

void TestRecalculation::curveWorkSurvivesLaterSystemDataExits() {
    Session session; // the design flow was completed from head, shaft power and efficiency
    session.analysis.window().editFlags().advancedModeOn = true;
    session.analysis.window().setText(Field::A157, QStringLiteral("1.00")); // the user's curve
    session.type(Field::A104, "0.2");
    QCOMPARE(session.text(Field::A157), QStringLiteral("1.00"));
    QVERIFY(std::abs(session.results().Curve.Points.h2 - 0.25) < 1e-12);
    // A real change of the design point brings the default curve data back.
    session.type(Field::A122, "40");
    QCOMPARE(session.text(Field::A157), QStringLiteral("0.00"));
}

void TestRecalculation::singularFitStopsTheEnergyCalculation() {
    Session session;
    const double before = session.results().Energy.Drive.AnnualEnergyCost;
    // Point 1 on the design point with a quadratic curve: the three points are two.
    session.analysis.window().setChecked(Choice::HORIZ, false);
    session.analysis.window().setText(Field::A152, session.text(Field::A149));
    session.analysis.window().setText(Field::A155, session.text(Field::A156));
    session.analysis.window().setText(Field::A104, QStringLiteral("0.2"));
    session.analysis.RecalculateAll();
    QVERIFY(session.analysis.window().flags().calcError);
    QCOMPARE(session.results().Energy.Drive.AnnualEnergyCost, before);
}

void TestRecalculation::removedPressureDropAboveTheHead_data() {
    QTest::addColumn<int>("application");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("drop");
    QTest::addColumn<QString>("message");
    QTest::newRow("fan") << static_cast<int>(Application::Fan) << "4"
                         << "5"
                         << "IDS_16";
    QTest::newRow("pump") << static_cast<int>(Application::Pump) << "40"
                          << "45"
                          << "IDS_17";
}

void TestRecalculation::removedPressureDropAboveTheHead() {
    QFETCH(int, application);
    QFETCH(QString, head);
    QFETCH(QString, drop);
    QFETCH(QString, message);
    Session session(static_cast<Application>(application));
    session.analysis.enterField(Field::A120, head);
    const double before = session.results().Energy.Drive.AnnualEnergy;
    QVERIFY(before > 0.0);
    // Leaving the field only checks quietly and does not recalculate.
    session.analysis.enterField(Field::A123, drop);
    QVERIFY(session.prompter.messages().isEmpty());
    session.analysis.window().setText(Field::A104, QStringLiteral("0.3"));
    session.analysis.RecalculateAll();
    QCOMPARE(session.prompter.messageIds(), QStringList{message});
    QCOMPARE(session.results().Energy.Drive.AnnualEnergy, before);
    QCOMPARE(session.analysis.window().calcPage(), 1);
    QVERIFY(!session.analysis.window().flags().calcError);
}

void TestRecalculation::failingCalculationDuringAPageChange_data() {
    QTest::addColumn<bool>("stepChange");
    QTest::newRow("page change") << true;
    QTest::newRow("field exit") << false;
}

void TestRecalculation::failingCalculationDuringAPageChange() {
    QFETCH(bool, stepChange);
    Session session;
    const double before = session.results().Energy.Drive.AnnualEnergy;
    // An additional efficiency below a third of the peak leaves the efficiency curve without
    // a logarithm.
    session.analysis.window().setText(Field::A146, QStringLiteral("20.0"));
    session.analysis.window().editFlags().stepChange = stepChange;
    session.analysis.RecalculateAll();
    QVERIFY(session.analysis.window().flags().calcError);
    QCOMPARE(session.prompter.messageIds(), stepChange ? QStringList{"IDS_18"} : QStringList{});
    QCOMPARE(session.caption(Label::NOTE2), session.analysis.model().text("IDS_19"));
    QVERIFY(session.analysis.window().label(Label::NOTE2).visible);
    QCOMPARE(session.results().Energy.Drive.AnnualEnergy, before);
}

QTEST_GUILESS_MAIN(TestRecalculation)
#include "tst_recalculation.moc"
