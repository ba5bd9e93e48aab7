// The reader on a running analysis: Probe learns the units and leaves the analysis alone,
// Apply fills the live table and the window, parameter lines are checked against the table
// with the common table's messages, a question answered with Abort ends the read, and one open
// shows each message once although it reads the file several times.

#include "FileFixtures.h"
#include "files/AnalysisFileParser.h"

#include <QTest>

using namespace wattmere;
using namespace wattmere::testing;

namespace {

// Everything of the analysis that Probe must not change.
struct Snapshot {
    QList<ParameterRecord> live;
    QList<ParameterRecord> shadow;
    QStringList texts;
    QList<bool> checked;

    explicit Snapshot(const AnalysisModel& model) {
        const ParameterRegistry& registry = model.registry();
        for (int slot = 1; slot <= registry.count(); ++slot) {
            live.append(*registry.live(slot));
            shadow.append(*registry.shadow(slot));
        }
        for (int i = 0; i < countOf<Field>(); ++i)
            texts.append(model.window().text(static_cast<Field>(i)));
        for (int i = 0; i < countOf<Choice>(); ++i)
            checked.append(model.window().isChecked(static_cast<Choice>(i)));
    }
    bool operator==(const Snapshot&) const = default;
};

const QByteArray fanLine1 = "P001=A1-01=16;                   Hours per day";
const QByteArray fanLine4 = "P004=A1-04=0.125;         ct     Electricity cost";

// The line counter of a line that follows the given line in the fan fixture.
int lineAfter(const QByteArray& bytes, const QByteArray& line) {
    return int(bytes.split('\n').indexOf(line + '\r')) + 2;
}

} // namespace

class TestAnalysisFileReader : public QObject {
    Q_OBJECT
private slots:
    void probeLearnsTheUnitsAndLeavesTheAnalysisAlone();
    void probeOfAUserDefinedCurrencyTakesItsText();
    void aRefusedProbeChangesNothing_data();
    void aRefusedProbeChangesNothing();
    void applyFillsTheTableAndTheWindow();
    void comparisonSystem_data();
    void comparisonSystem();
    void outOfRangeValues_data();
    void outOfRangeValues();
    void lineMessages_data();
    void lineMessages();
    void abortEndsTheReadAndKeepsWhatWasApplied();
    void oneOpenShowsEachMessageOnce();
    void olderLayoutHoldsTheCostInHundredths();
    void aRefusedFileOfTheOlderLayoutIsStillApplied();
    void efficiencyModeKeepsTheFilesDesignFlow();
    void aSecondFileLeavesNoTextOfTheFirst();
    void selectionAndProjectNameStayWhenAFileHasNone();
    void horizontalIsSetWhileLoading();
    void readingFromAPath();
};

void TestAnalysisFileReader::probeLearnsTheUnitsAndLeavesTheAnalysisAlone() {
    ModelSession session(Application::Fan, makeUnits(0, 0, 3, 1, 0, 0, QStringLiteral("ab")));
    session.slot(1).currentValue = 9.0f;
    session.model.window().setText(Field::PREPFOR, QStringLiteral("kept"));
    session.model.window().setChecked(Choice::R2, true);
    const Snapshot before(session.model);

    ReaderMessages messages(session.prompter);
    QVERIFY(session.reader.read(fixture("fan_pa_m3h_euro.KVX"), ReadMode::Probe, messages));
    QVERIFY(Snapshot(session.model) == before);
    QCOMPARE(session.model.application(), Application::Fan);
    // The file's fan units, power and currency; the pump units and the user's own currency
    // text stay.
    QCOMPARE(session.model.units(), makeUnits(2, 2, 3, 1, 1, 2, QStringLiteral("ab")));
    QCOMPARE(session.reader.applicationCode(), 1);
    QCOMPARE(session.reader.systemDataSelection(), 2);
    QVERIFY(session.reader.systemDataSelectionRead());
    QCOMPARE(session.reader.projectName(), QStringLiteral("Hall B – supply fan 7"));
    QVERIFY(!session.reader.aborted());
    QVERIFY(session.prompter.messages().isEmpty());
}

void TestAnalysisFileReader::probeOfAUserDefinedCurrencyTakesItsText() {
    ModelSession session(Application::Fan, makeUnits(1, 1, 0, 0, 0, 0, QStringLiteral("ab")));
    ReaderMessages messages(session.prompter);
    QVERIFY(session.reader.read(fixture("pump_bar_ls_system5.KVX"), ReadMode::Probe, messages));
    QCOMPARE(session.model.units(), makeUnits(1, 1, 5, 3, 0, 3, QStringLiteral("CHF")));
    QCOMPARE(currencySymbol(session.model.units()), QStringLiteral("CHF"));
}

void TestAnalysisFileReader::aRefusedProbeChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("text");
    const QByteArray fan = fixture("fan_pa_m3h_euro.KVX");
    QTest::newRow("application") << setSectionValue(fan, "[APPLICATION]", {}) << "IDS_9"
                                 << "Application Information is Missing or Incorrect! Unable to "
                                    "load this file.";
    QTest::newRow("curve") << setSectionValue(fan, "[CURVE]", {}) << "IDS_10"
                           << "Curve Information is Missing or Incorrect! Unable to load this "
                              "file.";
    QTest::newRow("pressure") << setSectionValue(fan, "[PRESSURE]", "7") << "IDS_11"
                              << "Pressure Unit Information is Missing or Incorrect! Unable to "
                                 "load this file.";
    QTest::newRow("flow") << setSectionValue(fan, "[FLOW]", {}) << "IDS_12"
                          << "Flow Unit Information is Missing or Incorrect! Unable to load this "
                             "file.";
    QTest::newRow("power") << setSectionValue(fan, "[POWER]", {}) << "IDS_13"
                           << "Power Unit Information is Missing or Incorrect! Unable to load "
                              "this file.";
    QTest::newRow("currency") << setSectionValue(fan, "[CURRENCY]", {}) << "IDS_14"
                              << "Currency Information is Missing or Incorrect! Unable to load "
                                 "this file.";
}

void TestAnalysisFileReader::aRefusedProbeChangesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, id);
    QFETCH(QString, text);
    ModelSession session(Application::Pump, makeUnits(1, 1, 1, 1, 0, 0));
    const Snapshot before(session.model);
    ReaderMessages messages(session.prompter);
    QVERIFY(!session.reader.read(bytes, ReadMode::Probe, messages));
    QCOMPARE(session.prompter.messages().size(), 1);
    const PromptMessage& message = session.prompter.messages().first();
    QCOMPARE(message.kind, PromptKind::Error);
    QCOMPARE(message.buttons, PromptButtons::Ok);
    QCOMPARE(message.id, id);
    QCOMPARE(message.text, text);
    QCOMPARE(session.model.units(), makeUnits(1, 1, 1, 1, 0, 0));
    QVERIFY(Snapshot(session.model) == before);
}

void TestAnalysisFileReader::applyFillsTheTableAndTheWindow() {
    ModelSession session;
    QVERIFY(session.open(fixture("fan_pa_m3h_euro.KVX")));
    QVERIFY(session.prompter.messages().isEmpty());
    const std::pair<int, float> values[] = {
        {1, 16.0f},    {2, 5.0f},    {3, 50.0f},     {4, 0.125f},  {5, 75.0f},
        {9, 22000.0f}, {10, 101.0f}, {20, 1250.0f},  {21, 250.0f}, {22, 60.0f},
        {26, 1500.0f}, {44, 78.5f},  {49, 85000.0f}, {74, 78.5f},  {75, 85000.0f}};
    for (const auto& [slot, value] : values)
        QCOMPARE(session.slot(slot).currentValue, value);
    // Slots the file does not name keep the defaults of the file's units.
    QCOMPARE(session.slot(6).currentValue, session.slot(6).defaultValue);
    QCOMPARE(session.slot(55).unitText, QStringLiteral("Pa"));
    QCOMPARE(session.slot(55).currentValue, session.slot(55).defaultValue);

    const WindowState& window = session.model.window();
    QVERIFY(window.isChecked(Choice::LOCKA144));
    QVERIFY(!window.isChecked(Choice::LOCKA149));
    QVERIFY(window.isChecked(Choice::R3));
    QVERIFY(!window.isChecked(Choice::HORIZ));
    QVERIFY(!window.flags().loading);
    QCOMPARE(window.text(Field::PREPFOR), QStringLiteral("Jürgen Müller"));
    QCOMPARE(window.text(Field::AddressFor2), QString());
    QCOMPARE(window.text(Field::ZipFor), QStringLiteral("80331 München"));
    QCOMPARE(window.text(Field::EmailFor), QStringLiteral("j.mueller@example.de"));
    QCOMPARE(window.text(Field::OTHER1_INI_C), QStringLiteral("Removal of old dampers 25"));
    QCOMPARE(window.text(Field::OTHER2_INI_C), QStringLiteral("Crane €"));
    QCOMPARE(window.text(Field::OTHER2_INI_D), QStringLiteral("Cabling for 2 drives (£)"));
    QCOMPARE(window.text(Field::OTHER3_ANU_C), QStringLiteral("Löschung"));
    QCOMPARE(window.text(Field::OTHER1_ANU_D), QStringLiteral("Service contract"));
    QCOMPARE(window.text(Field::OTHER2_ANU_D), QStringLiteral("Filters  "));
    QCOMPARE(window.text(Field::OTHER3_ANU_D), QStringLiteral("Spare parts"));
    // The known-value selection and the project name are for the open to apply: the window
    // keeps its own (S1 by design).
    QCOMPARE(window.checkedIn(ChoiceGroup::KnownValue), std::optional<Choice>(Choice::S1));
    QCOMPARE(window.text(Field::QNUM), QString());
}

void TestAnalysisFileReader::comparisonSystem_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("system");
    QTest::addColumn<int>("choice");
    QTest::newRow("fan 5: inlet guide vanes")
        << QByteArray("fan_pa_m3h_euro.KVX") << QByteArray("5") << int(Choice::R5);
    QTest::newRow("fan 1: constant volume")
        << QByteArray("fan_pa_m3h_euro.KVX") << QByteArray("1") << int(Choice::R1);
    // A pump has no inlet guide vanes: a file naming them selects the throttling valve, as a
    // new pump analysis does.
    QTest::newRow("pump 5: throttling valve")
        << QByteArray("pump_bar_ls_system5.KVX") << QByteArray("5") << int(Choice::R4);
    QTest::newRow("pump 4: throttling valve")
        << QByteArray("pump_bar_ls_system5.KVX") << QByteArray("4") << int(Choice::R4);
    QTest::newRow("pump 2: cycling")
        << QByteArray("pump_bar_ls_system5.KVX") << QByteArray("2") << int(Choice::R2);
}

void TestAnalysisFileReader::comparisonSystem() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, system);
    QFETCH(int, choice);
    ModelSession session;
    session.model.window().setChecked(Choice::R3, true);
    QVERIFY(session.open(setSectionValue(fixture(file.constData()), "[SYSTEM]", system)));
    QCOMPARE(session.model.window().checkedIn(ChoiceGroup::Comparison),
             static_cast<Choice>(choice));
}

void TestAnalysisFileReader::outOfRangeValues_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("notation");
    QTest::addColumn<int>("slot");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("one unit above the maximum is taken")
        << QByteArray("P001=A1-01=25;") << 1 << 1 << 25.0f << QString();
    QTest::newRow("more than one unit above is refused")
        << QByteArray("P001=A1-01=25.5;") << 1 << 1 << 16.0f
        << "Hours per day out of range!\n\nMinimum: 1.00\nMaximum: 24.00\n\nContinue?";
    QTest::newRow("percentage 101 is taken")
        << QByteArray("P010=A1-10=101;") << 1 << 10 << 101.0f << QString();
    QTest::newRow("percentage 101.5 is refused")
        << QByteArray("P010=A1-10=101.5;") << 1 << 10 << 101.0f
        << "% Time @ 100% out of range!\n\nMinimum: 0.00\nMaximum: 100.00\n\nContinue?";
    QTest::newRow("below the minimum") << QByteArray("P001=A1-01=0.5;") << 1 << 1 << 16.0f
                                       << "Hours per day out of range!\n\nMinimum: 1.00\nMaximum: "
                                          "24.00\n\nContinue?";
    QTest::newRow("limits in the user's notation")
        << QByteArray("P009=A1-09=200000000;") << 2 << 9 << 22000.0f
        << "Drive Cost out of range!\n\nMinimum: 0,00\nMaximum: 100.000.000,00\n\nContinue?";
    QTest::newRow("negative value") << QByteArray("P026=A1-26=-1;") << 1 << 26 << 1500.0f
                                    << "Installation CI out of range!\n\nMinimum: 0.00\nMaximum: "
                                       "1,000,000.00\n\nContinue?";
}

void TestAnalysisFileReader::outOfRangeValues() {
    QFETCH(QByteArray, line);
    QFETCH(int, notation);
    QFETCH(int, slot);
    QFETCH(float, value);
    QFETCH(QString, message);
    ModelSession session(Application::None, {}, notation);
    session.prompter.queueAnswer(PromptAnswer::Yes);
    // The line follows the file's own line for the slot, so a refused value leaves that one.
    const QByteArray bytes =
        editLines(fixture("fan_pa_m3h_euro.KVX"),
                  "P026=A1-26=1500;          $      Installation CI", line, true);
    QVERIFY(session.open(bytes));
    QCOMPARE(session.slot(slot).currentValue, value);
    if (message.isEmpty()) {
        QVERIFY(session.prompter.messages().isEmpty());
        return;
    }
    QCOMPARE(session.prompter.messages().size(), 1);
    const PromptMessage& shown = session.prompter.messages().first();
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.kind, PromptKind::Error);
    QCOMPARE(shown.buttons, PromptButtons::YesCancel);
}

void TestAnalysisFileReader::lineMessages_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("message"); // "%1" stands for the line counter
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<int>("slot");
    QTest::addColumn<float>("value");
    QTest::newRow("line number beyond the table")
        << QByteArray("P077=A1-04=0.25;") << "Line/Parameter # out of range!\nContinue?"
        << int(PromptKind::Confirmation) << 0 << 4 << 0.125f;
    QTest::newRow("unknown tag") << QByteArray("P004=A1-99=0.25;")
                                 << "Parameter in file not found!\nContinue?"
                                 << int(PromptKind::Error) << 0 << 4 << 0.125f;
    QTest::newRow("line number 0") << QByteArray("P000=A1-04=0.25;") << "Error in line : %1 !"
                                   << int(PromptKind::Confirmation) << 1 << 4 << 0.125f;
    QTest::newRow("blank before the semicolon")
        << QByteArray("P004=A1-04=0.25 ;") << "Error in line : %1 !"
        << int(PromptKind::Confirmation) << 1 << 4 << 0.125f;
    QTest::newRow("the tag decides, not the line number")
        << QByteArray("P012=A1-04=0.25;") << QString() << 0 << 0 << 4 << 0.25f;
    QTest::newRow("not a parameter line")
        << QByteArray("P004=B1-04=0.25;") << QString() << 0 << 0 << 4 << 0.125f;
}

void TestAnalysisFileReader::lineMessages() {
    QFETCH(QByteArray, line);
    QFETCH(QString, message);
    QFETCH(int, kind);
    QFETCH(int, beeps);
    QFETCH(int, slot);
    QFETCH(float, value);
    ModelSession session;
    session.prompter.queueAnswer(PromptAnswer::Yes);
    const QByteArray fan = fixture("fan_pa_m3h_euro.KVX");
    const QByteArray bytes = editLines(fan, fanLine4, line, true);
    QVERIFY(session.open(bytes));
    QCOMPARE(session.slot(slot).currentValue, value);
    QCOMPARE(session.prompter.beeps(), beeps);
    if (message.isEmpty()) {
        QVERIFY(session.prompter.messages().isEmpty());
        return;
    }
    QCOMPARE(session.prompter.messages().size(), 1);
    const PromptMessage& shown = session.prompter.messages().first();
    QCOMPARE(shown.text, message.arg(lineAfter(fan, fanLine4)));
    QCOMPARE(int(shown.kind), kind);
    QCOMPARE(shown.buttons, PromptButtons::YesCancel);
    // The lines after it were read.
    QCOMPARE(session.slot(75).currentValue, 85000.0f);
}

void TestAnalysisFileReader::abortEndsTheReadAndKeepsWhatWasApplied() {
    ModelSession session(Application::Fan, makeUnits(2, 2, 0, 0, 1, 2));
    session.prompter.queueAnswer(PromptAnswer::Cancel);
    const QByteArray bytes =
        editLines(fixture("fan_pa_m3h_euro.KVX"), fanLine4, "P005=A1-05=9999;", true);
    ReaderMessages messages(session.prompter);
    QVERIFY(!session.reader.read(bytes, ReadMode::Apply, messages));
    QVERIFY(session.reader.aborted());
    QCOMPARE(session.slot(4).currentValue, 0.125f);
    QCOMPARE(session.slot(5).currentValue, session.slot(5).defaultValue);
    QCOMPARE(session.slot(20).currentValue, session.slot(20).defaultValue);
    // No end-of-file check and no completion: nothing else asked, the window untouched.
    QCOMPARE(session.prompter.messages().size(), 1);
    QVERIFY(!session.model.window().isChecked(Choice::LOCKA144));
    QCOMPARE(session.model.window().text(Field::PREPFOR), QString());

    // Cancel on a malformed line aborts a probe as well.
    session.prompter.queueAnswer(PromptAnswer::Cancel);
    const QByteArray malformed =
        editLines(fixture("fan_pa_m3h_euro.KVX"), fanLine4, "P004=A1-04=x;", true);
    ReaderMessages second(session.prompter);
    QVERIFY(!session.reader.read(malformed, ReadMode::Probe, second));
    QVERIFY(session.reader.aborted());
    QCOMPARE(session.model.units(), makeUnits(2, 2, 0, 0, 1, 2));
}

void TestAnalysisFileReader::oneOpenShowsEachMessageOnce() {
    QByteArray bytes = fixture("fan_pa_m3h_euro.KVX");
    bytes = editLines(bytes, fanLine1, "P001=A1-01=30;", true);
    bytes = editLines(bytes, fanLine4, "P004=A1-04=;", true);
    bytes = editLines(bytes, fanLine4, "P004=A1-98=1;", true);
    bytes = editLines(bytes, fanLine1, "P001=A1-97=1;", true);

    // The open reads the file once to probe and three times to apply.
    ModelSession session(Application::None);
    for (int i = 0; i < 4; ++i)
        session.prompter.queueAnswer(PromptAnswer::Yes);
    ReaderMessages messages(session.prompter);
    QVERIFY(session.reader.read(bytes, ReadMode::Probe, messages));
    session.model.setApplication(Application::Fan);
    for (int read = 0; read < 3; ++read) {
        session.model.defineParameterTable(true);
        QVERIFY(session.reader.read(bytes, ReadMode::Apply, messages));
    }
    // The malformed line (asked while probing already), the value out of range and the two
    // unknown tags on their own lines: four messages, each once.
    QCOMPARE(session.prompter.messages().size(), 4);
    QCOMPARE(session.prompter.beeps(), 1);
    QCOMPARE(messages.shown().size(), 4);
    QList<int> lines;
    for (const ReaderMessages::Entry& entry : messages.shown()) {
        lines.append(entry.line);
        QCOMPARE(entry.answer, PromptAnswer::Yes);
    }
    QCOMPARE(QSet<int>(lines.begin(), lines.end()).size(), 4);
    QVERIFY(!lines.contains(0));
    QCOMPARE(session.slot(1).currentValue, 16.0f);

    // Read without a shared record of the messages, each Apply read asks again.
    ModelSession plain(Application::Fan, makeUnits(2, 2, 0, 0, 1, 2));
    for (int i = 0; i < 12; ++i)
        plain.prompter.queueAnswer(PromptAnswer::Yes);
    for (int read = 0; read < 3; ++read) {
        ReaderMessages own(plain.prompter);
        QVERIFY(plain.reader.read(bytes, ReadMode::Apply, own));
    }
    QCOMPARE(plain.prompter.messages().size(), 12);
}

void TestAnalysisFileReader::olderLayoutHoldsTheCostInHundredths() {
    ModelSession session(Application::Pump, makeUnits(2, 3, 4, 2, 1, 2));
    QVERIFY(session.open(fixture("older_units_fan.KVX")));
    QCOMPARE(session.model.application(), Application::Fan);
    QCOMPARE(session.model.units(), makeUnits(0, 0, 4, 2, 0, 0));
    QCOMPARE(session.slot(4).currentValue, 8.5f / 100.0f);
    QCOMPARE(session.slot(1).currentValue, 20.0f);
    QCOMPARE(session.slot(20).currentValue, 3.5f);
    QCOMPARE(session.slot(20).unitText, QStringLiteral("in.wg"));
    QVERIFY(session.model.window().isChecked(Choice::R4));
    QVERIFY(session.model.window().isChecked(Choice::LOCKA149));
    QVERIFY(!session.reader.systemDataSelectionRead());
}

void TestAnalysisFileReader::aRefusedFileOfTheOlderLayoutIsStillApplied() {
    ModelSession session(Application::Fan);
    const QByteArray bytes = setSectionValue(fixture("older_units_fan.KVX"), "[CURVE]", {});
    ReaderMessages messages(session.prompter);
    QVERIFY(!session.reader.read(bytes, ReadMode::Apply, messages));
    QCOMPARE(session.prompter.messageIds(), QStringList{"IDS_10"});
    QCOMPARE(session.slot(4).currentValue, 0.085f);
    QVERIFY(session.model.window().isChecked(Choice::R4));
}

void TestAnalysisFileReader::efficiencyModeKeepsTheFilesDesignFlow() {
    ModelSession session;
    const QByteArray fan = fixture("fan_pa_m3h_euro.KVX");
    QVERIFY(session.open(fan));
    QVERIFY(session.model.window().isChecked(Choice::LOCKA144));
    const std::optional<double> designFlow =
        designFlowOfEfficiencyMode(session.model, session.reader.contents());
    QVERIFY(designFlow);
    QCOMPARE(*designFlow, session.model.toBaseUnits(Quantity::Flow, 85000.0));
    QVERIFY(*designFlow > 40000.0 && *designFlow < 60000.0); // 85,000 m³/h in cfm

    ModelSession flowGiven;
    QVERIFY(flowGiven.open(setSectionValue(fan, "[FLOWLOCK]", "0")));
    QVERIFY(flowGiven.model.window().isChecked(Choice::LOCKA149));
    QCOMPARE(designFlowOfEfficiencyMode(flowGiven.model, flowGiven.reader.contents()),
             std::nullopt);
}

void TestAnalysisFileReader::aSecondFileLeavesNoTextOfTheFirst() {
    ModelSession session;
    QVERIFY(session.open(fixture("fan_pa_m3h_euro.KVX")));
    QVERIFY(session.open(fixture("pump_bar_ls_system5.KVX")));
    const WindowState& window = session.model.window();
    QCOMPARE(window.text(Field::PREPFOR), QStringLiteral("Anna Keller"));
    for (Field id : customerFields) {
        if (id != Field::PREPFOR)
            QCOMPARE(window.text(id), QString());
    }
    for (Field id : costDescriptionFields)
        QCOMPARE(window.text(id), QString());
    QVERIFY(window.isChecked(Choice::HORIZ));
    QVERIFY(window.isChecked(Choice::LOCKA149));
}

void TestAnalysisFileReader::selectionAndProjectNameStayWhenAFileHasNone() {
    ModelSession session;
    QVERIFY(session.open(fixture("fan_pa_m3h_euro.KVX")));
    QCOMPARE(session.reader.systemDataSelection(), 2);
    ReaderMessages messages(session.prompter);
    QVERIFY(session.reader.read(fixture("older_units_fan.KVX"), ReadMode::Probe, messages));
    QCOMPARE(session.reader.systemDataSelection(), 2);
    QVERIFY(!session.reader.systemDataSelectionRead());
    QCOMPARE(session.reader.projectName(), QStringLiteral("Old plant"));

    const QByteArray unnamed =
        setSectionValue(fixture("older_units_fan.KVX"), "[PROJECT NAME]", {});
    session.reader.clearProjectName();
    QVERIFY(session.reader.read(unnamed, ReadMode::Apply, messages));
    QCOMPARE(session.reader.projectName(), QString());
    QVERIFY(session.reader.read(fixture("older_units_fan.KVX"), ReadMode::Apply, messages));
    QVERIFY(session.reader.read(unnamed, ReadMode::Apply, messages));
    QCOMPARE(session.reader.projectName(), QStringLiteral("Old plant"));
}

void TestAnalysisFileReader::horizontalIsSetWhileLoading() {
    ModelSession session;
    QList<bool> loadingWhenChanged;
    WindowState& window = session.model.window();
    connect(&window, &WindowState::choiceChanged, this, [&](Choice id) {
        if (id == Choice::HORIZ)
            loadingWhenChanged.append(window.flags().loading);
    });
    QVERIFY(window.isChecked(Choice::HORIZ));
    QVERIFY(session.open(fixture("fan_pa_m3h_euro.KVX")));
    QCOMPARE(loadingWhenChanged, QList<bool>{true});
    QVERIFY(!window.flags().loading);
}

void TestAnalysisFileReader::readingFromAPath() {
    ModelSession session(Application::Fan);
    ReaderMessages messages(session.prompter);
    QVERIFY(session.reader.ReadAnalysisFile(fixturePath("pump_bar_ls_system5.KVX"), ReadMode::Probe,
                                            messages));
    QCOMPARE(session.reader.applicationCode(), 2);
    QVERIFY(!session.reader.ReadAnalysisFile(fixturePath("no such file.KVX"), ReadMode::Probe,
                                             messages));
    QCOMPARE(session.prompter.messages().size(), 1);
    QCOMPARE(session.prompter.messages().first().text, QStringLiteral("FILE ERROR !"));
    QCOMPARE(session.prompter.messages().first().kind, PromptKind::Warning);
    QCOMPARE(session.reader.applicationCode(), 2);
}

QTEST_GUILESS_MAIN(TestAnalysisFileReader)
#include "tst_analysisfilereader.moc"
