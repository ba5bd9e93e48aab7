// Starting, replacing and closing an analysis: the start screen, the save question before a
// new analysis, the setup overview and the introduction screen with their stored options, the
// application selection, the window caption and the defaults a new analysis shows.

#include "WorkflowSession.h"
#include "settings/SettingsKeys.h"

#include <QSignalSpy>
#include <QTest>

using namespace wattmere;
using namespace wattmere::testing;

namespace {

namespace keys = settingskeys;

// A fan or pump analysis whose system data are complete and which the user has changed.
void makeCompleteAndModified(WorkflowSession& s) {
    // Complete system data need only filled fields; the design flow is typed as a user of
    // the flow-given selection would see it after completion.
    if (s.model().isPump()) {
        s.type(Field::A120, QStringLiteral("100"));
        s.type(Field::A121, QStringLiteral("20"));
        s.type(Field::A123, QStringLiteral("0"));
    }
    s.type(Field::A105, QStringLiteral("60"));
    s.type(Field::A125, QStringLiteral("60"));
    s.type(Field::A122, QStringLiteral("50"));
    if (s.text(Field::A175).isEmpty())
        s.window().setText(Field::A175, QStringLiteral("68,391.50"));
    s.window().setModified(true);
    QVERIFY(s.analysis.SystemDataComplete());
}

} // namespace

class TestWorkflow : public QObject {
    Q_OBJECT
private slots:
    void theStepOneProjectNameIsTheAnalysisProjectName();
    void theWindowStartsOnTheStartScreen();
    void aNewAnalysisShowsItsDefaults_data();
    void aNewAnalysisShowsItsDefaults();
    void theCaptionNamesTheApplicationAndProject_data();
    void theCaptionNamesTheApplicationAndProject();
    void aPumpAnalysisReplacesTheInletGuideVanes();
    void theSaveQuestionNamesBothApplications_data();
    void theSaveQuestionNamesBothApplications();
    void theSaveQuestionsAnswers_data();
    void theSaveQuestionsAnswers();
    void noSaveQuestionForAnIncompleteOrUnchangedAnalysis_data();
    void noSaveQuestionForAnIncompleteOrUnchangedAnalysis();
    void theSetupOverviewDecidesWhetherTheAnalysisStarts_data();
    void theSetupOverviewDecidesWhetherTheAnalysisStarts();
    void theSetupOverviewShowsTheSettingsInForce();
    void cancellingTheOverviewLeavesTheStartScreenAsItWas();
    void theIntroductionScreenStoresItsTickBox_data();
    void theIntroductionScreenStoresItsTickBox();
    void newAnalysisChoosesTheApplicationOnTheStartScreen_data();
    void newAnalysisChoosesTheApplicationOnTheStartScreen();
    void newAnalysisClosesARunningAnalysis();
    void closingAsksToSaveAModifiedCompleteAnalysis_data();
    void closingAsksToSaveAModifiedCompleteAnalysis();
    void savingFromTheReportPageStoresTheFieldsFirst();
    void programSetupPutsTheSavedOptionsInForce();
    void typingIntoProjectTextsSetsTheModifiedFlag_data();
    void typingIntoProjectTextsSetsTheModifiedFlag();
};

void TestWorkflow::theStepOneProjectNameIsTheAnalysisProjectName() {
    WorkflowSession session;
    session.startFan();
    session.type(Field::QNUM1, QStringLiteral("Plant 9"));
    QCOMPARE(session.text(Field::QNUM), QStringLiteral("Plant 9"));
    QCOMPARE(session.workflow.windowCaption(),
             QStringLiteral("Orvek Wattmere Fan Application > Project: Plant 9"));
    QVERIFY(session.window().flags().modified);
}

void TestWorkflow::theWindowStartsOnTheStartScreen() {
    WorkflowSession s;
    QCOMPARE(s.workflow.screen(), Screen::Start);
    QVERIFY(s.workflow.projectBarVisible());
    QCOMPARE(s.workflow.windowCaption(), QStringLiteral("Orvek Wattmere"));
    QVERIFY(!s.visible(Panel::CalcPanel));
    QVERIFY(!s.visible(Panel::GraphPanel));
    QCOMPARE(s.model().application(), Application::None);
}

void TestWorkflow::aNewAnalysisShowsItsDefaults_data() {
    QTest::addColumn<bool>("pump");
    QTest::newRow("fan") << false;
    QTest::newRow("pump") << true;
}

void TestWorkflow::aNewAnalysisShowsItsDefaults() {
    QFETCH(bool, pump);
    WorkflowSession s;
    s.window().setText(Field::PREPFOR, QStringLiteral("left over"));
    s.window().setText(Field::OTHER2_ANU_D, QStringLiteral("left over"));
    pump ? s.startPump() : s.startFan();

    QCOMPARE(s.model().application(), pump ? Application::Pump : Application::Fan);
    QCOMPARE(s.workflow.screen(), Screen::StepPages);
    QVERIFY(!s.workflow.projectBarVisible());
    QCOMPARE(s.page(), steppage::customer);
    QVERIFY(s.visible(Panel::Step2));
    QVERIFY(!s.visible(Panel::DutyCyclePanel));
    QVERIFY(!s.visible(Panel::FanAdvanced));
    QVERIFY(!s.window().flags().modified);
    QVERIFY(s.window().flags().defaultsPending);
    QVERIFY(s.files.forgets >= 1);
    QVERIFY(s.prompter.messages().isEmpty());

    QCOMPARE(s.text(Field::A101), QStringLiteral("24"));
    QCOMPARE(s.text(Field::A102), QStringLiteral("7.0"));
    QCOMPARE(s.text(Field::A103), QStringLiteral("52"));
    const QStringList shares{"0", "3", "9", "21", "23", "23", "16", "5", "0", "0"};
    for (int band = 0; band < 10; ++band)
        QCOMPARE(s.text(static_cast<Field>(indexOf(Field::A110) + band)), shares[band]);
    QCOMPARE(s.analysis.results().Duty.DutyTotal, 100);
    QCOMPARE(s.caption(Label::DUTYTOTAL), QStringLiteral("100 %"));
    QCOMPARE(s.text(Field::PREPFOR), QString());
    QCOMPARE(s.text(Field::OTHER2_ANU_D), QString());
    QCOMPARE(s.text(Field::A120).isEmpty(), pump);
    QVERIFY(s.window().isChecked(Choice::HORIZ));
    QVERIFY(s.window().isChecked(pump ? Choice::R4 : Choice::R5));
}

void TestWorkflow::theCaptionNamesTheApplicationAndProject_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("caption");
    QTest::newRow("fan") << false << "Plant 4"
                         << "Orvek Wattmere Fan Application > Project: Plant 4";
    QTest::newRow("pump") << true << "Plant 4"
                          << "Orvek Wattmere Pump Application > Project: Plant 4";
    QTest::newRow("no project") << false << ""
                                << "Orvek Wattmere";
}

void TestWorkflow::theCaptionNamesTheApplicationAndProject() {
    QFETCH(bool, pump);
    QFETCH(QString, project);
    QFETCH(QString, caption);
    WorkflowSession s;
    QSignalSpy captions(&s.workflow, &Workflow::captionChanged);
    // Typed on the start screen's project bar: no analysis is changed by it.
    s.type(Field::QNUM, project);
    QVERIFY(!s.window().flags().modified);
    pump ? s.startPump() : s.startFan();
    QCOMPARE(s.workflow.windowCaption(), caption);
    QCOMPARE(s.text(Field::QNUM1), project);
    QCOMPARE(s.workflow.projectName(), project);
    if (!project.isEmpty())
        QCOMPARE(captions.last().at(0).toString(), caption);
}

void TestWorkflow::aPumpAnalysisReplacesTheInletGuideVanes() {
    WorkflowSession s;
    s.startFan();
    s.workflow.clickChoice(Choice::R5);
    QVERIFY(s.window().isChecked(Choice::R5));
    QCOMPARE(s.window().choice(Choice::R4).caption, QStringLiteral("Outlet Dampers"));
    s.startPump();
    QVERIFY(s.window().isChecked(Choice::R4));
    QVERIFY(!s.window().isChecked(Choice::R5));
    QVERIFY(!s.window().choice(Choice::R5).visible);
    QCOMPARE(s.window().choice(Choice::R4).caption, QStringLiteral("Throttling Valve"));
    s.startFan();
    QVERIFY(s.window().choice(Choice::R5).visible);
    QVERIFY(s.window().isChecked(Choice::R5));
}

void TestWorkflow::theSaveQuestionNamesBothApplications_data() {
    QTest::addColumn<bool>("runningPump");
    QTest::addColumn<bool>("newPump");
    QTest::addColumn<QString>("question");
    QTest::newRow("pump, then fan") << true << false << "IDS_48";
    QTest::newRow("fan, then fan") << false << false << "IDS_49";
    QTest::newRow("pump, then pump") << true << true << "IDS_50";
    QTest::newRow("fan, then pump") << false << true << "IDS_51";
}

void TestWorkflow::theSaveQuestionNamesBothApplications() {
    QFETCH(bool, runningPump);
    QFETCH(bool, newPump);
    QFETCH(QString, question);
    WorkflowSession s;
    runningPump ? s.startPump() : s.startFan();
    makeCompleteAndModified(s);
    s.prompter.clear();
    s.prompter.queueAnswer(PromptAnswer::No);
    newPump ? s.startPump() : s.startFan();
    QCOMPARE(s.messages(), QStringList{question});
    const PromptMessage& asked = s.prompter.messages().first();
    QCOMPARE(asked.buttons, PromptButtons::YesNoCancel);
    QCOMPARE(asked.text, s.model().text(question.toLatin1().constData()));
    QCOMPARE(s.model().application(), newPump ? Application::Pump : Application::Fan);
}

void TestWorkflow::theSaveQuestionsAnswers_data() {
    QTest::addColumn<PromptAnswer>("answer");
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<int>("saves");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("yes") << PromptAnswer::Yes << true << 1 << true;
    QTest::newRow("no") << PromptAnswer::No << true << 0 << true;
    QTest::newRow("cancel") << PromptAnswer::Cancel << true << 0 << false;
    // An analysis that could not be written is not thrown away.
    QTest::newRow("yes, save fails") << PromptAnswer::Yes << false << 1 << false;
}

void TestWorkflow::theSaveQuestionsAnswers() {
    QFETCH(PromptAnswer, answer);
    QFETCH(bool, saveSucceeds);
    QFETCH(int, saves);
    QFETCH(bool, replaced);
    WorkflowSession s;
    s.type(Field::QNUM, QStringLiteral("Plant 4"));
    s.startFan();
    makeCompleteAndModified(s);
    s.type(Field::PREPFOR, QStringLiteral("A. Buyer"));
    s.workflow.selectPage(steppage::comparison);
    const int forgetsBefore = s.files.forgets;
    s.prompter.clear();
    s.prompter.queueAnswer(answer);
    s.files.saveResults = {saveSucceeds};
    s.startPump();

    QCOMPARE(s.messages(), QStringList{"IDS_51"});
    QCOMPARE(s.files.saves, saves);
    if (saves > 0)
        QCOMPARE(s.files.savedApplications.first(), Application::Fan);
    QCOMPARE(s.model().application(), replaced ? Application::Pump : Application::Fan);
    QCOMPARE(s.files.forgets > forgetsBefore, replaced);
    if (replaced) {
        QCOMPARE(s.text(Field::A105), QString());
        QCOMPARE(s.text(Field::PREPFOR), QString());
        QCOMPARE(s.page(), steppage::customer);
        QVERIFY(!s.window().flags().modified);
    } else {
        QCOMPARE(s.text(Field::A105), QStringLiteral("60.0"));
        QCOMPARE(s.text(Field::PREPFOR), QStringLiteral("A. Buyer"));
        QCOMPARE(s.page(), steppage::comparison);
        QVERIFY(s.window().flags().modified);
        QCOMPARE(s.workflow.windowCaption(),
                 QStringLiteral("Orvek Wattmere Fan Application > Project: Plant 4"));
    }
}

void TestWorkflow::noSaveQuestionForAnIncompleteOrUnchangedAnalysis_data() {
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("modified");
    QTest::newRow("modified, incomplete") << false << true;
    QTest::newRow("complete, unchanged") << true << false;
}

void TestWorkflow::noSaveQuestionForAnIncompleteOrUnchangedAnalysis() {
    QFETCH(bool, complete);
    QFETCH(bool, modified);
    WorkflowSession s;
    s.startFan();
    if (complete)
        makeCompleteAndModified(s);
    else
        s.type(Field::A105, QStringLiteral("60"));
    s.window().setModified(modified);
    s.prompter.clear();
    s.startPump();
    QVERIFY(s.messages().isEmpty());
    QCOMPARE(s.files.saves, 0);
    QCOMPARE(s.model().application(), Application::Pump);
}

void TestWorkflow::theSetupOverviewDecidesWhetherTheAnalysisStarts_data() {
    QTest::addColumn<SetupOverviewResult>("result");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<int>("programSetups");
    QTest::newRow("continue") << SetupOverviewResult::Continue << true << true << 0;
    QTest::newRow("change setup") << SetupOverviewResult::ChangeSetup << true << true << 1;
    QTest::newRow("cancel") << SetupOverviewResult::Cancel << true << false << 0;
    QTest::newRow("continue, untick") << SetupOverviewResult::Continue << false << true << 0;
    QTest::newRow("cancel, untick") << SetupOverviewResult::Cancel << false << false << 0;
}

void TestWorkflow::theSetupOverviewDecidesWhetherTheAnalysisStarts() {
    QFETCH(SetupOverviewResult, result);
    QFETCH(bool, tick);
    QFETCH(bool, starts);
    QFETCH(int, programSetups);
    WorkflowSession s(false, true);
    s.prompter.queueSetupOverview({result, tick});
    s.startFan();
    QCOMPARE(s.prompter.setupOverviews().size(), 1);
    QCOMPARE(s.prompter.programSetups(), programSetups);
    QCOMPARE(s.model().application(), starts ? Application::Fan : Application::None);
    QCOMPARE(s.workflow.screen(), starts ? Screen::StepPages : Screen::Start);
    // Closing the overview stores its tick box, whatever button closed it.
    QCOMPARE(s.options.L9, tick);
    QCOMPARE(s.store.ReadBool(keys::program, keys::setupOverview, !tick), tick);
    // Unticked, the next analysis starts without it.
    s.startPump();
    QCOMPARE(s.prompter.setupOverviews().size(), tick ? 2 : 1);
}

void TestWorkflow::theSetupOverviewShowsTheSettingsInForce() {
    WorkflowSession s(false, true);
    s.options.units.currency = 2;
    s.options.units.power = 1;
    s.options.units.fanPressure = 2;
    s.options.units.fanFlow = 5;
    s.options.units.pumpPressure = 1;
    s.options.units.pumpFlow = 3;
    s.workflow.applyOptions();
    s.prompter.queueSetupOverview({SetupOverviewResult::Cancel, true});
    s.startFan();
    const SetupOverview shown = s.prompter.setupOverviews().first();
    QCOMPARE(shown.currency, QStringLiteral("€"));
    QCOMPARE(shown.power, QStringLiteral("kW"));
    QCOMPARE(shown.fanPressure, QStringLiteral("Pa"));
    QCOMPARE(shown.fanFlow, QStringLiteral("m3/s"));
    QCOMPARE(shown.pumpPressure, QStringLiteral("ft wg"));
    QCOMPARE(shown.pumpFlow, QStringLiteral("l/s"));
    QVERIFY(shown.showBeforeNewAnalysis);
    UnitSettings odd;
    odd.power = 7;
    QCOMPARE(setupOverviewOf(odd, false).power, QStringLiteral("-"));
}

void TestWorkflow::cancellingTheOverviewLeavesTheStartScreenAsItWas() {
    WorkflowSession s(true, true);
    s.type(Field::QNUM, QStringLiteral("Plant 4"));
    s.window().setText(Field::PREPFOR, QStringLiteral("kept"));
    QSignalSpy screens(&s.workflow, &Workflow::screenChanged);
    s.prompter.queueSetupOverview({SetupOverviewResult::Cancel, true});
    s.startPump();
    QCOMPARE(s.workflow.screen(), Screen::Start);
    QVERIFY(s.workflow.projectBarVisible());
    QCOMPARE(screens.count(), 0);
    QCOMPARE(s.model().application(), Application::None);
    QCOMPARE(s.text(Field::QNUM), QStringLiteral("Plant 4"));
    QCOMPARE(s.text(Field::QNUM1), QString());
    QCOMPARE(s.text(Field::PREPFOR), QStringLiteral("kept"));
    QCOMPARE(s.workflow.windowCaption(), QStringLiteral("Orvek Wattmere"));
    QCOMPARE(s.files.forgets, 0);
}

void TestWorkflow::theIntroductionScreenStoresItsTickBox_data() {
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("continueToStep1");
    QTest::newRow("continue, ticked") << true << true;
    QTest::newRow("continue, unticked") << false << true;
    QTest::newRow("cancel, unticked") << false << false;
    QTest::newRow("cancel, ticked") << true << false;
}

void TestWorkflow::theIntroductionScreenStoresItsTickBox() {
    QFETCH(bool, tick);
    QFETCH(bool, continueToStep1);
    WorkflowSession s(true, false);
    s.type(Field::QNUM, QStringLiteral("Plant 4"));
    s.startFan();
    QCOMPARE(s.workflow.screen(), Screen::Introduction);
    QVERIFY(!s.workflow.projectBarVisible());
    QVERIFY(!s.visible(Panel::CalcPanel));
    QCOMPARE(s.workflow.windowCaption(), QStringLiteral("Orvek Wattmere"));
    QVERIFY(s.workflow.introductionTicked());

    s.workflow.setIntroductionTicked(tick);
    if (continueToStep1)
        s.workflow.continueToStep1();
    else
        s.workflow.cancelAnalysis();
    QCOMPARE(s.options.L8, tick);
    QCOMPARE(s.store.ReadBool(keys::program, keys::introductionScreen, !tick), tick);
    if (continueToStep1) {
        QCOMPARE(s.workflow.screen(), Screen::StepPages);
        QCOMPARE(s.page(), steppage::customer);
        QCOMPARE(s.model().application(), Application::Fan);
        QCOMPARE(s.workflow.windowCaption(),
                 QStringLiteral("Orvek Wattmere Fan Application > Project: Plant 4"));
    } else {
        QCOMPARE(s.workflow.screen(), Screen::Start);
        QCOMPARE(s.model().application(), Application::None);
        QCOMPARE(s.text(Field::QNUM), QString());
        QCOMPARE(s.workflow.windowCaption(), QStringLiteral("Orvek Wattmere"));
    }
    // The next analysis follows the stored choice.
    s.startPump();
    QCOMPARE(s.workflow.screen(), tick ? Screen::Introduction : Screen::StepPages);
}

void TestWorkflow::newAnalysisChoosesTheApplicationOnTheStartScreen_data() {
    QTest::addColumn<ApplicationChoice>("choice");
    QTest::addColumn<Application>("application");
    QTest::newRow("fan") << ApplicationChoice::Fan << Application::Fan;
    QTest::newRow("pump") << ApplicationChoice::Pump << Application::Pump;
    QTest::newRow("close") << ApplicationChoice::Close << Application::None;
}

void TestWorkflow::newAnalysisChoosesTheApplicationOnTheStartScreen() {
    QFETCH(ApplicationChoice, choice);
    QFETCH(Application, application);
    WorkflowSession s;
    s.window().editFlags().advancedModeOn = true;
    s.prompter.queueApplicationChoice(choice);
    s.workflow.NewApp();
    QCOMPARE(s.prompter.applicationSelections(), 1);
    QCOMPARE(s.model().application(), application);
    QCOMPARE(s.workflow.screen(),
             application == Application::None ? Screen::Start : Screen::StepPages);
    QVERIFY(!s.window().flags().advancedModeOn);
}

void TestWorkflow::newAnalysisClosesARunningAnalysis() {
    WorkflowSession s;
    s.type(Field::QNUM, QStringLiteral("Plant 4"));
    s.startFan();
    s.workflow.selectPage(steppage::comparison);
    s.workflow.NewApp();
    // The user chooses the application again from the start screen.
    QCOMPARE(s.prompter.applicationSelections(), 0);
    QCOMPARE(s.workflow.screen(), Screen::Start);
    QVERIFY(s.workflow.projectBarVisible());
    QCOMPARE(s.model().application(), Application::None);
    QCOMPARE(s.text(Field::QNUM), QString());
    QCOMPARE(s.text(Field::QNUM1), QString());
    QCOMPARE(s.workflow.projectName(), QString());
    QCOMPARE(s.workflow.windowCaption(), QStringLiteral("Orvek Wattmere"));
    s.prompter.queueApplicationChoice(ApplicationChoice::Pump);
    s.workflow.NewApp();
    QCOMPARE(s.model().application(), Application::Pump);
}

void TestWorkflow::closingAsksToSaveAModifiedCompleteAnalysis_data() {
    QTest::addColumn<PromptAnswer>("answer");
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<int>("saves");
    QTest::addColumn<bool>("closed");
    QTest::newRow("yes") << PromptAnswer::Yes << true << 1 << true;
    QTest::newRow("no") << PromptAnswer::No << true << 0 << true;
    QTest::newRow("cancel") << PromptAnswer::Cancel << true << 0 << false;
    QTest::newRow("yes, save fails") << PromptAnswer::Yes << false << 1 << false;
}

void TestWorkflow::closingAsksToSaveAModifiedCompleteAnalysis() {
    QFETCH(PromptAnswer, answer);
    QFETCH(bool, saveSucceeds);
    QFETCH(int, saves);
    QFETCH(bool, closed);
    WorkflowSession s;
    s.type(Field::QNUM, QStringLiteral("Plant 4"));
    s.startFan();
    makeCompleteAndModified(s);
    s.prompter.clear();
    s.prompter.queueAnswer(answer);
    s.files.saveResults = {saveSucceeds};
    const int forgets = s.files.forgets;
    s.workflow.CloseStep1Click();
    QCOMPARE(s.messages().value(0), QStringLiteral("IDS_21"));
    QCOMPARE(s.prompter.messages().first().buttons, PromptButtons::YesNoCancel);
    QCOMPARE(s.files.saves, saves);
    QCOMPARE(s.workflow.screen(), closed ? Screen::Start : Screen::StepPages);
    QCOMPARE(s.model().application(), closed ? Application::None : Application::Fan);
    QCOMPARE(s.text(Field::QNUM), closed ? QString() : QStringLiteral("Plant 4"));
    QCOMPARE(s.files.forgets > forgets, closed);
    // Nothing is left to save once the analysis is closed: no question on the next one.
    QCOMPARE(s.window().flags().modified, !closed);
    if (closed) {
        s.prompter.clear();
        s.startPump();
        QVERIFY(s.messages().isEmpty());
    }
}

void TestWorkflow::savingFromTheReportPageStoresTheFieldsFirst() {
    WorkflowSession s;
    s.startFan();
    makeCompleteAndModified(s);
    s.type(Field::A105, QStringLiteral("75"));
    QVERIFY(s.workflow.SaveAllClick());
    QCOMPARE(s.files.savedMotorPowers, QList<float>{75.0f});
    s.files.saveResults = {false};
    QVERIFY(!s.workflow.SaveAllClick());
}

void TestWorkflow::programSetupPutsTheSavedOptionsInForce() {
    WorkflowSession s(true, false);
    s.startFan();
    s.workflow.continueToStep1();
    OptionsDialogState dialog;
    dialog.fanPressure = 1;
    dialog.fanFlow = 0;
    dialog.pumpPressure = 0;
    dialog.pumpFlow = 0;
    dialog.power = 1;
    dialog.currency = 0;
    dialog.notation = 2;
    dialog.L8 = false;
    dialog.L9 = false;
    dialog.language = 1;
    s.prompter.queueProgramSetup(dialog);
    s.workflow.ProgramSetupClick();
    QCOMPARE(s.options.units.power, 1);
    QVERIFY(!s.options.L8);
    QVERIFY(!s.workflow.introductionTicked());
    QCOMPARE(s.model().units().fanPressure, 1);
    QCOMPARE(s.model().numbers().separators().decimal, QChar(u','));
    QCOMPARE(s.caption(Label::A120Ext), QStringLiteral("cm wg"));
    QCOMPARE(s.caption(Label::A105Ext), QStringLiteral("kW"));
    QCOMPARE(s.model().text("IDS_21"), QStringLiteral("Projekt vor dem Schließen speichern?"));
    QCOMPARE(s.store.ReadInteger(keys::program, keys::powerUnit, 0), 1);

    // A cancelled dialog keeps the settings in force.
    s.model().setUnits(UnitSettings{});
    s.workflow.ProgramSetupClick();
    QCOMPARE(s.prompter.programSetups(), 2);
    QCOMPARE(s.model().units().power, 0);
    QCOMPARE(s.caption(Label::A105Ext), QStringLiteral("HP"));
}

void TestWorkflow::typingIntoProjectTextsSetsTheModifiedFlag_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("modifies");
    QTest::newRow("project of step 1") << "QNUM1" << true;
    QTest::newRow("customer name") << "PREPFOR" << true;
    QTest::newRow("e-mail") << "EmailFor" << true;
    QTest::newRow("cost row name") << "OTHER3_ANU_C" << true;
    QTest::newRow("project bar") << "QNUM" << false;
}

void TestWorkflow::typingIntoProjectTextsSetsTheModifiedFlag() {
    QFETCH(QString, field);
    QFETCH(bool, modifies);
    WorkflowSession s;
    s.startFan();
    const Field id = *fieldByName(field);
    s.type(id, s.text(id));
    QVERIFY(!s.window().flags().modified);
    s.type(id, QStringLiteral("new text"));
    QCOMPARE(s.window().flags().modified, modifies);
    QCOMPARE(s.text(id), QStringLiteral("new text"));
}

QTEST_GUILESS_MAIN(TestWorkflow)
#include "tst_workflow.moc"
