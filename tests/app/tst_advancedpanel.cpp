// The advanced curve panel: entering the advanced mode, leaving a curve field with its coupled
// entries and checks, the horizontal-curve switch, the way back to step 2, restoring the
// default curve data, the design-point lock buttons and the zoomed chart.

#include "WorkflowSession.h"

#include <QTest>

using namespace wattmere;
using namespace wattmere::testing;

namespace {

// A fan analysis of design head 4 in.wg, 50 HP at 86 % (68,391.50 cfm) on the advanced panel.
struct AdvancedFan : WorkflowSession {
    AdvancedPanel& panel = workflow.advancedPanel();

    explicit AdvancedFan(bool open = true) {
        startFan();
        workflow.selectPage(steppage::systemData);
        typeFanSystemData();
        if (open)
            panel.enterAdvancedMode();
        prompter.clear();
    }
    const CurveState& curve() { return analysis.results().Curve; }
    // Entries "A152=40000" typed into the panel's fields and left, one after the other.
    void enter(const QStringList& entries) {
        for (const QString& entry : entries) {
            const QStringList parts = entry.split(u'=');
            type(*fieldByName(parts[0]), parts[1]);
        }
    }
};

} // namespace

class TestAdvancedPanel : public QObject {
    Q_OBJECT
private slots:
    void enteringTheAdvancedModeNeedsGoodSystemData();
    void enteringTheAdvancedModeRefusesAfterACalculationError();
    void enteringTheAdvancedModeShowsThePanel();
    void thePeakEfficiencyCouplesTheAdditionalPoint();
    void thePeakFlowCouplesTheAdditionalFlow();
    void leavingACurveFieldChecksBeforeFitting_data();
    void leavingACurveFieldChecksBeforeFitting();
    void anEndPointBelowTheDesignFlowIsReset();
    void aRangeCheckClampsButKeepsAnEmptyPoint();
    void theHorizontalSwitchChecksAndRefits();
    void theHorizontalSwitchIsIgnoredWhileLoading();
    void goingBackToStep2NeedsValidDataAndACalculation();
    void restoringTheDefaultsAsksFirst();
    void restoringTheDefaultsRebuildsTheCurveData();
    void theLockButtonsSwitchTheDesignPointMode();
    void theZoomedChartLiesOverThePanel();
};

void TestAdvancedPanel::enteringTheAdvancedModeNeedsGoodSystemData() {
    WorkflowSession s;
    s.startFan();
    s.workflow.advancedPanel().enterAdvancedMode();
    QCOMPARE(s.messages(), QStringList{"IDS_24"});
    QVERIFY(!s.visible(Panel::FanAdvanced));
    QVERIFY(!s.window().flags().advancedModeOn);

    AdvancedFan fan(false);
    fan.type(Field::A120, QStringLiteral("4"));
    fan.type(Field::A123, QStringLiteral("5"));
    fan.prompter.clear();
    fan.panel.enterAdvancedMode();
    QCOMPARE(fan.messages(), QStringList{"IDS_02"});
    QVERIFY(!fan.visible(Panel::FanAdvanced));
    QVERIFY(fan.visible(Panel::Step2));
}

void TestAdvancedPanel::enteringTheAdvancedModeRefusesAfterACalculationError() {
    AdvancedFan s(false);
    s.window().editFlags().calcError = true;
    s.panel.enterAdvancedMode();
    QCOMPARE(s.messages(), QStringList{"IDS_103"});
    QVERIFY(!s.visible(Panel::FanAdvanced));
    QVERIFY(!s.window().flags().advancedModeOn);
}

void TestAdvancedPanel::enteringTheAdvancedModeShowsThePanel() {
    AdvancedFan s(false);
    // A later exit sees the completed design flow as the design point in force.
    s.type(Field::A104, QStringLiteral("0.12"));
    s.workflow.DutyScreenClick();
    s.window().setEnabled(Field::A144, true);
    s.panel.enterAdvancedMode();
    QVERIFY(s.messages().isEmpty());
    QVERIFY(s.visible(Panel::FanAdvanced));
    QVERIFY(!s.visible(Panel::Step2));
    QVERIFY(!s.visible(Panel::DutyCyclePanel));
    QVERIFY(!s.visible(Panel::ADVANCEDGRAPH));
    QVERIFY(s.window().flags().advancedModeOn);
    // The known-value selection was applied again: the design point is the system data's.
    QVERIFY(!s.window().field(Field::A144).enabled);
    QCOMPARE(s.text(Field::A174), s.text(Field::A144));
    QCOMPARE(s.text(Field::A175), s.text(Field::A149));
    QCOMPARE(s.text(Field::A175), QStringLiteral("68,391.50"));
    // Editing the system data no longer overwrites the curve data.
    s.window().setText(Field::A154, QStringLiteral("150,000.00"));
    s.type(Field::A105, QStringLiteral("70"));
    QCOMPARE(s.text(Field::A154), QStringLiteral("150,000.00"));
}

void TestAdvancedPanel::thePeakEfficiencyCouplesTheAdditionalPoint() {
    AdvancedFan s;
    QCOMPARE(s.text(Field::A145), QStringLiteral("86.0"));
    s.type(Field::A145, QStringLiteral("80"));
    QCOMPARE(s.text(Field::A145), QStringLiteral("80.0"));
    QCOMPARE(s.text(Field::A146), QStringLiteral("64.0"));
    // The additional point is the user's until the peak efficiency changes again.
    s.type(Field::A146, QStringLiteral("70"));
    s.type(Field::A145, QStringLiteral("80.0"));
    QCOMPARE(s.text(Field::A146), QStringLiteral("70.0"));
    s.type(Field::A145, QStringLiteral("87.5"));
    QCOMPARE(s.text(Field::A146), QStringLiteral("70.0"));
}

void TestAdvancedPanel::thePeakFlowCouplesTheAdditionalFlow() {
    AdvancedFan s;
    s.type(Field::A150, QStringLiteral("60000"));
    QCOMPARE(s.text(Field::A150), QStringLiteral("60,000.00"));
    QCOMPARE(s.text(Field::A151), QStringLiteral("30,000.00"));
    s.type(Field::A151, QStringLiteral("25000"));
    s.type(Field::A150, QStringLiteral("60,000.00"));
    QCOMPARE(s.text(Field::A151), QStringLiteral("25,000.00"));
    s.type(Field::A150, QStringLiteral("50001"));
    QCOMPARE(s.text(Field::A151), QStringLiteral("25,000.50"));
}

void TestAdvancedPanel::leavingACurveFieldChecksBeforeFitting_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("note");
    QTest::newRow("point 1 at the design flow, horizontal")
        << QStringList{"A152=68391.5"} << "IDS_60";
    QTest::newRow("point 2 at the design flow, other pressure")
        << QStringList{"A154=68391.5"} << "IDS_63";
    QTest::newRow("point 2 at the design point")
        << QStringList{"A157=4", "A154=68391.5"} << "IDS_64";
    QTest::newRow("additional efficiency a tenth below half the peak")
        << QStringList{"A146=42.9"} << "IDS_75";
    QTest::newRow("additional efficiency exactly half the peak") << QStringList{"A146=43"} << "";
    QTest::newRow("additional efficiency above the peak") << QStringList{"A146=86.1"} << "IDS_74";
    QTest::newRow("a valid second point") << QStringList{"A154=120000", "A157=1"} << "";
}

void TestAdvancedPanel::leavingACurveFieldChecksBeforeFitting() {
    QFETCH(QStringList, entries);
    QFETCH(QString, note);
    AdvancedFan s;
    const CurveState before = s.curve();
    s.enter(entries);
    // Leaving a field reports in the note line only.
    QVERIFY(s.messages().isEmpty());
    QCOMPARE(s.caption(Label::NOTE2),
             note.isEmpty() ? QString() : s.model().text(qPrintable(note)));
    QCOMPARE(s.window().label(Label::NOTE2).visible, !note.isEmpty());
    QCOMPARE(s.visible(Panel::BEVELNOTE), !note.isEmpty());
    if (!note.isEmpty()) {
        // Invalid data is not fitted: the previous curve stays in force.
        QCOMPARE(s.curve().Points.q2, before.Points.q2);
        QCOMPARE(s.curve().AddEfficiency, before.AddEfficiency);
    } else {
        QCOMPARE(s.curve().Points.q2, s.model().number(Field::A154) / 68391.5);
        QCOMPARE(s.curve().AddEfficiency, s.model().number(Field::A146) / 100.0);
    }
}

void TestAdvancedPanel::anEndPointBelowTheDesignFlowIsReset() {
    AdvancedFan s;
    s.type(Field::A158, QStringLiteral("1000"));
    s.type(Field::A159, QStringLiteral("50000"));
    QCOMPARE(s.messages(), QStringList{"IDS_10"});
    QCOMPARE(s.text(Field::A159), QStringLiteral("136,783.00"));
    QCOMPARE(s.text(Field::A158), QStringLiteral("0"));
}

void TestAdvancedPanel::aRangeCheckClampsButKeepsAnEmptyPoint() {
    AdvancedFan s;
    s.window().setModified(false);
    s.type(Field::A145, QStringLiteral("150"));
    QCOMPARE(s.prompter.beeps(), 1);
    QCOMPARE(s.text(Field::A145), QStringLiteral("100.0"));
    QVERIFY(s.window().flags().modified);
    // An empty curve point means no point: the checks accept it and nothing beeps.
    s.type(Field::A145, QStringLiteral("86"));
    s.type(Field::A152, QString());
    QCOMPARE(s.text(Field::A152), QString());
    QCOMPARE(s.prompter.beeps(), 1);
    QCOMPARE(s.caption(Label::NOTE2), QString());
}

void TestAdvancedPanel::theHorizontalSwitchChecksAndRefits() {
    AdvancedFan s;
    QVERIFY(s.curve().Horizontal);
    s.window().setModified(false);
    s.workflow.clickChoice(Choice::HORIZ);
    QVERIFY(!s.window().isChecked(Choice::HORIZ));
    QVERIFY(!s.curve().Horizontal);
    QVERIFY(s.window().flags().modified);
    QVERIFY(s.messages().isEmpty());
    // Point 1 at the design flow is allowed only for a curve that is not horizontal there.
    s.type(Field::A155, QStringLiteral("4"));
    s.type(Field::A152, QStringLiteral("68391.5"));
    QCOMPARE(s.caption(Label::NOTE2), QString());
    s.workflow.clickChoice(Choice::HORIZ);
    QCOMPARE(s.messages(), QStringList{"IDS_60"});
    QVERIFY(!s.curve().Horizontal);
}

void TestAdvancedPanel::theHorizontalSwitchIsIgnoredWhileLoading() {
    AdvancedFan s;
    s.window().setText(Field::A152, QStringLiteral("68,391.50"));
    s.window().editFlags().loading = true;
    s.window().setModified(false);
    s.panel.clickHorizontal(false);
    s.panel.clickHorizontal(true);
    QVERIFY(s.window().isChecked(Choice::HORIZ));
    QVERIFY(s.messages().isEmpty());
    QVERIFY(!s.window().flags().modified);
    QCOMPARE(s.caption(Label::NOTE2), QString());
}

void TestAdvancedPanel::goingBackToStep2NeedsValidDataAndACalculation() {
    AdvancedFan s;
    // The additional point at the peak flow with another efficiency: a dialog, no note.
    s.window().setText(Field::A151, s.text(Field::A150));
    const CurveState before = s.curve();
    s.panel.goBackToStep2();
    QCOMPARE(s.messages(), QStringList{"IDS_73"});
    QCOMPARE(s.caption(Label::NOTE2), QString());
    QVERIFY(!s.visible(Panel::BEVELNOTE));
    QVERIFY(s.visible(Panel::FanAdvanced));
    QCOMPARE(s.curve().AddEfficiencyFlow, before.AddEfficiencyFlow);

    // Valid data that cannot be fitted: the calculation fails and the panel stays.
    s.prompter.clear();
    s.workflow.clickChoice(Choice::HORIZ);
    s.prompter.clear();
    s.window().setText(Field::A151, QStringLiteral("34,195.75"));
    s.window().setText(Field::A152, s.text(Field::A153));
    s.window().setText(Field::A155, s.text(Field::A156));
    s.window().editFlags().stepChange = false;
    s.panel.goBackToStep2();
    QVERIFY(s.window().flags().calcError);
    QVERIFY(s.visible(Panel::FanAdvanced));
    QVERIFY(!s.window().flags().stepChange);

    s.window().setText(Field::A152, QStringLiteral("0.00"));
    s.window().setText(Field::A155, QStringLiteral("4.80"));
    s.prompter.clear();
    s.panel.goBackToStep2();
    QVERIFY(s.messages().isEmpty());
    QVERIFY(!s.window().flags().calcError);
    QVERIFY(s.visible(Panel::Step2));
    QVERIFY(!s.visible(Panel::FanAdvanced));
    QVERIFY(!s.window().flags().stepChange);
    QVERIFY(s.window().flags().advancedModeOn);
}

void TestAdvancedPanel::restoringTheDefaultsAsksFirst() {
    WorkflowSession none;
    none.workflow.advancedPanel().restoreDefaults();
    QVERIFY(none.messages().isEmpty());

    AdvancedFan s;
    s.type(Field::A154, QStringLiteral("120000"));
    s.prompter.queueAnswer(PromptAnswer::Cancel);
    s.panel.restoreDefaults();
    QCOMPARE(s.messages(), QStringList{"IDS_33"});
    QCOMPARE(s.prompter.messages().first().buttons, PromptButtons::YesCancel);
    QCOMPARE(s.text(Field::A154), QStringLiteral("120,000.00"));
}

void TestAdvancedPanel::restoringTheDefaultsRebuildsTheCurveData() {
    AdvancedFan s;
    s.workflow.clickChoice(Choice::HORIZ);
    s.enter({"A154=120000", "A157=1", "A145=90", "A146=60", "A150=70000", "A151=30000"});
    QCOMPARE(s.caption(Label::NOTE2), QString());
    s.prompter.clear();
    s.prompter.queueAnswer(PromptAnswer::Yes);
    s.panel.restoreDefaults();
    QCOMPARE(s.messages(), QStringList{"IDS_33"});
    QVERIFY(s.window().isChecked(Choice::HORIZ));
    QVERIFY(s.curve().Horizontal);
    const QStringList expected{
        "A144=86.0",      "A145=86.0",       "A146=68.8",       "A149=68,391.50", "A150=68,391.50",
        "A151=34,195.75", "A153=68,391.50",  "A154=136,783.00", "A155=4.80",      "A156=4.00",
        "A157=0.00",      "A159=136,783.00", "A174=86.0",       "A175=68,391.50"};
    for (const QString& entry : expected) {
        const QStringList parts = entry.split(u'=');
        QCOMPARE(s.text(*fieldByName(parts[0])), parts[1]);
    }
    for (int i = indexOf(Field::A144); i <= indexOf(Field::A159); ++i)
        QCOMPARE(s.window().field(static_cast<Field>(i)).textColour, colours::black);
    QCOMPARE(s.curve().Points.q2, 2.0);
    // The coupling starts afresh: leaving the peak efficiency as it is couples once.
    s.type(Field::A146, QStringLiteral("70"));
    s.type(Field::A145, QStringLiteral("86.0"));
    QCOMPARE(s.text(Field::A146), QStringLiteral("68.8"));
}

void TestAdvancedPanel::theLockButtonsSwitchTheDesignPointMode() {
    AdvancedFan s;
    s.panel.clickLockA144();
    QVERIFY(s.window().isChecked(Choice::LOCKA144));
    QVERIFY(!s.window().isChecked(Choice::LOCKA149));
    QVERIFY(s.window().field(Field::A144).enabled);
    QVERIFY(!s.window().field(Field::A149).enabled);

    // Back to the flow-given mode with a design efficiency above the peak: the design point
    // moves to the peak.
    s.window().setText(Field::A144, QStringLiteral("90.0"));
    s.window().setText(Field::A150, QStringLiteral("70,000.00"));
    s.panel.clickLockA149();
    QVERIFY(s.window().isChecked(Choice::LOCKA149));
    QVERIFY(!s.window().isChecked(Choice::LOCKA144));
    QCOMPARE(s.text(Field::A145), QStringLiteral("86.0"));
    // The checks then find the design flow moved to the peak flow: its efficiency, 88.0, is
    // above the peak.
    QCOMPARE(s.text(Field::A149), QStringLiteral("70,000.00"));
    QCOMPARE(s.text(Field::A144), QStringLiteral("88.0"));
    QCOMPARE(s.caption(Label::NOTE2), s.model().text("IDS_71"));
    QVERIFY(!s.window().field(Field::A144).enabled);
    QVERIFY(s.window().field(Field::A149).enabled);
    QVERIFY(s.messages().isEmpty());

    // A design efficiency at or below the peak stays.
    s.window().setText(Field::A144, QStringLiteral("80.0"));
    s.panel.clickLockA149();
    QCOMPARE(s.text(Field::A144), QStringLiteral("80.0"));
}

void TestAdvancedPanel::theZoomedChartLiesOverThePanel() {
    AdvancedFan s;
    s.panel.zoomGraph();
    QVERIFY(s.visible(Panel::ADVANCEDGRAPH));
    QVERIFY(s.visible(Panel::FanAdvanced));
    s.panel.backToAdvancedMode();
    QVERIFY(!s.visible(Panel::ADVANCEDGRAPH));
    QVERIFY(s.visible(Panel::FanAdvanced));
    QVERIFY(!s.visible(Panel::Step2));
}

QTEST_GUILESS_MAIN(TestAdvancedPanel)
#include "tst_advancedpanel.moc"
