// Opening an analysis file with the file commands: whole fan and pump analyses saved and
// opened again show the same pages and results; the opened analysis keeps its curve data, its
// efficiency-given design flow and its comparison system; each message of one open shows once;
// refused and aborted opens; the state an open leaves.

#include "FileFixtures.h"
#include "FilesSession.h"
#include "app/ModelTypes.h"

#include <QTest>

#include <cmath>

using namespace wattmere;
using namespace wattmere::testing;

Q_DECLARE_METATYPE(wattmere::UnitSettings)

namespace {

// The curve data of the advanced panel that the user enters (the design point A144, A149
// and the mirrored A153, A156 follow from step 2).
constexpr Field enteredCurveFields[] = {Field::A145, Field::A146, Field::A150, Field::A151,
                                        Field::A152, Field::A154, Field::A155, Field::A157,
                                        Field::A158, Field::A159};

QStringList textsOf(FilesSession& s, std::initializer_list<Field> ids) {
    QStringList texts;
    for (Field id : ids)
        texts << s.text(id);
    return texts;
}

QStringList curveTexts(FilesSession& s) {
    QStringList texts;
    for (Field id : enteredCurveFields)
        texts << s.text(id);
    return texts;
}

// Every label caption and every field text of the window, by name.
QMap<QString, QString> pageTexts(FilesSession& s) {
    QMap<QString, QString> texts;
    for (int i = 0; i < countOf<Label>(); ++i) {
        const auto id = static_cast<Label>(i);
        texts.insert(QStringLiteral("label ") + nameOf(id), s.caption(id));
    }
    for (int i = 0; i < countOf<Field>(); ++i) {
        const auto id = static_cast<Field>(i);
        texts.insert(QStringLiteral("field ") + nameOf(id), s.text(id));
    }
    return texts;
}

// The user's own curve data on the advanced panel: a second point at a lower flow and a higher
// head, a higher peak of efficiency at a lower flow, and a start flow.
void editCurveData(FilesSession& s) {
    s.workflow.advancedPanel().enterAdvancedMode();
    QVERIFY(s.visible(Panel::FanAdvanced));
    const double designFlow = s.model().number(Field::A149);
    const auto flow = [&s, designFlow](double share) {
        return s.model().numbers().FormatDecimals(share * designFlow, 2);
    };
    s.type(Field::A154, flow(1.7));
    s.type(Field::A145, QStringLiteral("88.0"));
    s.type(Field::A146, QStringLiteral("75.0"));
    s.type(Field::A150, flow(0.9));
    s.type(Field::A151, flow(0.6));
    s.type(Field::A158, flow(0.1));
    s.type(Field::A157, s.model().numbers().FormatDecimals(0.3 * s.model().number(Field::A120), 2));
    s.workflow.advancedPanel().goBackToStep2();
    QVERIFY(s.visible(Panel::Step2));
}

} // namespace

class TestAnalysisFilesOpen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void aWholeAnalysisSavedAndOpened_data();
    void aWholeAnalysisSavedAndOpened();
    void theOpenedCurveDataStands_data();
    void theOpenedCurveDataStands();
    void aRealDesignChangeBringsDefaultsBack();
    void efficiencyGivenModeUsesTheFilesDesignFlow();
    void aPumpFileOfSystem5ComparesTheThrottlingValve();
    void eachMessageOfAnOpenShowsOnce_data();
    void eachMessageOfAnOpenShowsOnce();
    void anAbortedOpen();
    void aRefusedFileLeavesTheAnalysisAlone();
    void theStateAnOpenLeaves();
};

void TestAnalysisFilesOpen::aWholeAnalysisSavedAndOpened_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<UnitSettings>("units");
    QTest::addColumn<Choice>("comparison");
    QTest::addColumn<QString>("systemName");
    UnitSettings fanUnits;
    fanUnits.fanPressure = 2; // Pa
    fanUnits.fanFlow = 2;     // m3/h
    fanUnits.power = 1;       // kW
    fanUnits.currency = 2;    // €
    UnitSettings pumpUnits;
    pumpUnits.pumpPressure = 1; // ft.wg
    QTest::newRow("fan, Pa m3/h kW €, constant volume")
        << false << fanUnits << Choice::R1 << "Constant Volume System";
    QTest::newRow("fan, inlet guide vanes")
        << false << UnitSettings{} << Choice::R5 << "Inlet Guide Vane System";
    QTest::newRow("pump, ft.wg, cycling") << true << pumpUnits << Choice::R2 << "Cycling System";
    QTest::newRow("pump, throttling valve")
        << true << pumpUnits << Choice::R4 << "Throttling Valve System";
}

void TestAnalysisFilesOpen::aWholeAnalysisSavedAndOpened() {
    QFETCH(bool, pump);
    QFETCH(UnitSettings, units);
    QFETCH(Choice, comparison);
    QFETCH(QString, systemName);

    FilesSession source(units);
    if (pump)
        source.startPump();
    else
        source.startFan();
    source.type(Field::Telfor, QStringLiteral("555 0100"));
    editCurveData(source);
    source.workflow.DutyScreenClick();
    source.type(Field::A103A, QStringLiteral("50"));
    source.workflow.ESCCANCELClick();
    source.workflow.selectPage(steppage::comparison);
    source.workflow.clickChoice(comparison);
    source.type(Field::A126, QStringLiteral("1000"));
    source.type(Field::A131, QStringLiteral("500"));
    source.type(Field::OTHER1_ANU_D, QStringLiteral("Filter change, both fans")); // 24
    source.type(Field::OTHER1_INI_C, QStringLiteral("Removal of old dampers 25"));
    source.workflow.selectPage(steppage::savings);
    QCOMPARE(source.caption(Label::SystemName), systemName);
    QVERIFY(source.messages().isEmpty());
    QVERIFY(source.saveAs(QStringLiteral("analysis")));
    const QMap<QString, QString> saved = pageTexts(source);
    const EnergyResults& savedEnergy = source.analysis.results().Energy;

    // Another program run with other settings in force.
    UnitSettings other;
    other.fanPressure = 1;
    other.pumpPressure = 3;
    other.power = pump ? 1 : 0;
    FilesSession target(other);
    QVERIFY(target.files.openFile(source.path(QStringLiteral("analysis.KVX"))));
    QVERIFY(target.messages().isEmpty());
    QCOMPARE(target.workflow.screen(), Screen::StepPages);
    QCOMPARE(target.window().calcPage(), steppage::customer);
    // The results stand at once, before any page change.
    QCOMPARE(target.analysis.results().Energy.Drive.AnnualEnergy, savedEnergy.Drive.AnnualEnergy);
    QCOMPARE(target.caption(Label::DRIVETOTALKWHR), source.caption(Label::DRIVETOTALKWHR));
    QCOMPARE(target.caption(Label::TOTHOURS), source.caption(Label::TOTHOURS));
    target.workflow.selectPage(steppage::savings);
    QVERIFY(target.messages().isEmpty());
    QCOMPARE(target.window().calcPage(), steppage::savings);

    const EnergyResults& openedEnergy = target.analysis.results().Energy;
    QCOMPARE(openedEnergy.Drive.AnnualEnergy, savedEnergy.Drive.AnnualEnergy);
    QCOMPARE(target.analysis.results().Savings.PaybackYears,
             source.analysis.results().Savings.PaybackYears);
    QVERIFY(savedEnergy.Drive.AnnualEnergy > 0.0);
    const QMap<QString, QString> opened = pageTexts(target);
    // The parameter table holds single precision: a flow of 311,519.90 comes back as the
    // 311,519.91 that its stored value rounds to. Both texts must name the same stored value.
    const NumberText& numbers = target.model().numbers();
    const auto sameStoredValue = [&numbers](const QString& key, const QString& a,
                                            const QString& b) {
        const QString prefix = QStringLiteral("field ");
        const std::optional<Field> id =
            key.startsWith(prefix) ? fieldByName(key.mid(prefix.size())) : std::nullopt;
        return id && isNumericField(*id) && !a.isEmpty() && !b.isEmpty() &&
               numbers.parseSingle(a) == numbers.parseSingle(b);
    };
    QStringList differences;
    for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
        const QString& back = opened.value(it.key());
        if (back != it.value() && !sameStoredValue(it.key(), back, it.value()))
            differences << it.key() + QStringLiteral(": saved \"") + it.value() +
                               QStringLiteral("\", opened \"") + opened.value(it.key()) + u'"';
    }
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(u'\n')));
    for (const char* label : {"PAYBACKLABEL", "DRIVETOTALKWHR", "COMPARETOTALKWHR",
                              "ENERGYCOSTSAVINGS", "TOTHOURS", "DUTYTOTAL"})
        QVERIFY(!opened.value(QStringLiteral("label ") + QLatin1String(label)).isEmpty());
    QCOMPARE(target.caption(Label::SystemName), systemName);
    QVERIFY(target.window().isChecked(comparison));
}

void TestAnalysisFilesOpen::theOpenedCurveDataStands_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("afterANewAnalysis"); // opened while a new analysis waits for data
    QTest::newRow("leaving the electricity cost") << 0 << false;
    QTest::newRow("leaving the electricity cost, after a new analysis") << 0 << true;
    QTest::newRow("leaving the motor power unchanged") << 1 << false;
    QTest::newRow("leaving the drive cost") << 2 << true;
    QTest::newRow("a page change") << 3 << false;
    QTest::newRow("a page change, after a new analysis") << 3 << true;
    QTest::newRow("leaving the peak efficiency unchanged") << 4 << false;
    QTest::newRow("leaving the peak efficiency flow unchanged") << 5 << true;
    QTest::newRow("the advanced panel and back") << 6 << false;
}

void TestAnalysisFilesOpen::theOpenedCurveDataStands() {
    QFETCH(int, action);
    QFETCH(bool, afterANewAnalysis);
    FilesSession source;
    source.startFan();
    editCurveData(source);
    const QStringList edited = curveTexts(source);
    QVERIFY(source.saveAs(QStringLiteral("curve")));

    FilesSession s;
    if (afterANewAnalysis) {
        s.workflow.FanAnalysisClick();
        QVERIFY(s.window().flags().defaultsPending);
    }
    QVERIFY(s.files.openFile(source.path(QStringLiteral("curve.KVX"))));
    QCOMPARE(curveTexts(s), edited);
    const DesignMemory& memory = s.model().designMemory();
    QCOMPARE(memory.shaftPower, 50.0);
    QCOMPARE(memory.flow, s.model().number(Field::A175));
    QCOMPARE(memory.efficiency, s.model().number(Field::A174));

    switch (action) {
    case 0:
        s.type(Field::A104, QStringLiteral("0.12"));
        QCOMPARE(s.text(Field::A104), QStringLiteral("0.120"));
        break;
    case 1:
        s.type(Field::A105, s.text(Field::A105));
        break;
    case 2:
        s.type(Field::A109, QStringLiteral("16000"));
        break;
    case 3:
        s.workflow.selectPage(steppage::savings);
        QCOMPARE(s.window().calcPage(), steppage::savings);
        break;
    case 4:
        s.type(Field::A145, s.text(Field::A145));
        break;
    case 5:
        s.type(Field::A150, s.text(Field::A150));
        break;
    case 6:
        s.workflow.advancedPanel().enterAdvancedMode();
        s.workflow.advancedPanel().goBackToStep2();
        break;
    }
    QCOMPARE(curveTexts(s), edited);
    QVERIFY(s.messages().isEmpty());
}

void TestAnalysisFilesOpen::aRealDesignChangeBringsDefaultsBack() {
    FilesSession source;
    source.startFan();
    editCurveData(source);
    const QStringList edited = curveTexts(source);
    QVERIFY(source.saveAs(QStringLiteral("curve")));

    FilesSession s;
    QVERIFY(s.files.openFile(source.path(QStringLiteral("curve.KVX"))));
    s.type(Field::A122, QStringLiteral("45"));
    const NumberText& numbers = s.model().numbers();
    const double designFlow = s.model().number(Field::A153);
    QCOMPARE(s.text(Field::A175), s.text(Field::A149));
    QCOMPARE(s.text(Field::A154), numbers.FormatDecimals(2.0 * designFlow, 2));
    QCOMPARE(s.text(Field::A150), s.text(Field::A149));
    QVERIFY(curveTexts(s) != edited);
}

void TestAnalysisFilesOpen::efficiencyGivenModeUsesTheFilesDesignFlow() {
    FilesSession source;
    source.startFan();
    source.workflow.advancedPanel().enterAdvancedMode();
    source.workflow.clickChoice(Choice::LOCKA144);
    QVERIFY(source.window().isChecked(Choice::LOCKA144));
    source.workflow.selectPage(steppage::savings);
    QVERIFY(source.messages().isEmpty());
    const double savedFlow = source.analysis.results().Curve.DesignFlow;
    QVERIFY(savedFlow > 1.0);
    QVERIFY(source.saveAs(QStringLiteral("locked")));
    const QString path = source.path(QStringLiteral("locked.KVX"));
    QVERIFY(fileBytes(path).contains("[FLOWLOCK]\r\n\r\n1\r\n"));

    FilesSession s;
    QVERIFY(s.files.openFile(path));
    QVERIFY(s.window().isChecked(Choice::LOCKA144));
    const CurveState& curve = s.analysis.results().Curve;
    QVERIFY(std::abs(curve.DesignFlow - s.model().base(Field::A149, Quantity::Flow)) < 1e-9);
    QVERIFY(std::abs(curve.DesignFlow / savedFlow - 1.0) < 1e-6);
    QVERIFY(!s.window().flags().calcError);
    s.workflow.selectPage(steppage::savings);
    QVERIFY(s.messages().isEmpty());
    for (Label id : {Label::DRIVETOTALKWHR, Label::COMPARETOTALKWHR, Label::PAYBACKLABEL,
                     Label::ENERGYCOSTSAVINGS})
        QCOMPARE(s.caption(id), source.caption(id));
}

void TestAnalysisFilesOpen::aPumpFileOfSystem5ComparesTheThrottlingValve() {
    UnitSettings units;
    units.pumpPressure = 1;
    FilesSession source(units);
    source.startPump();
    QVERIFY(source.saveAs(QStringLiteral("pump")));
    const QString path = source.path(QStringLiteral("pump.KVX"));
    QVERIFY(writeBytes(path, setSectionValue(fileBytes(path), "[SYSTEM]", "5")));

    FilesSession s;
    QVERIFY(s.files.openFile(path));
    QVERIFY(s.window().isChecked(Choice::R4));
    QVERIFY(!s.window().isChecked(Choice::R5));
    QVERIFY(!s.window().choice(Choice::R5).visible);
    s.workflow.selectPage(steppage::savings);
    QVERIFY(s.messages().isEmpty());
    QCOMPARE(s.caption(Label::SystemName), QStringLiteral("Throttling Valve System"));
    const double damper = s.analysis.results().Energy.Damper.AnnualEnergy;
    QVERIFY(damper > s.analysis.results().Energy.Drive.AnnualEnergy);
    QCOMPARE(s.caption(Label::COMPARETOTALKWHR), s.model().numbers().FormatGrouped(damper));

    // The hand-written pump file of the reader's tests opens the same way.
    FilesSession fixtureRun;
    QVERIFY(fixtureRun.files.openFile(fixturePath("pump_bar_ls_system5.KVX")));
    QVERIFY(fixtureRun.window().isChecked(Choice::R4));
    QCOMPARE(fixtureRun.text(Field::QNUM), QStringLiteral("Chilled water pump P2"));
}

void TestAnalysisFilesOpen::eachMessageOfAnOpenShowsOnce_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text"); // the beginning of the message
    QTest::addColumn<int>("beeps");
    QTest::newRow("out-of-range value")
        << QByteArray("P001=A1-01=30;") << "Hours per day out of range!" << 0;
    QTest::newRow("unknown tag") << QByteArray("P004=A1-99=0.25;") << "Parameter in file not found!"
                                 << 0;
    QTest::newRow("line number beyond the table")
        << QByteArray("P077=A1-04=0.25;") << "Line/Parameter # out of range!" << 0;
    QTest::newRow("error in a line")
        << QByteArray("P000=A1-04=0.25;") << "Error in line : 75 !" << 1;
}

void TestAnalysisFilesOpen::eachMessageOfAnOpenShowsOnce() {
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    FilesSession source;
    source.startFan();
    QVERIFY(source.saveAs(QStringLiteral("plant")));
    const QString path = source.path(QStringLiteral("plant.KVX"));
    QVERIFY(writeBytes(path, editLines(fileBytes(path), "[DATA QEFS]", line, true)));

    FilesSession s;
    s.prompter.queueAnswer(PromptAnswer::Yes); // go on
    QVERIFY(s.files.openFile(path));
    QCOMPARE(s.prompter.messages().size(), 1);
    QVERIFY2(s.lastMessage().startsWith(text), qPrintable(s.lastMessage()));
    QCOMPARE(s.prompter.beeps(), beeps);
    QCOMPARE(s.files.currentFile(), path);
    // The valid line of the slot stands.
    QCOMPARE(s.text(Field::A101), source.text(Field::A101));
    QCOMPARE(s.text(Field::A104), source.text(Field::A104));
}

void TestAnalysisFilesOpen::anAbortedOpen() {
    FilesSession source;
    source.startFan();
    QVERIFY(source.saveAs(QStringLiteral("plant")));
    const QString path = source.path(QStringLiteral("plant.KVX"));
    QVERIFY(writeBytes(path, editLines(fileBytes(path), "[DATA QEFS]", "P004=A1-99=0.25;", true)));

    FilesSession s;
    s.prompter.queueAnswer(PromptAnswer::Cancel); // Abort
    QVERIFY(!s.files.openFile(path));
    QCOMPARE(s.prompter.messages().size(), 1);
    QVERIFY(s.files.currentFile().isEmpty());
    QCOMPARE(s.files.recentFiles(), QStringList(4, QString()));
    QVERIFY(s.files.reopenEntries().isEmpty());
}

void TestAnalysisFilesOpen::aRefusedFileLeavesTheAnalysisAlone() {
    FilesSession source;
    source.startFan();
    QVERIFY(source.saveAs(QStringLiteral("plant")));
    const QString path = source.path(QStringLiteral("plant.KVX"));
    QVERIFY(writeBytes(path, setSectionValue(fileBytes(path), "[CURVE]", {})));

    FilesSession s;
    UnitSettings pumpUnits;
    pumpUnits.pumpPressure = 1;
    s.model().setUnits(pumpUnits);
    s.startPump();
    s.prompter.clear();
    const QStringList before = textsOf(s, {Field::QNUM, Field::A120, Field::A122, Field::A175});
    s.prompter.queueAnswer(PromptAnswer::No); // not saved
    QVERIFY(!s.files.openFile(path));
    QCOMPARE(s.messages(), (QStringList{"IDS_38", "IDS_10"}));
    QCOMPARE(s.lastMessage(), QStringLiteral("Curve Information is Missing or Incorrect! "
                                             "Unable to load this file."));
    QCOMPARE(s.model().application(), Application::Pump);
    QCOMPARE(s.model().units().pumpPressure, 1);
    QCOMPARE(textsOf(s, {Field::QNUM, Field::A120, Field::A122, Field::A175}), before);
    QVERIFY(s.files.currentFile().isEmpty());
    QVERIFY(s.files.reopenEntries().isEmpty());

    // Still modified: the question comes again before the next open.
    s.prompter.queueAnswer(PromptAnswer::No);
    QVERIFY(!s.files.openFile(source.path(QStringLiteral("missing.KVX"))));
    QCOMPARE(s.lastMessage(), QStringLiteral("FILE ERROR !"));
}

void TestAnalysisFilesOpen::theStateAnOpenLeaves() {
    FilesSession source;
    source.startFan(QString());
    QVERIFY(source.saveAs(QStringLiteral("plain")));
    source.workflow.CloseStep1Click();
    source.startFan(QStringLiteral("Fan house"));
    source.workflow.clickChoice(Choice::S2);
    source.workflow.advancedPanel().enterAdvancedMode();
    source.workflow.clickChoice(Choice::HORIZ); // unticked
    source.workflow.advancedPanel().goBackToStep2();
    source.type(Field::OTHER1_INI_C, QStringLiteral("Crane"));
    source.type(Field::Companyfor, QStringLiteral("Maple Dairy"));
    QVERIFY(source.saveAs(QStringLiteral("fan")));
    QVERIFY(source.messages().isEmpty());

    // A pump analysis is running, its two-speed panel and duty cycle open.
    FilesSession s;
    s.startPump();
    s.workflow.selectPage(steppage::comparison);
    s.workflow.Motor_2_Speed_DataClick();
    QVERIFY(s.visible(Panel::TwoSpeedMotorPanel));
    s.prompter.queueAnswer(PromptAnswer::No);
    QVERIFY(s.files.openFile(source.path(QStringLiteral("fan.KVX"))));

    QCOMPARE(s.model().application(), Application::Fan);
    QCOMPARE(s.workflow.screen(), Screen::StepPages);
    QCOMPARE(s.window().calcPage(), steppage::customer);
    QCOMPARE(s.workflow.windowCaption(),
             QStringLiteral("Orvek Wattmere Fan Application > Project: Fan house"));
    QCOMPARE(s.text(Field::QNUM), QStringLiteral("Fan house"));
    QCOMPARE(s.text(Field::QNUM1), QStringLiteral("Fan house"));
    QVERIFY(!s.modified());
    QVERIFY(s.visible(Panel::Step2));
    for (Panel hidden : {Panel::DutyCyclePanel, Panel::FanAdvanced, Panel::ADVANCEDGRAPH,
                         Panel::TwoSpeedMotorPanel})
        QVERIFY(!s.visible(hidden));
    QVERIFY(s.window().isChecked(Choice::S2));
    QVERIFY(!s.window().field(Field::A174).enabled);
    QVERIFY(s.window().field(Field::A175).enabled);
    QVERIFY(!s.window().isChecked(Choice::HORIZ));
    QVERIFY(s.window().isChecked(Choice::R5));
    QVERIFY(s.window().choice(Choice::R5).visible);
    QCOMPARE(s.window().choice(Choice::R4).caption, QStringLiteral("Outlet Dampers"));
    QCOMPARE(s.text(Field::OTHER1_INI_C), QStringLiteral("Crane"));
    QCOMPARE(s.text(Field::Companyfor), QStringLiteral("Maple Dairy"));
    QCOMPARE(s.text(Field::A175), s.text(Field::A149));
    QCOMPARE(s.text(Field::A174), s.text(Field::A144));
    QVERIFY(s.analysis.results().Energy.Drive.AnnualEnergy > 0.0);

    // A second file without a project name and without those texts leaves none of the first.
    QVERIFY(s.files.openFile(source.path(QStringLiteral("plain.KVX"))));
    QCOMPARE(s.text(Field::QNUM), QString());
    QCOMPARE(s.text(Field::QNUM1), QString());
    QCOMPARE(s.text(Field::OTHER1_INI_C), QString());
    QCOMPARE(s.text(Field::Companyfor), QStringLiteral("Acme Foods"));
    QVERIFY(s.window().isChecked(Choice::S1));
    QVERIFY(s.window().isChecked(Choice::HORIZ));
    QCOMPARE(s.workflow.windowCaption(),
             QStringLiteral("Orvek Wattmere Fan Application > Project: "));
    QCOMPARE(s.files.reopenEntries(), (QStringList{source.path(QStringLiteral("plain.KVX")),
                                                   source.path(QStringLiteral("fan.KVX"))}));
}

QTEST_GUILESS_MAIN(TestAnalysisFilesOpen)
#include "tst_analysisfilesopen.moc"
