// The reading of a file without an analysis: the parameter line rule, the sections and their
// value lines, the free-text sections, the older layout, and the checks that refuse a file.

#include "FileFixtures.h"
#include "files/AnalysisFileParser.h"

#include <QBuffer>
#include <QTest>

using namespace wattmere;
using namespace wattmere::testing;

Q_DECLARE_METATYPE(wattmere::ParameterLineKind)

class TestAnalysisFileParser : public QObject {
    Q_OBJECT
private slots:
    void parameterLineRule_data();
    void parameterLineRule();
    void fanFileSections();
    void freeTextSectionsKeepTheirLinesAsWritten();
    void pumpFileSections();
    void titlesWithBlanksAndLinesThatAreNoValue();
    void valueLines_data();
    void valueLines();
    void olderLayout();
    void refusals_data();
    void refusals();
    void customerLinesAreCountedAndCut();
    void linesEndWithLfOrCrLf();
    void aVeryLongLineIsJudgedByItsBeginning();
};

void TestAnalysisFileParser::parameterLineRule_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<ParameterLineKind>("kind");
    QTest::addColumn<int>("lineNumber");
    QTest::addColumn<int>("order");
    QTest::addColumn<double>("value");
    const auto parameter = ParameterLineKind::Parameter;
    const auto malformed = ParameterLineKind::Malformed;
    const auto none = ParameterLineKind::NotParameter;
    QTest::newRow("as written") << "P004=A1-04=0.100;         ct     Electricity cost" << parameter
                                << 4 << 4 << 0.1;
    QTest::newRow("tag over line number") << "P012=A1-04=0.25;" << parameter << 12 << 4 << 0.25;
    QTest::newRow("line number beyond the table")
        << "P077=A1-04=0.25;" << parameter << 77 << 4 << 0.25;
    QTest::newRow("comma ends the line number") << "P4,xxA1-04=7;" << parameter << 4 << 4 << 7.0;
    QTest::newRow("colon after three digits") << "P004:A1-04=7;" << parameter << 4 << 4 << 7.0;
    QTest::newRow("negative value") << "P020=A1-20=-1.5;" << parameter << 20 << 20 << -1.5;
    QTest::newRow("nothing after the semicolon") << "P001=A1-01=1;" << parameter << 1 << 1 << 1.0;
    QTest::newRow("line number 0") << "P000=A1-04=0.25;" << malformed << 0 << 4 << 0.0;
    QTest::newRow("letter in the line number") << "P0O4=A1-04=0.25;" << malformed << 0 << 4 << 0.0;
    QTest::newRow("no separator by character 5")
        << "P0004A1-04=0.25;" << malformed << 0 << 4 << 0.0;
    QTest::newRow("blank before the semicolon")
        << "P004=A1-04=0.25 ;" << malformed << 0 << 4 << 0.0;
    // The value starts at character 12: 18 characters end with ";" at character 30.
    QTest::newRow("semicolon at character 30")
        << "P004=A1-04=" + QString(17, u'0') + "1;  x" << parameter << 4 << 4 << 1.0;
    QTest::newRow("semicolon at character 31")
        << "P004=A1-04=" + QString(18, u'0') + "1;  x" << malformed << 0 << 4 << 0.0;
    QTest::newRow("no semicolon") << "P004=A1-04=0.25" << malformed << 0 << 4 << 0.0;
    QTest::newRow("empty value") << "P004=A1-04=;   x" << malformed << 0 << 4 << 0.0;
    QTest::newRow("not a number") << "P004=A1-04=1-2;" << malformed << 0 << 4 << 0.0;
    QTest::newRow("comma decimal") << "P004=A1-04=0,25;" << malformed << 0 << 4 << 0.0;
    QTest::newRow("shorter than 12") << "P004=A1-04=" << none << 0 << 0 << 0.0;
    QTest::newRow("not P") << "Q004=A1-04=0.25;" << none << 0 << 0 << 0.0;
    QTest::newRow("other group") << "P004=A2-04=0.25;" << none << 0 << 0 << 0.0;
    QTest::newRow("order not two digits") << "P004=A1-4=0.25;" << none << 0 << 0 << 0.0;
}

void TestAnalysisFileParser::parameterLineRule() {
    QFETCH(QString, line);
    QFETCH(ParameterLineKind, kind);
    QFETCH(int, lineNumber);
    QFETCH(int, order);
    QFETCH(double, value);
    const ParameterLineResult result = parseParameterLine(line);
    QCOMPARE(result.kind, kind);
    if (kind == ParameterLineKind::NotParameter)
        return;
    QCOMPARE(result.line.orderNumber, order);
    QCOMPARE(result.line.tag(), QStringLiteral("A1%1").arg(order, 2, 10, QLatin1Char('0')));
    if (kind == ParameterLineKind::Parameter) {
        QCOMPARE(result.line.lineNumber, lineNumber);
        QCOMPARE(result.line.value, value);
    }
}

void TestAnalysisFileParser::fanFileSections() {
    const AnalysisFileContents c = parseAnalysisFile(fixture("fan_pa_m3h_euro.KVX"));
    QCOMPARE(c.applicationCode, 1);
    QCOMPARE(c.application(), Application::Fan);
    QCOMPARE(c.systemDataSelection, 2);
    QCOMPARE(c.horizontal, false);
    QCOMPARE(c.pressureIndex, 2);
    QCOMPARE(c.flowIndex, 2);
    QCOMPARE(c.powerIndex, 1);
    QCOMPARE(c.currencyIndex, 2);
    QCOMPARE(c.customCurrency, QStringLiteral("€"));
    QCOMPARE(c.flowLock, 1);
    QCOMPARE(c.comparison, 3);
    QCOMPARE(c.projectName, QStringLiteral("Hall B – supply fan 7"));
    QVERIFY(!c.olderLayout);
    QCOMPARE(c.parameterLineCount, 15);
    QCOMPARE(c.parameterValues.value("A104"), 0.125);
    QCOMPARE(c.parameterValues.value("A149"), 85000.0);
    QVERIFY(c.malformedLines.isEmpty());
    QCOMPARE(refusalOf(c), std::nullopt);
}

void TestAnalysisFileParser::freeTextSectionsKeepTheirLinesAsWritten() {
    const AnalysisFileContents c = parseAnalysisFile(fixture("fan_pa_m3h_euro.KVX"));
    QCOMPARE(c.customerLines,
             QStringList({"Jürgen Müller", "Energy Manager", "Müller & Söhne GmbH",
                          "Hauptstraße 12", "", "80331 München", "Deutschland", "+49 89 123456",
                          "+49 89 123457", "j.mueller@example.de"}));
    // Ten cost lines: blank ones count, blanks inside a line stay, the eleventh is skipped,
    // and a 25-character description comes back whole.
    QCOMPARE(c.costLines,
             QStringList({"Removal of old dampers 25", "Crane €", "", "Cabling for 2 drives (£)",
                          "", "", "Löschung", "Service contract", "Filters  ", "Spare parts"}));
}

void TestAnalysisFileParser::pumpFileSections() {
    const AnalysisFileContents c = parseAnalysisFile(fixture("pump_bar_ls_system5.KVX"));
    QCOMPARE(c.application(), Application::Pump);
    QCOMPARE(c.pressureIndex, 5); // "Bar" exists only for a pump
    QCOMPARE(c.flowIndex, 3);
    QCOMPARE(c.currencyIndex, 3);
    QCOMPARE(c.customCurrency, QStringLiteral("CHF"));
    QCOMPARE(c.comparison, 5);
    QCOMPARE(c.customerLines.size(), 10);
    QCOMPARE(c.costLines, QStringList(10, QString()));
    QCOMPARE(refusalOf(c), std::nullopt);
}

void TestAnalysisFileParser::titlesWithBlanksAndLinesThatAreNoValue() {
    const AnalysisFileContents c = parseAnalysisFile(fixture("spaced_titles.KVX"));
    QCOMPARE(c.applicationCode, 1);
    QCOMPARE(c.systemDataSelection, 1);
    QCOMPARE(c.pressureIndex, 0);
    QCOMPARE(c.flowIndex, 1);
    QCOMPARE(c.currencyIndex, 1);
    QCOMPARE(c.customCurrency, QStringLiteral("£"));
    QCOMPARE(c.comparison, 2);
    QCOMPARE(c.projectName, QStringLiteral("Spaced project"));
    // "[data qefs]" in lower case is a value line; the lines that do not look like parameter
    // lines are skipped without a word.
    QCOMPARE(c.parameterLineCount, 1);
    QCOMPARE(c.parameterValues.value("A103"), 48.0);
    QVERIFY(c.malformedLines.isEmpty());
    QCOMPARE(refusalOf(c), std::nullopt);
}

void TestAnalysisFileParser::valueLines_data() {
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected"); // -1: the value line is not accepted
    QTest::newRow("selection 3") << QByteArray("[SYSTEM DATA SELECTION]") << QByteArray("3") << 3;
    QTest::newRow("selection 4") << QByteArray("[SYSTEM DATA SELECTION]") << QByteArray("4") << -1;
    QTest::newRow("selection leading digits")
        << QByteArray("[SYSTEM DATA SELECTION]") << QByteArray("2x") << 2;
    QTest::newRow("selection 12 is out of range")
        << QByteArray("[SYSTEM DATA SELECTION]") << QByteArray("12") << -1;
    QTest::newRow("system 0") << QByteArray("[SYSTEM]") << QByteArray("0") << -1;
    QTest::newRow("system 5") << QByteArray("[SYSTEM]") << QByteArray("5") << 5;
    QTest::newRow("system 6") << QByteArray("[SYSTEM]") << QByteArray("6") << -1;
    QTest::newRow("fan pressure 4") << QByteArray("[PRESSURE]") << QByteArray("4") << 4;
    QTest::newRow("fan pressure 5") << QByteArray("[PRESSURE]") << QByteArray("5") << -1;
    QTest::newRow("fan flow 5") << QByteArray("[FLOW]") << QByteArray("5") << 5;
    QTest::newRow("fan flow 6") << QByteArray("[FLOW]") << QByteArray("6") << -1;
    QTest::newRow("power 2") << QByteArray("[POWER]") << QByteArray("2") << -1;
    QTest::newRow("currency 3") << QByteArray("[CURRENCY]") << QByteArray("3") << 3;
    QTest::newRow("currency 4") << QByteArray("[CURRENCY]") << QByteArray("4") << -1;
    QTest::newRow("flow lock 2") << QByteArray("[FLOWLOCK]") << QByteArray("2") << -1;
    QTest::newRow("flow lock with blanks") << QByteArray("[FLOWLOCK]") << QByteArray("  0 ") << 0;
    QTest::newRow("minus sign") << QByteArray("[FLOWLOCK]") << QByteArray("-1") << -1;
}

void TestAnalysisFileParser::valueLines() {
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    const AnalysisFileContents c =
        parseAnalysisFile(setSectionValue(fixture("fan_pa_m3h_euro.KVX"), title, value));
    const std::map<QByteArray, std::optional<int>> read{
        {"[SYSTEM DATA SELECTION]", c.systemDataSelection},
        {"[SYSTEM]", c.comparison},
        {"[PRESSURE]", c.pressureIndex},
        {"[FLOW]", c.flowIndex},
        {"[POWER]", c.powerIndex},
        {"[CURRENCY]", c.currencyIndex},
        {"[FLOWLOCK]", c.flowLock}};
    QCOMPARE(read.at(title), expected < 0 ? std::nullopt : std::optional<int>(expected));
}

void TestAnalysisFileParser::olderLayout() {
    const AnalysisFileContents c = parseAnalysisFile(fixture("older_units_fan.KVX"));
    QVERIFY(c.olderLayout);
    QCOMPARE(c.pressureIndex, 0);
    QCOMPARE(c.flowIndex, std::nullopt);
    QCOMPARE(c.parameterValues.value("A104"), 8.5);
    // No flow, power or currency section is needed; the selection section may be missing.
    QCOMPARE(refusalOf(c), std::nullopt);
    QCOMPARE(c.systemDataSelection, std::nullopt);

    const UnitSettings current = makeUnits(3, 4, 2, 2, 1, 2, QStringLiteral("CHF"));
    UnitSettings expected = current;
    expected.fanPressure = 0;
    expected.fanFlow = 0;
    expected.power = 0;
    expected.currency = 0;
    QCOMPARE(unitsOfFile(c, current), expected);

    // A pump file of the older layout: "[UNITS]" 1 stood for PSI, anything else for ft.wg.
    const QByteArray pump =
        setSectionValue(fixture("older_units_fan.KVX"), "[APPLICATION]", "PUMP");
    UnitSettings pumpExpected = current;
    pumpExpected.pumpPressure = 1;
    pumpExpected.pumpFlow = 0;
    pumpExpected.power = 0;
    pumpExpected.currency = 0;
    QCOMPARE(unitsOfFile(parseAnalysisFile(pump), current), pumpExpected);
    pumpExpected.pumpPressure = 0;
    QCOMPARE(unitsOfFile(parseAnalysisFile(setSectionValue(pump, "[UNITS]", "1")), current),
             pumpExpected);
}

void TestAnalysisFileParser::refusals_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal");
    const QByteArray fan = fixture("fan_pa_m3h_euro.KVX");
    const QByteArray older = fixture("older_units_fan.KVX");
    const auto without = [](const QByteArray& bytes, const QByteArray& title) {
        return setSectionValue(bytes, title, QByteArray());
    };
    QTest::newRow("application missing") << without(fan, "[APPLICATION]") << "IDS_9";
    QTest::newRow("flow lock missing") << without(fan, "[FLOWLOCK]") << "IDS_9";
    QTest::newRow("comparison system missing") << without(fan, "[SYSTEM]") << "IDS_9";
    QTest::newRow("flow lock and comparison missing")
        << without(without(fan, "[SYSTEM]"), "[FLOWLOCK]") << "IDS_9";
    QTest::newRow("curve missing") << without(fan, "[CURVE]") << "IDS_10";
    QTest::newRow("curve in lower case")
        << setSectionValue(fan, "[CURVE]", "horizontal") << "IDS_10";
    QTest::newRow("pressure missing") << without(fan, "[PRESSURE]") << "IDS_11";
    QTest::newRow("fan pressure 5") << setSectionValue(fan, "[PRESSURE]", "5") << "IDS_11";
    QTest::newRow("cooling tower")
        << setSectionValue(fan, "[APPLICATION]", "COOLING TOWER") << "IDS_11";
    QTest::newRow("flow missing") << without(fan, "[FLOW]") << "IDS_12";
    QTest::newRow("power missing") << without(fan, "[POWER]") << "IDS_13";
    QTest::newRow("currency missing") << without(fan, "[CURRENCY]") << "IDS_14";
    QTest::newRow("older layout without flow lock") << without(older, "[FLOWLOCK]") << "IDS_9";
    QTest::newRow("older layout without units") << without(older, "[UNITS]") << "IDS_11";
    QTest::newRow("empty file") << QByteArray() << "IDS_9";
    QTest::newRow("binary") << QByteArray("\x00\x01\xFF[\r\n\x80\x81", 8) << "IDS_9";
}

void TestAnalysisFileParser::refusals() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QCOMPARE(refusalOf(parseAnalysisFile(bytes)), refusal);
}

void TestAnalysisFileParser::customerLinesAreCountedAndCut() {
    QByteArray bytes = fixture("pump_bar_ls_system5.KVX");
    QByteArray extra;
    for (int i = 11; i <= 15; ++i)
        extra += "extra customer line " + QByteArray::number(i) + "\r\n";
    bytes.replace("[COST INFO]\r\n", extra + "[COST INFO]\r\n");
    const QByteArray seventy(70, 'x');
    bytes = setSectionValue(bytes, "[CUSTOMER INFO]", seventy);
    const AnalysisFileContents c = parseAnalysisFile(bytes);
    QCOMPARE(c.customerLines.size(), 14);
    QCOMPARE(c.customerLines.first(), QString(60, u'x'));
    QCOMPARE(c.customerLines.last(), QStringLiteral("extra customer line 14"));
    QCOMPARE(refusalOf(c), std::nullopt);
}

void TestAnalysisFileParser::linesEndWithLfOrCrLf() {
    QByteArray lf = fixture("fan_pa_m3h_euro.KVX");
    lf.replace("\r\n", "\n");
    const AnalysisFileContents c = parseAnalysisFile(lf);
    QCOMPARE(c.projectName, QStringLiteral("Hall B – supply fan 7"));
    QCOMPARE(c.costLines.at(8), QStringLiteral("Filters  "));
    QCOMPARE(refusalOf(c), std::nullopt);
    // A last line without a line break is still read.
    QByteArray open = fixture("older_units_fan.KVX");
    open.chop(2);
    QCOMPARE(parseAnalysisFile(open).parameterValues.value("A120"), 3.5);
    QCOMPARE(parseAnalysisFile(open).lineCount,
             parseAnalysisFile(fixture("older_units_fan.KVX")).lineCount);
}

void TestAnalysisFileParser::aVeryLongLineIsJudgedByItsBeginning() {
    QByteArray bytes = fixture("fan_pa_m3h_euro.KVX");
    const QByteArray longName = "Long " + QByteArray(3 * maxAnalysisFileLineBytes, 'n');
    bytes = setSectionValue(bytes, "[PROJECT NAME]", longName);
    const AnalysisFileContents c = parseAnalysisFile(bytes);
    QCOMPARE(c.projectName->size(), maxAnalysisFileLineBytes);
    QVERIFY(c.projectName->startsWith(QStringLiteral("Long nnn")));
    // The lines after it are read as usual.
    QCOMPARE(c.customerLines.first(), QStringLiteral("Jürgen Müller"));
    QCOMPARE(refusalOf(c), std::nullopt);
}

QTEST_APPLESS_MAIN(TestAnalysisFileParser)
#include "tst_analysisfileparser.moc"
