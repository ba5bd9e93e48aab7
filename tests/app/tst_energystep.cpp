// The energy calculation on the analysis window: the drive's labels and charts, results that
// are replaced only by a complete run, the messages of invalid data, the limit marks and the
// display of each comparison system.

#include "StepFixture.h"

#include <QTest>

#include <memory>

using namespace wattmere;
using namespace wattmere::testing;

namespace {

constexpr Label limitMarks[] = {Label::SURGE100, Label::SURGE090, Label::SURGE080, Label::SURGE070,
                                Label::SURGE060, Label::SURGE050, Label::SURGE040, Label::SURGE030,
                                Label::SURGE020, Label::SURGE010};
constexpr Label driveMarks[] = {Label::SD100, Label::SD090, Label::SD080, Label::SD070,
                                Label::SD060, Label::SD050, Label::SD040, Label::SD030,
                                Label::SD020, Label::SD010};
constexpr Label errorLabels[] = {Label::ERROR_LABEL, Label::ERROR_LABEL2, Label::ERROR_LABEL3,
                                 Label::ERROR_LABEL4, Label::ERROR_LABEL5};
constexpr Series surgeSeries[] = {Series::SurgeSeries1, Series::SurgeSeries2, Series::SurgeSeries3,
                                  Series::SurgeSeries4};

// The marks of a column from 100 % down to 10 %, as one text ("   *" ...).
QString marks(StepFixture& f, const Label (&column)[10]) {
    QString text;
    for (Label id : column)
        text += f.caption(id);
    return text;
}

bool surgeSeriesActive(StepFixture& f) {
    bool all = true;
    bool none = true;
    for (Series id : surgeSeries) {
        all = all && f.window().series(id).active;
        none = none && !f.window().series(id).active;
    }
    if (!all && !none)
        qWarning("the surge series differ in their active state");
    return all;
}

// Constant volume: ShaftPower / MotorEfficiency = 50 / 0.9 HP at every flow.
constexpr double constantVolumeKw = 50.0 / 0.9 * 0.746;

} // namespace

class TestEnergyStep : public QObject {
    Q_OBJECT
private slots:
    void theDriveLabelsAndCharts_data();
    void theDriveLabelsAndCharts();
    void theDrivePowersFollowTheBandFlows();
    void invalidSystemDataKeepThePreviousResults_data();
    void invalidSystemDataKeepThePreviousResults();
    void anArithmeticFailureKeepsThePreviousResults_data();
    void anArithmeticFailureKeepsThePreviousResults();
    void nothingRunsAfterAnEarlierFailure();
    void comparisonSystems_data();
    void comparisonSystems();
    void twoSpeedMotorShowsBothSpeeds();
    void twoSpeedMotorWithoutLowSpeedFlow();
    void limitMarksAtTheNominalFlows();
    void theSurgeLineShowsWhileTheDriveIsBeyondIt_data();
    void theSurgeLineShowsWhileTheDriveIsBeyondIt();
};

void TestEnergyStep::theDriveLabelsAndCharts_data() {
    QTest::addColumn<bool>("pump");
    QTest::newRow("fan") << false;
    QTest::newRow("pump") << true;
}

void TestEnergyStep::theDriveLabelsAndCharts() {
    QFETCH(bool, pump);
    auto f = std::make_unique<StepFixture>(pump ? Application::Pump : Application::Fan);
    f->calculate();

    QVERIFY(!f->window().flags().calcError);
    QVERIFY(f->prompter.messages().isEmpty());
    const SystemResult& drive = f->results().Energy.Drive;
    // At design flow: 45 HP on the shaft, 5.28 HP motor loss, 2.2 HP drive loss = 39 kW.
    QCOMPARE(f->caption(Label::POWERD100), QString("39"));
    QCOMPARE(f->caption(Label::POWERD90),
             f->model.numbers().FormatGrouped(drive.InputPower[90] * kilowattsPerHorsepower));
    QCOMPARE(f->caption(Label::END100), QString("0")); // no time at 100 %
    QCOMPARE(f->caption(Label::END50),
             f->model.numbers().FormatGrouped(drive.BandEnergy[5])); // band 5 = 50 %
    QVERIFY(drive.AnnualEnergy > 1000.0);
    QCOMPARE(f->caption(Label::DRIVETOTALKWHR),
             f->model.numbers().FormatGrouped(drive.AnnualEnergy));
    QVERIFY(f->caption(Label::DRIVETOTALKWHR).contains(u','));
    QVERIFY(!f->caption(Label::DRIVETOTALKWHR).contains(u'.'));

    const std::vector<QPointF>& power = f->window().series(Series::PowerRequired_Drive).points;
    QCOMPARE(power.size(), std::size_t(101));
    for (int p : {0, 1, 50, 100})
        QCOMPARE(power[p], QPointF(p, drive.InputPower[p] * kilowattsPerHorsepower));
    QCOMPARE(power[0].y(), 0.0);

    // A fan's energy chart starts with an empty bar.
    const std::vector<QPointF>& bars = f->window().series(Series::PowerRequired_Anu_Drive).points;
    const std::size_t first = pump ? 0 : 1;
    QCOMPARE(bars.size(), std::size_t(bandCount) + first);
    if (!pump)
        QCOMPARE(bars[0], QPointF(0, 0));
    for (int k = 1; k <= bandCount; ++k)
        QCOMPARE(bars[first + k - 1], QPointF(10 * k, drive.BandEnergy[k]));
}

void TestEnergyStep::theDrivePowersFollowTheBandFlows() {
    auto f = std::make_unique<StepFixture>();
    f->window().setText(Field::A163, "73"); // the 70 % band runs at 73 %
    f->calculate();

    const SystemResult& drive = f->results().Energy.Drive;
    QCOMPARE(f->caption(Label::POWERD70),
             f->model.numbers().FormatGrouped(drive.InputPower[73] * kilowattsPerHorsepower));
    const double hours70 = 8760.0 * 0.21;
    QCOMPARE(drive.BandEnergy[7], hours70 * drive.InputPower[73] * kilowattsPerHorsepower);
    QCOMPARE(f->caption(Label::END70), f->model.numbers().FormatGrouped(drive.BandEnergy[7]));
}

void TestEnergyStep::invalidSystemDataKeepThePreviousResults_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<QString>("message");
    QTest::newRow("fan") << false << "IDS_16";
    QTest::newRow("pump") << true << "IDS_17";
}

void TestEnergyStep::invalidSystemDataKeepThePreviousResults() {
    QFETCH(bool, pump);
    QFETCH(QString, message);
    auto f = std::make_unique<StepFixture>(pump ? Application::Pump : Application::Fan);
    f->calculate();
    const double energyCost = f->results().Energy.Drive.AnnualEnergyCost;
    const QString total = f->caption(Label::DRIVETOTALKWHR);
    f->window().setCalcPage(3);
    f->window().setVisible(Panel::DutyCyclePanel, true);
    f->window().setVisible(Panel::Step2, false);

    f->window().setText(Field::A104, "0.20");
    f->state.Curve.RemovedPressureDrop = 4.5; // above the design head
    f->energy.run();

    QCOMPARE(f->prompter.messageIds(), QStringList{message});
    QCOMPARE(f->prompter.messages().first().text,
             QString("The System Data entered is not valid! Please re-enter the system data in "
                     "order to continue."));
    QVERIFY(!f->window().flags().calcError);
    QCOMPARE(f->results().Energy.Drive.AnnualEnergyCost, energyCost);
    QCOMPARE(f->caption(Label::DRIVETOTALKWHR), total);
    QCOMPARE(f->window().calcPage(), 1);
    for (Panel id :
         {Panel::GraphPanel, Panel::DutyCyclePanel, Panel::FanAdvanced, Panel::ADVANCEDGRAPH})
        QVERIFY(!f->window().isVisible(id));
    for (Panel id : {Panel::CalcPanel, Panel::Step6Panel, Panel::Step2})
        QVERIFY(f->window().isVisible(id));
}

void TestEnergyStep::anArithmeticFailureKeepsThePreviousResults_data() {
    QTest::addColumn<bool>("stepChange");
    QTest::addColumn<bool>("lateFailure");
    // The efficiency curve fails before the first flow point is stored; a negative speed
    // term fails at 44 % after the points above it were computed.
    QTest::newRow("efficiency curve, field exit") << false << false;
    QTest::newRow("efficiency curve, step change") << true << false;
    QTest::newRow("late in the pass, step change") << true << true;
    QTest::newRow("late in the pass, field exit") << false << true;
}

void TestEnergyStep::anArithmeticFailureKeepsThePreviousResults() {
    QFETCH(bool, stepChange);
    QFETCH(bool, lateFailure);
    auto f = std::make_unique<StepFixture>();
    f->calculate();
    const EnergyResults before = f->results().Energy;
    const QString power = f->caption(Label::POWERD100);

    f->window().setText(Field::A104, "0.20");
    if (lateFailure) {
        f->state.Curve.StaticHead = -1.0;
        f->state.Curve.RemovedPressureDrop = -2.0;
    } else {
        f->state.Curve.AddEfficiency = 0.2; // below a third of the peak efficiency
    }
    f->window().editFlags().stepChange = stepChange;
    f->energy.run();

    QVERIFY(f->window().flags().calcError);
    // The late failure comes after the pass had computed the points above 44 %.
    if (lateFailure)
        QVERIFY(f->state.EnergyScratch.Drive.InputPower[100] > 0.0);
    QCOMPARE(f->prompter.messageIds(), stepChange ? QStringList{"IDS_18"} : QStringList{});
    QCOMPARE(f->caption(Label::NOTE2),
             QString("The data you have entered is not valid! Please adjust your data."));
    QVERIFY(f->window().label(Label::NOTE2).visible);
    QVERIFY(f->window().isVisible(Panel::BEVELNOTE));

    const EnergyResults& after = f->results().Energy;
    QCOMPARE(after.Drive.InputPower, before.Drive.InputPower);
    QCOMPARE(after.Drive.AnnualEnergyCost, before.Drive.AnnualEnergyCost);
    QCOMPARE(after.Damper.InputPower, before.Damper.InputPower);
    QCOMPARE(after.InletGuideVane.AnnualEnergy, before.InletGuideVane.AnnualEnergy);
    QCOMPARE(f->caption(Label::POWERD100), power);
}

void TestEnergyStep::nothingRunsAfterAnEarlierFailure() {
    auto f = std::make_unique<StepFixture>();
    f->duty.compute();
    f->window().editFlags().calcError = true;
    f->energy.run();

    QVERIFY(f->window().flags().calcError);
    QVERIFY(f->prompter.messages().isEmpty());
    QCOMPARE(f->results().Energy.Drive.AnnualEnergy, 0.0);
    QCOMPARE(f->results().Energy.Drive.InputPower[100], 0.0);
    QVERIFY(f->caption(Label::DRIVETOTALKWHR).isEmpty());
    QVERIFY(f->window().series(Series::PowerRequired_Drive).points.empty());
    // The inputs the costs read are current all the same.
    QCOMPARE(f->results().MotorPower, 50.0);
    QCOMPARE(f->results().CostPerKWh, 0.1);
}

void TestEnergyStep::comparisonSystems_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("power100");
    QTest::addColumn<QString>("power50");
    QTest::addColumn<double>("annualEnergy");

    const double year = 8760.0 * constantVolumeKw;
    QTest::newRow("fan constant volume") << false << "R1"
                                         << "Constant Volume System"
                                         << "41"
                                         << "41" << year;
    // Cycling draws the flow share of the constant-volume power: 57.8 % on the default duty.
    QTest::newRow("fan cycling") << false << "R2"
                                 << "Cycling System"
                                 << "41"
                                 << "21" << 0.578 * year;
    QTest::newRow("fan outlet dampers") << false << "R4"
                                        << "Outlet Damper System"
                                        << "41"
                                        << "30" << -1.0;
    QTest::newRow("fan inlet guide vanes") << false << "R5"
                                           << "Inlet Guide Vane System"
                                           << "41"
                                           << "24" << -1.0;
    QTest::newRow("pump constant volume") << true << "R1"
                                          << "Constant Volume System"
                                          << "41"
                                          << "41" << year;
    QTest::newRow("pump throttling valve") << true << "R4"
                                           << "Throttling Valve System"
                                           << "41"
                                           << "30" << -1.0;
}

void TestEnergyStep::comparisonSystems() {
    QFETCH(bool, pump);
    QFETCH(QString, system);
    QFETCH(QString, name);
    QFETCH(QString, power100);
    QFETCH(QString, power50);
    QFETCH(double, annualEnergy);
    auto f = std::make_unique<StepFixture>(pump ? Application::Pump : Application::Fan);
    f->calculate();
    // A display left over from the two-speed motor.
    f->window().setVisible(Panel::Motor_2_Speed_Data, true);
    for (Label id : errorLabels)
        f->window().setVisible(id, true);

    const Choice choice = *choiceByName(system);
    f->window().setChecked(choice, true);
    f->energy.showSelectedComparison();

    const EnergyResults& energy = f->results().Energy;
    const SystemResult& result = choice == Choice::R1   ? energy.ConstantVolume
                                 : choice == Choice::R2 ? energy.Cycling
                                 : choice == Choice::R4 ? energy.Damper
                                                        : energy.InletGuideVane;
    if (annualEnergy >= 0.0)
        QVERIFY(qAbs(result.AnnualEnergy - annualEnergy) < 1e-6);

    QCOMPARE(f->caption(Label::SystemName), name);
    QCOMPARE(f->caption(Label::POWER100), power100);
    QCOMPARE(f->caption(Label::POWER50), power50);
    QVERIFY(!f->window().isVisible(Panel::Motor_2_Speed_Data));
    for (Label id : errorLabels)
        QVERIFY(!f->window().label(id).visible);

    const NumberText& numbers = f->model.numbers();
    QCOMPARE(f->caption(Label::ENC100), QString("0"));
    QCOMPARE(f->caption(Label::ENC90), numbers.FormatGrouped(result.BandEnergy[9]));
    QCOMPARE(f->caption(Label::COMPARETOTALKWHR), numbers.FormatGrouped(result.AnnualEnergy));
    QCOMPARE(f->results().SelectedCompareEnergy, result.AnnualEnergy);
    QCOMPARE(f->caption(Label::ENERGYCOSTCOMPARE),
             "$ " + numbers.FormatGrouped(result.AnnualEnergyCost));

    const SeriesState& line = f->window().series(Series::PowerRequired_Compare);
    QCOMPARE(line.title, name + " ");
    QCOMPARE(line.points.size(), std::size_t(101));
    QCOMPARE(line.points[100], QPointF(100, result.InputPower[100] * kilowattsPerHorsepower));
    const SeriesState& bars = f->window().series(Series::PowerRequired_Anu_Compare);
    QCOMPARE(bars.title, name + " ");
    QCOMPARE(bars.points.size(), std::size_t(bandCount));
    QCOMPARE(bars.points[8], QPointF(90, result.BandEnergy[9]));
}

void TestEnergyStep::twoSpeedMotorShowsBothSpeeds() {
    auto f = std::make_unique<StepFixture>();
    f->window().setChecked(Choice::R3, true);
    f->calculate();
    f->energy.showComparison(Choice::R3);

    const EnergyResults& energy = f->results().Energy;
    QVERIFY(!energy.LowSpeed.LowSpeedNoFlow);
    const int low = energy.LowSpeedFlow;
    QVERIFY(low > 0 && low < 100);
    const NumberText& numbers = f->model.numbers();
    QCOMPARE(f->caption(Label::SystemName), QString("2 Speed Motor"));
    // Full speed at design flow: 50 HP on the shaft through a 90 % motor.
    QCOMPARE(f->caption(Label::POWER100), QString("(H) 41"));
    QCOMPARE(f->caption(Label::POWER90),
             "(L) " + numbers.FormatGrouped(energy.TwoSpeedLowInput[low] * kilowattsPerHorsepower));
    QCOMPARE(f->caption(Label::ENC100),
             "(H) " + numbers.FormatGrouped(energy.TwoSpeedMotor.BandEnergy[1]));
    QCOMPARE(f->caption(Label::ENC90),
             "(L) " + numbers.FormatGrouped(energy.TwoSpeedMotor.BandEnergy[2]));
    for (Label id : {Label::POWER80, Label::POWER10, Label::ENC80, Label::ENC10})
        QVERIFY(f->caption(id).isEmpty());
    QVERIFY(f->window().isVisible(Panel::Motor_2_Speed_Data));
    for (Label id : errorLabels)
        QVERIFY(!f->window().label(id).visible);

    // The weighted power steps down at the low-speed flow.
    const std::vector<QPointF>& line = f->window().series(Series::PowerRequired_Compare).points;
    QCOMPARE(line.size(), std::size_t(102));
    const double highKw = energy.TwoSpeedWeighted[100] * kilowattsPerHorsepower;
    const double lowKw = energy.TwoSpeedWeighted[low] * kilowattsPerHorsepower;
    QCOMPARE(line[0], QPointF(0, lowKw));
    QCOMPARE(line[low], QPointF(low, lowKw));
    QCOMPARE(line[low + 1], QPointF(low, highKw));
    QCOMPARE(line[101], QPointF(100, highKw));
    const std::vector<QPointF>& bars = f->window().series(Series::PowerRequired_Anu_Compare).points;
    QCOMPARE(bars.size(), std::size_t(2));
    QCOMPARE(bars[0], QPointF(low, energy.TwoSpeedMotor.BandEnergy[2]));
    QCOMPARE(bars[1], QPointF(100, energy.TwoSpeedMotor.BandEnergy[1]));
    QCOMPARE(f->caption(Label::COMPARETOTALKWHR),
             numbers.FormatGrouped(energy.TwoSpeedMotor.AnnualEnergy));
    QCOMPARE(f->results().SelectedCompareEnergy, energy.TwoSpeedMotor.AnnualEnergy);
}

void TestEnergyStep::twoSpeedMotorWithoutLowSpeedFlow() {
    auto f = std::make_unique<StepFixture>();
    f->state.Curve.StaticHead = 1.0; // a quarter of the design head: half speed lifts nothing
    f->window().setChecked(Choice::R3, true);
    f->calculate();
    f->energy.showComparison(Choice::R3);

    const EnergyResults& energy = f->results().Energy;
    QVERIFY(energy.LowSpeed.LowSpeedNoFlow);
    QCOMPARE(energy.LowSpeedFlow, 100);
    // Both speeds at design flow on the system curve: 50 HP through 90 % and 85 % motors.
    const double combinedKw = (50.0 / 0.9 + 50.0 / 0.85) * 0.746;
    QCOMPARE(f->caption(Label::POWER100), "(H) " + f->model.numbers().FormatGrouped(combinedKw));
    QCOMPARE(f->caption(Label::POWER100), QString("(H) 85"));
    QVERIFY(f->caption(Label::POWER90).isEmpty());
    const double combinedEnergy =
        energy.TwoSpeedMotor.BandEnergy[1] + energy.TwoSpeedMotor.BandEnergy[2];
    QVERIFY(qAbs(combinedEnergy - 8760.0 * 0.5 * combinedKw) < 1e-6);
    QCOMPARE(f->caption(Label::ENC100), "(H) " + f->model.numbers().FormatGrouped(combinedEnergy));
    QVERIFY(f->caption(Label::ENC90).isEmpty());
    for (Label id : errorLabels) {
        QVERIFY(f->window().label(id).visible);
        QCOMPARE(f->caption(id), QString("Low speed can't create flow"));
    }
    QVERIFY(f->caption(Label::SURGE010).isEmpty());
    QVERIFY(f->window().series(Series::PowerRequired_Compare).points.empty());
    QVERIFY(f->window().series(Series::PowerRequired_Anu_Compare).points.empty());

    // Another system hides the message again.
    f->window().setChecked(Choice::R1, true);
    f->energy.showComparison(Choice::R1);
    for (Label id : errorLabels)
        QVERIFY(!f->window().label(id).visible);
    QCOMPARE(f->caption(Label::SURGE010), QString(" "));
}

void TestEnergyStep::limitMarksAtTheNominalFlows() {
    auto f = std::make_unique<StepFixture>();
    f->setStartFlow(0.45);
    f->calculate();

    // The drive's system head lies above the surge line below about 19.8 % of design flow.
    QCOMPARE(marks(*f, driveMarks), QString("         *"));
    QCOMPARE(f->caption(Label::SurgeLabel2), QString(" * = System Design Limits"));
    QCOMPARE(marks(*f, limitMarks), QString("          "));
    QVERIFY(f->caption(Label::SurgeLabel).isEmpty());

    // The dampers ride the curve left of its start point below 45 %.
    f->energy.showComparison(Choice::R4);
    QCOMPARE(marks(*f, limitMarks), QString("      ****"));
    QCOMPARE(f->caption(Label::SURGE050), QString(" "));
    QCOMPARE(f->caption(Label::SurgeLabel), QString(" * = System Design Limits"));
    const SystemResult& damper = f->results().Energy.Damper;
    QCOMPARE(damper.InputPower[44], damper.InputPower[45]);
    QCOMPARE(f->caption(Label::POWER40),
             f->model.numbers().FormatGrouped(damper.InputPower[45] * kilowattsPerHorsepower));

    // The guide vanes' system head without the removed drop: beyond the line up to 20 %.
    f->energy.showComparison(Choice::R5);
    QCOMPARE(marks(*f, limitMarks), QString("        **"));

    // Systems without a limit test show no marks of another system.
    f->energy.showComparison(Choice::R1);
    QCOMPARE(marks(*f, limitMarks), QString("          "));
    QVERIFY(f->caption(Label::SurgeLabel).isEmpty());

    // Without a start flow nothing is marked.
    f->setStartFlow(0.0);
    f->energy.run();
    QCOMPARE(marks(*f, driveMarks), QString("          "));
    QVERIFY(f->caption(Label::SurgeLabel2).isEmpty());
    f->energy.showComparison(Choice::R4);
    QCOMPARE(marks(*f, limitMarks), QString("          "));
    QVERIFY(f->caption(Label::SurgeLabel).isEmpty());
}

void TestEnergyStep::theSurgeLineShowsWhileTheDriveIsBeyondIt_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<bool>("activeAfterwards");
    QTest::newRow("fan hides it again") << false << false;
    QTest::newRow("pump keeps it") << true << true;
}

void TestEnergyStep::theSurgeLineShowsWhileTheDriveIsBeyondIt() {
    QFETCH(bool, pump);
    QFETCH(bool, activeAfterwards);
    auto f = std::make_unique<StepFixture>(pump ? Application::Pump : Application::Fan);
    f->model.ResetDesignState(); // the surge series start hidden
    f->setDefaultCurve();
    f->calculate();
    QVERIFY(!surgeSeriesActive(*f));

    f->setStartFlow(0.45);
    f->energy.run();
    QVERIFY(surgeSeriesActive(*f));

    f->setStartFlow(0.0);
    f->energy.run();
    QCOMPARE(surgeSeriesActive(*f), activeAfterwards);
}

QTEST_GUILESS_MAIN(TestEnergyStep)
#include "tst_energystep.moc"
