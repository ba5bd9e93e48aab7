// Entry fields and their slots: defaults shown for a new analysis, the range checks on leaving
// a field, the cross checks of the system data and the known-value selection.

#include "app/FieldBinding.h"
#include "app/ScriptedPrompter.h"
#include "core/FatalError.h"

#include <QTest>

using namespace wattmere;

namespace {

// Records which calculation steps the handlers start.
struct RecordingHooks : RecalculationHooks {
    QStringList calls;
    void computeDutyCycle() override { calls << "duty"; }
    void CompleteDesignPoint() override { calls << "complete"; }
    void RecalculateAll() override { calls << "recalc"; }
    void computeCostTotals() override { calls << "costs"; }
};

// A model set up as a new analysis leaves it: table defined for the application, fields
// filled with the defaults, S1 selected.
struct Fixture {
    ScriptedPrompter prompter;
    AnalysisModel model{prompter};
    RecordingHooks hooks;
    FieldBinding binding{model, hooks};

    explicit Fixture(Application application = Application::Fan, int notation = 1) {
        model.setSeparators(separatorsForNotation(notation));
        model.defineParameterTable(false);
        model.setApplication(application);
        model.defineParameterTable(true);
        binding.set_fieldsA(TransferMode::ShowDefaults);
        model.window().setChecked(Choice::S1, true);
        model.window().editFlags().created = true;
    }
    WindowState& window() { return model.window(); }
    void type(Field id, const QString& text) {
        window().setText(id, text);
        binding.fieldExit(id);
    }
};

} // namespace

class TestFieldBinding : public QObject {
    Q_OBJECT
private slots:
    void newAnalysisShowsTheApplicationDefaults_data();
    void newAnalysisShowsTheApplicationDefaults();
    void leavingAFieldClampsAndReformats_data();
    void leavingAFieldClampsAndReformats();
    void anEmptySystemDataFieldStaysEmptyAndStartsNothing();
    void theModifiedFlagFollowsRealChanges();
    void storeAndShowRoundTripTheSlots();
    void systemDataCrossChecks_data();
    void systemDataCrossChecks();
    void systemDataExitCompletesAndRecalculatesOnlyWhenReady();
    void designChangeAsksForDefaultCurveData();
    void knownValueSelectionDisablesTheDerivedField_data();
    void knownValueSelectionDisablesTheDerivedField();
    void twoSpeedDutyTotalCountsInTenths_data();
    void twoSpeedDutyTotalCountsInTenths();
    void restoreCommandsAskFirst();
    void anUnboundFieldIsAFatalError();
};

void TestFieldBinding::newAnalysisShowsTheApplicationDefaults_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("fan hours") << false << "A101"
                               << "24";
    QTest::newRow("fan days") << false << "A102"
                              << "7.0";
    QTest::newRow("fan weeks") << false << "A103"
                               << "52";
    QTest::newRow("fan share 90") << false << "A111"
                                  << "3";
    QTest::newRow("fan flow band") << false << "A161"
                                   << "90";
    QTest::newRow("fan head") << false << "A120"
                              << "4.00";
    QTest::newRow("fan set point") << false << "A121"
                                   << "0.80";
    QTest::newRow("fan drop") << false << "A123"
                              << "0.40";
    QTest::newRow("fan cost empty") << false << "A104"
                                    << "";
    QTest::newRow("fan motor empty") << false << "A105"
                                     << "";
    QTest::newRow("fan drive cost empty") << false << "A109"
                                          << "";
    QTest::newRow("fan shaft empty") << false << "A122"
                                     << "";
    QTest::newRow("fan flow empty") << false << "A175"
                                    << "";
    QTest::newRow("fan efficiency") << false << "A174"
                                    << "86.0";
    QTest::newRow("fan curve flow grouped") << false << "A154"
                                            << "135,193.00";
    QTest::newRow("fan duty copy") << false << "A102A"
                                   << "7.0";
    QTest::newRow("pump head empty") << true << "A120"
                                     << "";
    QTest::newRow("pump set point empty") << true << "A121"
                                          << "";
    QTest::newRow("pump drop empty") << true << "A123"
                                     << "";
    QTest::newRow("pump efficiency") << true << "A174"
                                     << "86.0";
}

void TestFieldBinding::newAnalysisShowsTheApplicationDefaults() {
    QFETCH(bool, pump);
    QFETCH(QString, field);
    QFETCH(QString, text);
    Fixture fixture(pump ? Application::Pump : Application::Fan);
    QCOMPARE(fixture.window().text(*fieldByName(field)), text);
}

void TestFieldBinding::leavingAFieldClampsAndReformats_data() {
    QTest::addColumn<int>("notation");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("starts");
    QTest::newRow("hours above max") << 1 << "A101"
                                     << "30"
                                     << "24" << 1 << "duty";
    QTest::newRow("weeks emptied") << 1 << "A103"
                                   << ""
                                   << "1" << 1 << "duty";
    QTest::newRow("share 12.5 shown whole") << 1 << "A112"
                                            << "12.5"
                                            << "12" << 0 << "duty";
    QTest::newRow("motor below min") << 1 << "A105"
                                     << "0.1"
                                     << "0.2" << 1 << "recalc";
    QTest::newRow("motor above max") << 1 << "A105"
                                     << "5000.04"
                                     << "5,000.0" << 1 << "recalc";
    QTest::newRow("cost notation 2") << 2 << "A126"
                                     << "1234,4"
                                     << "1.234" << 0 << "costs";
    QTest::newRow("cost emptied") << 1 << "A131"
                                  << ""
                                  << "0" << 0 << "costs";
    QTest::newRow("drive cost grouped") << 1 << "A109"
                                        << "15000"
                                        << "15,000" << 0 << "recalc";
}

void TestFieldBinding::leavingAFieldClampsAndReformats() {
    QFETCH(int, notation);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, beeps);
    QFETCH(QString, starts);
    Fixture fixture(Application::Fan, notation);
    const Field id = *fieldByName(field);
    fixture.type(id, typed);
    QCOMPARE(fixture.window().text(id), shown);
    QCOMPARE(fixture.prompter.beeps(), beeps);
    QVERIFY2(fixture.hooks.calls.contains(starts), qPrintable(fixture.hooks.calls.join(',')));
}

void TestFieldBinding::anEmptySystemDataFieldStaysEmptyAndStartsNothing() {
    Fixture fixture;
    fixture.type(Field::A105, QString());
    QCOMPARE(fixture.window().text(Field::A105), QString());
    QCOMPARE(fixture.prompter.beeps(), 0);
    QVERIFY(fixture.hooks.calls.isEmpty());
    QVERIFY(!fixture.window().flags().modified);
}

void TestFieldBinding::theModifiedFlagFollowsRealChanges() {
    Fixture fixture;
    fixture.type(Field::A101, QStringLiteral("24"));
    QVERIFY(!fixture.window().flags().modified);
    fixture.type(Field::A109, QStringLiteral("999")); // the drive cost never marks a change
    QVERIFY(!fixture.window().flags().modified);
    fixture.type(Field::A101, QStringLiteral("12"));
    QVERIFY(fixture.window().flags().modified);
}

void TestFieldBinding::storeAndShowRoundTripTheSlots() {
    Fixture fixture;
    fixture.window().setText(Field::A120, QStringLiteral("1,234.5"));
    fixture.window().setText(Field::A101, QStringLiteral("12"));
    fixture.binding.set_fields(TransferMode::Store);
    QCOMPARE(fixture.model.slotOf(Field::A120).currentValue, 1234.5f);
    fixture.window().setText(Field::A120, QString());
    fixture.window().setText(Field::A101A, QString());
    fixture.binding.set_fields(TransferMode::ShowCurrent);
    QCOMPARE(fixture.window().text(Field::A120), QStringLiteral("1,234.50"));
    QCOMPARE(fixture.window().text(Field::A101A), QStringLiteral("12"));
}

void TestFieldBinding::systemDataCrossChecks_data() {
    QTest::addColumn<QStringList>("entries"); // field=text pairs
    QTest::addColumn<QString>("message");
    QTest::newRow("valid defaults") << QStringList{} << "";
    QTest::newRow("head too small for 1.2x") << QStringList{"A120=0.02"} << "IDS_01";
    QTest::newRow("drop above head") << QStringList{"A120=4", "A123=5"} << "IDS_02";
    QTest::newRow("set point above head") << QStringList{"A121=4.5"} << "IDS_03";
    QTest::newRow("shaft above motor") << QStringList{"A122=60", "A105=50"} << "IDS_04";
    QTest::newRow("shaft above drive") << QStringList{"A122=60", "A125=50"} << "IDS_05";
    QTest::newRow("motor above drive") << QStringList{"A105=60", "A125=50"} << "IDS_06";
    QTest::newRow("empty pairs pass") << QStringList{"A122=60"} << "";
}

void TestFieldBinding::systemDataCrossChecks() {
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    Fixture fixture;
    for (const QString& entry : entries) {
        const QStringList parts = entry.split(u'=');
        fixture.window().setText(*fieldByName(parts[0]), parts[1]);
    }
    QCOMPARE(fixture.binding.ValidateSystemData(false), message.isEmpty());
    QVERIFY(fixture.prompter.messages().isEmpty());
    QCOMPARE(fixture.binding.ValidateSystemData(true), message.isEmpty());
    QCOMPARE(fixture.prompter.messageIds(),
             message.isEmpty() ? QStringList{} : QStringList{message});
}

void TestFieldBinding::systemDataExitCompletesAndRecalculatesOnlyWhenReady() {
    Fixture fixture;
    fixture.type(Field::A122, QStringLiteral("50")); // head 4, shaft 50, efficiency 86: ready
    QCOMPARE(fixture.hooks.calls, (QStringList{"complete", "recalc"}));

    fixture.hooks.calls.clear();
    fixture.window().editFlags().advancedModeOn = true;
    fixture.window().editFlags().defaultsPending = false;
    fixture.type(Field::A105, QStringLiteral("60")); // design unchanged, advanced work kept
    QCOMPARE(fixture.hooks.calls, QStringList{"recalc"});

    fixture.hooks.calls.clear();
    fixture.type(Field::A123, QStringLiteral("5")); // drop above head: no recalculation
    QVERIFY(!fixture.hooks.calls.contains("recalc"));
    QVERIFY(fixture.prompter.messages().isEmpty());
}

void TestFieldBinding::designChangeAsksForDefaultCurveData() {
    Fixture fixture;
    fixture.binding.DetectDesignChange();
    QVERIFY(fixture.window().flags().defaultsPending);
    QCOMPARE(fixture.model.designMemory().head, 4.0);
    fixture.window().editFlags().defaultsPending = false;
    fixture.model.designMemory().couplingA145 = QStringLiteral("86.0");
    fixture.binding.DetectDesignChange();
    QVERIFY(!fixture.window().flags().defaultsPending); // nothing changed
    QCOMPARE(fixture.model.designMemory().couplingA145, QStringLiteral("86.0"));
    fixture.window().setText(Field::A175, QStringLiteral("1,000.00"));
    fixture.binding.DetectDesignChange();
    QVERIFY(fixture.window().flags().defaultsPending);
    QCOMPARE(fixture.model.designMemory().flow, 1000.0);
    QVERIFY(fixture.model.designMemory().couplingA145.isEmpty());
}

void TestFieldBinding::knownValueSelectionDisablesTheDerivedField_data() {
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("derived");
    QTest::newRow("S1") << "S1"
                        << "A175";
    QTest::newRow("S2") << "S2"
                        << "A174";
    QTest::newRow("S3") << "S3"
                        << "A122";
    QTest::newRow("S4") << "S4"
                        << "A120";
}

void TestFieldBinding::knownValueSelectionDisablesTheDerivedField() {
    QFETCH(QString, selection);
    QFETCH(QString, derived);
    Fixture fixture;
    fixture.window().setChecked(*choiceByName(selection), true);
    fixture.window().setChecked(Choice::LOCKA144, true);
    fixture.binding.SystemDataSelectionChange();
    for (Field id : {Field::A120, Field::A122, Field::A174, Field::A175}) {
        const bool isDerived = nameOf(id) == derived;
        QCOMPARE(fixture.window().field(id).enabled, !isDerived);
        QCOMPARE(fixture.window().field(id).colour,
                 isDerived ? colours::disabledGrey : colours::white);
    }
    QVERIFY(fixture.window().isChecked(Choice::LOCKA149));
    QVERIFY(!fixture.window().isChecked(Choice::LOCKA144));
    QVERIFY(!fixture.window().field(Field::A144).enabled);
    QVERIFY(fixture.window().field(Field::A145).enabled);
}

void TestFieldBinding::twoSpeedDutyTotalCountsInTenths_data() {
    QTest::addColumn<QStringList>("shares");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("complete");
    QTest::newRow("default") << QStringList{"50", "50", "0"} << "100.0%" << true;
    QTest::newRow("thirds") << QStringList{"33.3", "33.3", "33.4"} << "100.0%" << true;
    QTest::newRow("stopped share") << QStringList{"60", "30", "10"} << "100.0%" << true;
    QTest::newRow("short") << QStringList{"60", "30", "0"} << "90.0%" << false;
}

void TestFieldBinding::twoSpeedDutyTotalCountsInTenths() {
    QFETCH(QStringList, shares);
    QFETCH(QString, caption);
    QFETCH(bool, complete);
    Fixture fixture;
    fixture.type(Field::A172, shares[0]);
    fixture.type(Field::A173, shares[1]);
    fixture.type(Field::A176, shares[2]);
    QCOMPARE(fixture.window().caption(Label::Duty_Cycle_2Speed_Motor_Label), caption);
    QCOMPARE(fixture.window().label(Label::Duty_Cycle_2Speed_Motor_Label).colour,
             complete ? colours::black : colours::red);
    QCOMPARE(fixture.binding.twoSpeedDutyComplete(), complete);
}

void TestFieldBinding::restoreCommandsAskFirst() {
    Fixture fixture;
    fixture.window().setText(Field::A120, QStringLiteral("9.00"));
    fixture.window().setText(Field::OTHER1_INI_C, QStringLiteral("Crane"));
    fixture.window().setText(Field::A126, QStringLiteral("500"));
    fixture.window().editFlags().advancedModeOn = true;

    fixture.binding.restoreStep2Defaults(); // unscripted: Cancel
    QCOMPARE(fixture.window().text(Field::A120), QStringLiteral("9.00"));
    QVERIFY(fixture.hooks.calls.isEmpty());

    fixture.prompter.queueAnswer(PromptAnswer::Yes);
    fixture.binding.restoreStep2Defaults();
    QCOMPARE(fixture.window().text(Field::A120), QStringLiteral("4.00"));
    QVERIFY(!fixture.window().flags().advancedModeOn);
    QVERIFY(fixture.window().flags().defaultsPending);
    QCOMPARE(fixture.model.designMemory().head, -1.0);
    QCOMPARE(fixture.hooks.calls, QStringList{"recalc"});

    fixture.prompter.queueAnswer(PromptAnswer::Yes);
    fixture.binding.restoreCostDefaults();
    QCOMPARE(fixture.window().text(Field::OTHER1_INI_C), QString());
    QCOMPARE(fixture.window().text(Field::A126), QStringLiteral("0"));
    QCOMPARE(fixture.prompter.messageIds(), (QStringList{"IDS_23", "IDS_23", "IDS_29"}));
}

void TestFieldBinding::anUnboundFieldIsAFatalError() {
    ScriptedPrompter prompter;
    AnalysisModel model(prompter);
    QString reported;
    const FatalErrorHandler previous = setFatalErrorHandler([&reported](const QString& text) {
        reported = text;
        throw std::runtime_error("stopped");
    });
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, model.slotOf(Field::A120));
    setFatalErrorHandler(previous);
    QCOMPARE(reported, QStringLiteral("LIST TAG NUMBER = 0"));
}

QTEST_GUILESS_MAIN(TestFieldBinding)
#include "tst_fieldbinding.moc"
