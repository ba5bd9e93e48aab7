// Whole analyses as a user clicks through them: from the start screen through the setup
// overview and the introduction screen, the seven steps and the graph pages to the savings and
// the report page, and closing with the save question. The results of the engine must stand on
// the labels, and the comparison systems that can be worked out by hand must agree.

#include "WorkflowSession.h"

#include <QTest>

#include <cmath>

using namespace wattmere;
using namespace wattmere::testing;

namespace {

struct ClickedSession : WorkflowSession {
    ClickedSession() : WorkflowSession(true, true) {}

    QString grouped(double value) { return model().numbers().FormatGrouped(value); }
    QString money(double value) { return QStringLiteral("$ ") + grouped(value); }
    const EnergyResults& energy() { return analysis.results().Energy; }

    // From the start screen to step 1 of a new analysis of the application chosen.
    void startFromTheStartScreen(ApplicationChoice choice) {
        type(Field::QNUM, QStringLiteral("Plant 4"));
        prompter.queueApplicationChoice(choice);
        prompter.queueSetupOverview({SetupOverviewResult::Continue, true});
        workflow.NewApp();
        QCOMPARE(workflow.screen(), Screen::Introduction);
        workflow.continueToStep1();
        QCOMPARE(workflow.screen(), Screen::StepPages);
        QCOMPARE(page(), steppage::customer);
    }

    void typeCustomer() {
        type(Field::PREPFOR, QStringLiteral("Ann Smith"));
        type(Field::Titlefor, QStringLiteral("Facility Manager"));
        type(Field::Companyfor, QStringLiteral("Acme Foods"));
        type(Field::Telfor, QStringLiteral("555 0100"));
    }

    // Step 4 of both analyses: the drive's installation costs 1,000, the comparison's 500.
    void typeCosts() {
        type(Field::A126, QStringLiteral("1000"));
        type(Field::A131, QStringLiteral("500"));
        type(Field::OTHER1_ANU_D, QStringLiteral("Filters"));
    }

    // The drive's and the comparison's energy on the energy page, as the engine computed them.
    void checkEnergyPage(const SystemResult& compare, const QString& systemName) {
        const DutyCycle& duty = analysis.results().Duty;
        QCOMPARE(caption(Label::SystemName), systemName);
        QCOMPARE(caption(Label::DRIVETOTALKWHR), grouped(energy().Drive.AnnualEnergy));
        QCOMPARE(caption(Label::COMPARETOTALKWHR), grouped(compare.AnnualEnergy));
        const Label drivePowers[] = {Label::POWERD100, Label::POWERD50, Label::POWERD10};
        const int bands[] = {10, 5, 1};
        for (int i = 0; i < 3; ++i) {
            const int flow = duty.BandFlowPercent[bands[i]];
            QCOMPARE(caption(drivePowers[i]), grouped(0.746 * energy().Drive.InputPower[flow]));
        }
        QCOMPARE(caption(Label::END100), grouped(energy().Drive.BandEnergy[10]));
        QVERIFY(energy().Drive.AnnualEnergy > 0.0);
        QVERIFY(energy().Drive.AnnualEnergy < compare.AnnualEnergy);
        QCOMPARE(caption(Label::ENERGYCOSTCOMPARE), money(0.10 * compare.AnnualEnergy));
    }

    // The savings page: energy cost savings and payback from the drive's and the comparison's
    // energy at 0.10 per kWh, with the drive costing 15,000 + 1,000 against 500.
    void checkSavingsPage(double compareEnergy) {
        const double energySavings = 0.10 * (compareEnergy - energy().Drive.AnnualEnergy);
        QCOMPARE(caption(Label::ENERGYCOSTSAVINGS), money(energySavings));
        QCOMPARE(caption(Label::INITIALCOSTSAVINGS), money(15500.0));
        QCOMPARE(caption(Label::DRIVEPR), money(15000.0));
        const double years = 15500.0 / energySavings;
        QVERIFY(years > 0.05 && years <= 5.0);
        QCOMPARE(caption(Label::PAYBACKLABEL),
                 model().numbers().FormatDecimals(years, 2) + QStringLiteral(" Years"));
        QVERIFY(std::abs(analysis.results().Savings.PaybackYears - years) < 1e-9);
        const SeriesState& payback = window().series(Series::PaybackChart);
        QCOMPARE(static_cast<int>(payback.points.size()), 6);
        QVERIFY(std::abs(payback.points[0].y() + 15500.0) < 1e-6);
    }

    // Steps 5 to 7 and closing: graph pages, report data, and the save question.
    void finish(const SystemResult& compare, const QString& systemName) {
        workflow.GoForwardButtonClick();
        QCOMPARE(page(), steppage::energy);
        checkEnergyPage(compare, systemName);
        workflow.openGraphs(GraphButton::PowerGraphs);
        QCOMPARE(window().graphPage(), graphpage::power);
        const SeriesState& drive = window().series(Series::PowerRequired_Drive);
        QCOMPARE(static_cast<int>(drive.points.size()), 101);
        QCOMPARE(drive.points[100].y(), 0.746 * energy().Drive.InputPower[100]);
        workflow.closeGraphs();

        workflow.GoForwardButtonClick();
        QCOMPARE(page(), steppage::savings);
        checkSavingsPage(compare.AnnualEnergy);
        QCOMPARE(caption(Label::SystemCompareLabel2), systemName);
        workflow.openGraphs(GraphButton::Graphs);
        QCOMPARE(window().graphPage(), graphpage::payback);
        workflow.closeGraphs();

        workflow.GoForwardButtonClick();
        QCOMPARE(page(), steppage::report);
        QCOMPARE(workflow.preparedForLines(),
                 (QStringList{"Ann Smith, Facility Manager", "Acme Foods", "Phone: 555 0100"}));
        QCOMPARE(workflow.costRowNames().at(7), QStringLiteral("Filters"));
        QVERIFY(messages().isEmpty());

        prompter.queueAnswer(PromptAnswer::Yes);
        workflow.CloseStep1Click();
        QCOMPARE(messages(), QStringList{"IDS_21"});
        QCOMPARE(files.saves, 1);
        QCOMPARE(workflow.screen(), Screen::Start);
        QCOMPARE(model().application(), Application::None);
    }
};

} // namespace

class TestWorkflowSession : public QObject {
    Q_OBJECT
private slots:
    void aWholeFanAnalysis();
    void aWholePumpAnalysis();
};

void TestWorkflowSession::aWholeFanAnalysis() {
    ClickedSession s;
    s.startFromTheStartScreen(ApplicationChoice::Fan);
    QCOMPARE(s.workflow.windowCaption(),
             QStringLiteral("Orvek Wattmere Fan Application > Project: Plant 4"));
    s.typeCustomer();
    s.workflow.GoForwardButtonClick();
    QCOMPARE(s.page(), steppage::systemData);

    s.typeFanSystemData();
    QCOMPARE(s.text(Field::A175), QStringLiteral("68,391.50"));
    // A look at the duty cycle and back.
    s.workflow.DutyScreenClick();
    s.type(Field::A103A, QStringLiteral("50"));
    s.workflow.ESCCANCELClick();
    QVERIFY(s.visible(Panel::Step2));
    QCOMPARE(s.text(Field::A103), QStringLiteral("50"));
    QCOMPARE(s.analysis.results().Duty.HoursPerYear, 8400);
    s.workflow.GoForwardButtonClick();
    QCOMPARE(s.page(), steppage::comparison);

    s.workflow.clickChoice(Choice::R1);
    s.typeCosts();
    QVERIFY(s.messages().isEmpty());

    // Constant volume draws shaft power over motor efficiency all year.
    const double motorEfficiency = s.model().number(Field::A106) / 100.0;
    const double constantVolume = 8400.0 * 50.0 / motorEfficiency * 0.746;
    s.workflow.GoForwardButtonClick();
    QVERIFY(std::abs(s.energy().ConstantVolume.AnnualEnergy - constantVolume) < 1e-6);
    QCOMPARE(s.caption(Label::POWER100), s.grouped(50.0 / motorEfficiency * 0.746));
    s.workflow.selectPage(steppage::comparison);
    s.finish(s.energy().ConstantVolume, QStringLiteral("Constant Volume System"));
}

void TestWorkflowSession::aWholePumpAnalysis() {
    ClickedSession s;
    s.options.units.pumpPressure = 1; // ft.wg
    s.workflow.applyOptions();
    s.startFromTheStartScreen(ApplicationChoice::Pump);
    QCOMPARE(s.workflow.windowCaption(),
             QStringLiteral("Orvek Wattmere Pump Application > Project: Plant 4"));
    s.typeCustomer();
    s.workflow.selectPage(steppage::systemData);
    s.typePumpSystemData();
    QCOMPARE(s.text(Field::A175), QStringLiteral("1,584.00"));
    QCOMPARE(s.caption(Label::A175Ext), QStringLiteral("GPM"));
    // A look at the advanced curve data and back.
    s.workflow.advancedPanel().enterAdvancedMode();
    QCOMPARE(s.text(Field::A154), QStringLiteral("3,168.00"));
    s.workflow.advancedPanel().goBackToStep2();
    QVERIFY(s.visible(Panel::Step2));
    s.workflow.GoForwardButtonClick();
    QCOMPARE(s.page(), steppage::comparison);
    QVERIFY(s.window().isChecked(Choice::R4));
    s.typeCosts();

    s.workflow.GoForwardButtonClick();
    // Cycling draws the constant-volume power in proportion to the flow: the default shares
    // give a mean flow of 57.8 %.
    const double motorEfficiency = s.model().number(Field::A106) / 100.0;
    const double cycling = 8760.0 * 0.578 * 50.0 / motorEfficiency * 0.746;
    QVERIFY(std::abs(s.energy().Cycling.AnnualEnergy - cycling) < 1e-6);
    s.workflow.selectPage(steppage::comparison);
    s.finish(s.energy().Damper, QStringLiteral("Throttling Valve System"));
}

QTEST_GUILESS_MAIN(TestWorkflowSession)
#include "tst_workflowsession.moc"
