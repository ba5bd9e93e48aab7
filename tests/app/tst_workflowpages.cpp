// Moving between the step pages: every check of a page change in its order and the page it
// sends the user back to, the duty-cycle screen and its way back, the two-speed duty check,
// the data rebuilt for the report, and the graph pages.

#include "WorkflowSession.h"

#include <QTest>

using namespace wattmere;
using namespace wattmere::testing;

namespace {

// A new fan analysis with its system data typed in, on the given page.
struct FanOnPage : WorkflowSession {
    explicit FanOnPage(int page = steppage::systemData) {
        startFan();
        workflow.selectPage(steppage::systemData);
        typeFanSystemData();
        workflow.selectPage(page);
        prompter.clear();
    }
};

} // namespace

class TestWorkflowPages : public QObject {
    Q_OBJECT
private slots:
    void theButtonsStayWithinThePages();
    void theEnergyPagesNeedCompleteSystemData_data();
    void theEnergyPagesNeedCompleteSystemData();
    void theFirstPagesAcceptIncompleteSystemData();
    void completenessFollowsTheApplication_data();
    void completenessFollowsTheApplication();
    void invalidSystemDataSendTheUserToStep2_data();
    void invalidSystemDataSendTheUserToStep2();
    void theTwoSpeedSharesMustTotal100_data();
    void theTwoSpeedSharesMustTotal100();
    void goBackClosesTheTwoSpeedPanelFirst();
    void aChangedDesignFlowAppliesTheDefaultCurveRowsOnce();
    void aCalculationErrorOpensTheAdvancedPanel();
    void invalidCurveDataKeepTheAdvancedPanel();
    void aPageChangeShowsTheComparisonWithoutModifyingTheAnalysis();
    void theStepChangeFlagLastsUntilTheEnergyPages();
    void theDutyScreenNeedsCompleteSystemData();
    void theDutyScreenReturnsOnlyWithATotalOf100_data();
    void theDutyScreenReturnsOnlyWithATotalOf100();
    void leavingTheDutyScreenByAPageChangeChecksTheTotal_data();
    void leavingTheDutyScreenByAPageChangeChecksTheTotal();
    void theReportDataAreRebuiltOnTheEnergyPages_data();
    void theReportDataAreRebuiltOnTheEnergyPages();
    void theGraphButtonsOpenTheirPage_data();
    void theGraphButtonsOpenTheirPage();
};

void TestWorkflowPages::theButtonsStayWithinThePages() {
    FanOnPage s(steppage::report);
    s.window().editFlags().stepChange = true;
    s.workflow.GoForwardButtonClick();
    QCOMPARE(s.page(), steppage::report);
    // The page change still ran: it reached an energy page and ended the step change.
    QVERIFY(!s.window().flags().stepChange);
    s.workflow.GoBackButtonClick();
    QCOMPARE(s.page(), steppage::savings);
    s.workflow.selectPage(steppage::customer);
    s.workflow.GoBackButtonClick();
    QCOMPARE(s.page(), steppage::customer);
    s.workflow.GoForwardButtonClick();
    QCOMPARE(s.page(), steppage::systemData);
    QVERIFY(s.messages().isEmpty());
}

void TestWorkflowPages::theEnergyPagesNeedCompleteSystemData_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<int>("target");
    QTest::newRow("fan, energy savings") << false << steppage::savings;
    QTest::newRow("fan, energy calculations") << false << steppage::energy;
    QTest::newRow("pump, report") << true << steppage::report;
}

void TestWorkflowPages::theEnergyPagesNeedCompleteSystemData() {
    QFETCH(bool, pump);
    QFETCH(int, target);
    WorkflowSession s;
    pump ? s.startPump() : s.startFan();
    s.type(Field::A105, QStringLiteral("60"));
    s.workflow.selectPage(target);
    QCOMPARE(s.messages(), QStringList{"IDS_22"});
    QCOMPARE(s.page(), steppage::systemData);
    QVERIFY(s.visible(Panel::Step2));
    QVERIFY(s.window().flags().stepChange);
}

void TestWorkflowPages::theFirstPagesAcceptIncompleteSystemData() {
    WorkflowSession s;
    s.startPump();
    for (int page : {steppage::systemData, steppage::comparison, steppage::customer}) {
        s.workflow.selectPage(page);
        QCOMPARE(s.page(), page);
    }
    QVERIFY(s.messages().isEmpty());
}

void TestWorkflowPages::completenessFollowsTheApplication_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<bool>("complete");
    QTest::newRow("fan without design head") << false << true;
    QTest::newRow("pump without design head") << true << false;
}

void TestWorkflowPages::completenessFollowsTheApplication() {
    QFETCH(bool, pump);
    QFETCH(bool, complete);
    WorkflowSession s;
    pump ? s.startPump() : s.startFan();
    // Without a design head no pressure drop can be removed.
    s.type(Field::A121, QStringLiteral("0"));
    s.type(Field::A123, QStringLiteral("0"));
    s.type(Field::A105, QStringLiteral("60"));
    s.type(Field::A125, QStringLiteral("60"));
    s.type(Field::A122, QStringLiteral("50"));
    s.type(Field::A175, QStringLiteral("68391.5"));
    s.type(Field::A120, QString());
    QCOMPARE(s.text(Field::A120), QString());
    s.prompter.clear();
    s.workflow.DutyScreenClick();
    QCOMPARE(s.messages(), complete ? QStringList{} : QStringList{"IDS_20"});
    QCOMPARE(s.visible(Panel::DutyCyclePanel), complete);
}

void TestWorkflowPages::invalidSystemDataSendTheUserToStep2_data() {
    QTest::addColumn<int>("target");
    QTest::newRow("customer") << steppage::customer;
    QTest::newRow("comparison") << steppage::comparison;
    QTest::newRow("energy") << steppage::energy;
    QTest::newRow("report") << steppage::report;
}

void TestWorkflowPages::invalidSystemDataSendTheUserToStep2() {
    QFETCH(int, target);
    FanOnPage s(steppage::systemData);
    s.type(Field::A120, QStringLiteral("4"));
    s.type(Field::A123, QStringLiteral("5"));
    s.prompter.clear();
    s.workflow.selectPage(target);
    QCOMPARE(s.messages(), QStringList{"IDS_02"});
    QCOMPARE(s.page(), steppage::systemData);
    QVERIFY(s.visible(Panel::Step2));
    // Nothing typed is lost by the refused change.
    QCOMPARE(s.text(Field::A123), QStringLiteral("5.00"));
    QCOMPARE(s.text(Field::A120), QStringLiteral("4.00"));
}

void TestWorkflowPages::theTwoSpeedSharesMustTotal100_data() {
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("reduced");
    QTest::addColumn<QString>("stopped");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("total");
    QTest::newRow("50 + 40 + 0") << "50"
                                 << "40"
                                 << "0" << true << "90.0%";
    QTest::newRow("60 + 30 + 10") << "60"
                                  << "30"
                                  << "10" << false << "100.0%";
    QTest::newRow("thirds") << "33.3"
                            << "33.3"
                            << "33.4" << false << "100.0%";
    QTest::newRow("60 + 30 + 10.1") << "60"
                                    << "30"
                                    << "10.1" << true << "100.1%";
}

void TestWorkflowPages::theTwoSpeedSharesMustTotal100() {
    QFETCH(QString, full);
    QFETCH(QString, reduced);
    QFETCH(QString, stopped);
    QFETCH(bool, refused);
    QFETCH(QString, total);
    FanOnPage s(steppage::comparison);
    s.workflow.clickChoice(Choice::R3);
    s.workflow.Motor_2_Speed_DataClick();
    s.type(Field::A172, full);
    s.type(Field::A173, reduced);
    s.type(Field::A176, stopped);
    QCOMPARE(s.caption(Label::Duty_Cycle_2Speed_Motor_Label), total);
    QCOMPARE(s.window().label(Label::Duty_Cycle_2Speed_Motor_Label).colour,
             refused ? colours::red : colours::black);
    s.workflow.GoForwardButtonClick();
    QCOMPARE(s.messages(), refused ? QStringList{"IDS_102"} : QStringList{});
    QCOMPARE(s.page(), refused ? steppage::comparison : steppage::energy);
    QCOMPARE(s.visible(Panel::TwoSpeedMotorPanel), refused);
    if (!refused)
        QCOMPARE(s.caption(Label::SystemName), QStringLiteral("2 Speed Motor"));
    // Going back to step 2 is refused the same way.
    s.prompter.clear();
    s.workflow.selectPage(steppage::systemData);
    QCOMPARE(s.page(), refused ? steppage::comparison : steppage::systemData);
    QCOMPARE(s.messages(), refused ? QStringList{"IDS_102"} : QStringList{});
}

void TestWorkflowPages::goBackClosesTheTwoSpeedPanelFirst() {
    FanOnPage s(steppage::comparison);
    s.workflow.clickChoice(Choice::R3);
    s.type(Field::A172, QStringLiteral("50"));
    s.type(Field::A173, QStringLiteral("40"));
    s.type(Field::A176, QStringLiteral("0"));
    s.workflow.DutyScreenClick();
    s.workflow.GoForwardButtonClick();
    QCOMPARE(s.messages(), QStringList{"IDS_102"});
    QVERIFY(s.visible(Panel::TwoSpeedMotorPanel));
    QVERIFY(!s.visible(Panel::DutyCyclePanel));
    QVERIFY(!s.visible(Panel::FanAdvanced));
    QVERIFY(!s.visible(Panel::ADVANCEDGRAPH));
    // Page 1 keeps its system data panel in front.
    QVERIFY(s.visible(Panel::Step2));
    s.prompter.clear();
    s.workflow.GoBackButtonClick();
    QCOMPARE(s.page(), steppage::comparison);
    QVERIFY(!s.visible(Panel::TwoSpeedMotorPanel));
    QVERIFY(s.messages().isEmpty());
}

void TestWorkflowPages::aChangedDesignFlowAppliesTheDefaultCurveRowsOnce() {
    FanOnPage s(steppage::systemData);
    QCOMPARE(s.text(Field::A154), QStringLiteral("136,783.00"));
    s.workflow.clickChoice(Choice::S2);
    s.type(Field::A175, QStringLiteral("60000"));
    s.workflow.GoForwardButtonClick();
    QCOMPARE(s.page(), steppage::comparison);
    QCOMPARE(s.text(Field::A175), QStringLiteral("60,000.00"));
    QCOMPARE(s.text(Field::A153), QStringLiteral("60,000.00"));
    QCOMPARE(s.text(Field::A154), QStringLiteral("120,000.00"));
    QCOMPARE(s.text(Field::A159), QStringLiteral("120,000.00"));
    QVERIFY(!s.window().flags().defaultsPending);
    // Once applied, the rows are the user's: a later page change keeps an edited end point.
    s.window().setText(Field::A154, QStringLiteral("100,000.00"));
    s.workflow.GoForwardButtonClick();
    QCOMPARE(s.page(), steppage::energy);
    QCOMPARE(s.text(Field::A154), QStringLiteral("100,000.00"));
    QVERIFY(s.messages().isEmpty());
}

void TestWorkflowPages::aCalculationErrorOpensTheAdvancedPanel() {
    FanOnPage s(steppage::systemData);
    // Curve point 1 at the design point makes the fit singular.
    s.window().setText(Field::A152, s.text(Field::A153));
    s.window().setText(Field::A155, s.text(Field::A156));
    s.workflow.selectPage(steppage::energy);
    QVERIFY(s.window().flags().calcError);
    QCOMPARE(s.page(), steppage::systemData);
    QVERIFY(s.visible(Panel::FanAdvanced));
    QVERIFY(!s.visible(Panel::Step2));
    QVERIFY(!s.visible(Panel::DutyCyclePanel));
    QVERIFY(s.window().flags().stepChange);
}

void TestWorkflowPages::invalidCurveDataKeepTheAdvancedPanel() {
    FanOnPage s(steppage::systemData);
    s.workflow.advancedPanel().enterAdvancedMode();
    QVERIFY(s.visible(Panel::FanAdvanced));
    s.workflow.advancedPanel().zoomGraph();
    s.window().setText(Field::A152, s.text(Field::A153));
    s.prompter.clear();
    s.workflow.selectPage(steppage::comparison);
    QCOMPARE(s.messages(), QStringList{"IDS_60"});
    QCOMPARE(s.page(), steppage::systemData);
    QVERIFY(s.visible(Panel::FanAdvanced));
    QVERIFY(!s.visible(Panel::ADVANCEDGRAPH));
    QCOMPARE(s.caption(Label::NOTE2), s.model().text("IDS_60"));
}

void TestWorkflowPages::aPageChangeShowsTheComparisonWithoutModifyingTheAnalysis() {
    FanOnPage s(steppage::comparison);
    s.workflow.clickChoice(Choice::R1);
    s.window().setModified(false);
    s.workflow.selectPage(steppage::savings);
    QVERIFY(!s.window().flags().modified);
    QCOMPARE(s.caption(Label::SystemName), QStringLiteral("Constant Volume System"));
    QCOMPARE(s.caption(Label::SystemCompareLabel2), QStringLiteral("Constant Volume System"));
    QVERIFY(!s.caption(Label::PAYBACKLABEL).isEmpty());
    QVERIFY(s.visible(Panel::Step6Panel));
}

void TestWorkflowPages::theStepChangeFlagLastsUntilTheEnergyPages() {
    FanOnPage s(steppage::systemData);
    QVERIFY(s.window().flags().stepChange);
    s.workflow.selectPage(steppage::comparison);
    QVERIFY(s.window().flags().stepChange);
    s.workflow.selectPage(steppage::energy);
    QVERIFY(!s.window().flags().stepChange);
    s.workflow.selectPage(steppage::customer);
    QVERIFY(s.window().flags().stepChange);
}

void TestWorkflowPages::theDutyScreenNeedsCompleteSystemData() {
    WorkflowSession s;
    s.startFan();
    s.workflow.DutyScreenClick();
    QCOMPARE(s.messages(), QStringList{"IDS_20"});
    QVERIFY(s.visible(Panel::Step2));
    QVERIFY(!s.visible(Panel::DutyCyclePanel));

    FanOnPage complete;
    complete.type(Field::A120, QStringLiteral("4"));
    complete.type(Field::A123, QStringLiteral("5"));
    complete.prompter.clear();
    complete.workflow.DutyScreenClick();
    QCOMPARE(complete.messages(), QStringList{"IDS_02"});
    QVERIFY(!complete.visible(Panel::DutyCyclePanel));
}

void TestWorkflowPages::theDutyScreenReturnsOnlyWithATotalOf100_data() {
    QTest::addColumn<QString>("share90");
    QTest::addColumn<bool>("returns");
    QTest::newRow("total 100") << "3" << true;
    QTest::newRow("total 99") << "2" << false;
    QTest::newRow("total 101") << "4" << false;
}

void TestWorkflowPages::theDutyScreenReturnsOnlyWithATotalOf100() {
    QFETCH(QString, share90);
    QFETCH(bool, returns);
    FanOnPage s(steppage::systemData);
    s.workflow.DutyScreenClick();
    QVERIFY(s.visible(Panel::DutyCyclePanel));
    QVERIFY(!s.visible(Panel::Step2));
    QCOMPARE(s.text(Field::A101A), QStringLiteral("24"));
    QCOMPARE(s.text(Field::A102A), QStringLiteral("7.0"));
    QCOMPARE(s.text(Field::A103A), QStringLiteral("52"));
    s.type(Field::A101A, QStringLiteral("12"));
    s.type(Field::A102A, QStringLiteral("5"));
    s.type(Field::A111, share90);
    s.workflow.ESCCANCELClick();
    QCOMPARE(s.messages(), returns ? QStringList{} : QStringList{"IDS_14"});
    QCOMPARE(s.page(), steppage::systemData);
    QCOMPARE(s.visible(Panel::Step2), returns);
    QCOMPARE(s.visible(Panel::DutyCyclePanel), !returns);
    QCOMPARE(s.text(Field::A101), returns ? QStringLiteral("12") : QStringLiteral("24"));
    if (returns) {
        QCOMPARE(s.text(Field::A102), QStringLiteral("5.0"));
        QCOMPARE(s.analysis.results().Duty.HoursPerYear, 3120);
    }
}

void TestWorkflowPages::leavingTheDutyScreenByAPageChangeChecksTheTotal_data() {
    QTest::addColumn<QString>("share90");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("refused");
    QTest::newRow("total 99 to comparison") << "2" << steppage::comparison << true;
    QTest::newRow("total 99 to energy") << "2" << steppage::energy << true;
    QTest::newRow("total 100 to comparison") << "3" << steppage::comparison << false;
    QTest::newRow("total 100 to energy") << "3" << steppage::energy << false;
}

void TestWorkflowPages::leavingTheDutyScreenByAPageChangeChecksTheTotal() {
    QFETCH(QString, share90);
    QFETCH(int, target);
    QFETCH(bool, refused);
    FanOnPage s(steppage::systemData);
    s.workflow.DutyScreenClick();
    s.type(Field::A103A, QStringLiteral("26"));
    s.type(Field::A111, share90);
    s.workflow.selectPage(target);
    QCOMPARE(s.messages(), refused ? QStringList{"IDS_14"} : QStringList{});
    QCOMPARE(s.page(), refused ? steppage::systemData : target);
    // The weeks typed on the duty screen reach step 2 either way.
    QCOMPARE(s.text(Field::A103), QStringLiteral("26"));
    // Only the energy pages bring back the system data panel.
    QCOMPARE(s.visible(Panel::DutyCyclePanel), refused || target < steppage::energy);
}

void TestWorkflowPages::theReportDataAreRebuiltOnTheEnergyPages_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("all filled")
        << QStringList{"PREPFOR=Ann Smith", "Titlefor=Engineer",  "Companyfor=Acme",
                       "AddressFor=1 Road", "AddressFor2=Unit 2", "ZipFor=12345",
                       "CountryFor=Norway", "Telfor=555",         "Faxfor=556",
                       "EmailFor=a@b.c"}
        << QStringList{
               "Ann Smith, Engineer", "Acme",     "1 Road",       "Unit 2", "12345", "Norway",
               "Phone: 555",          "Fax: 556", "E-Mail: a@b.c"};
    QTest::newRow("title only") << QStringList{"Titlefor=Engineer", "Faxfor=556"}
                                << QStringList{"Engineer", "Fax: 556"};
    QTest::newRow("name only") << QStringList{"PREPFOR=Ann Smith", "CountryFor=Norway"}
                               << QStringList{"Ann Smith", "Norway"};
    QTest::newRow("nothing") << QStringList{} << QStringList{};
}

void TestWorkflowPages::theReportDataAreRebuiltOnTheEnergyPages() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, lines);
    FanOnPage s(steppage::customer);
    for (const QString& entry : entries) {
        const QStringList parts = entry.split(u'=');
        s.type(*fieldByName(parts[0]), parts[1]);
    }
    s.type(Field::OTHER2_INI_D, QStringLiteral("Cabling"));
    s.workflow.selectPage(steppage::comparison);
    QVERIFY(s.workflow.preparedForLines().isEmpty());
    QVERIFY(s.workflow.costRowNames().isEmpty());
    s.workflow.selectPage(steppage::report);
    QCOMPARE(s.workflow.preparedForLines(), lines);
    const QStringList names = s.workflow.costRowNames();
    QCOMPARE(names.size(), 10);
    QCOMPARE(names.at(3), QStringLiteral("Cabling"));
    QCOMPARE(names.count(QString()), 9);
}

void TestWorkflowPages::theGraphButtonsOpenTheirPage_data() {
    QTest::addColumn<GraphButton>("button");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("graphPage");
    QTest::newRow("power graphs") << GraphButton::PowerGraphs << steppage::energy
                                  << graphpage::power;
    QTest::newRow("graphs") << GraphButton::Graphs << steppage::report << graphpage::power;
    QTest::newRow("payback graph")
        << GraphButton::PaybackGraph << steppage::comparison << graphpage::power;
    QTest::newRow("annual energy")
        << GraphButton::AnnualEnergyGraphs << steppage::energy << graphpage::annualEnergy;
    QTest::newRow("annual energy from savings")
        << GraphButton::AnnualEnergyGraphs << steppage::savings << graphpage::payback;
    QTest::newRow("power from savings")
        << GraphButton::PowerGraphs << steppage::savings << graphpage::payback;
}

void TestWorkflowPages::theGraphButtonsOpenTheirPage() {
    QFETCH(GraphButton, button);
    QFETCH(int, from);
    QFETCH(int, graphPage);
    FanOnPage s(from);
    s.workflow.openGraphs(button);
    QCOMPARE(s.workflow.screen(), Screen::GraphPages);
    QVERIFY(s.visible(Panel::GraphPanel));
    QVERIFY(!s.visible(Panel::CalcPanel));
    QCOMPARE(s.window().graphPage(), graphPage);
    s.workflow.closeGraphs();
    QCOMPARE(s.workflow.screen(), Screen::StepPages);
    QVERIFY(s.visible(Panel::CalcPanel));
    QVERIFY(!s.visible(Panel::GraphPanel));
    QCOMPARE(s.page(), from);
}

QTEST_GUILESS_MAIN(TestWorkflowPages)
#include "tst_workflowpages.moc"
