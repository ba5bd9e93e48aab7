// The command line of wattmere-cli: what it accepts, what it refuses as wrong usage, and the
// edits it keeps in the order given.

#include "cli/CliOptions.h"

#include <QTest>

using namespace wattmere;

class TestCliOptions : public QObject {
    Q_OBJECT
private slots:
    void wrongUsageIsRefused_data();
    void wrongUsageIsRefused();
    void editsKeepTheirOrder();
    void unitsAndOutput();
    void helpAndVersion();
};

void TestCliOptions::wrongUsageIsRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("usable");
    QTest::newRow("calc a file") << QStringList{"calc", "a.KVX"} << true;
    QTest::newRow("calc several files") << QStringList{"calc", "a.KVX", "b.KVX"} << true;
    QTest::newRow("calc new fan") << QStringList{"calc", "--new", "fan"} << true;
    QTest::newRow("unknown command") << QStringList{"report", "a.KVX"} << false;
    QTest::newRow("nothing to work on") << QStringList{"calc"} << false;
    QTest::newRow("file and new") << QStringList{"calc", "a.KVX", "--new", "pump"} << false;
    QTest::newRow("new what") << QStringList{"calc", "--new", "tower"} << false;
    QTest::newRow("set without =") << QStringList{"calc", "--new", "fan", "--set", "A104"} << false;
    QTest::newRow("set unknown field")
        << QStringList{"calc", "--new", "fan", "--set", "A124=3"} << false;
    QTest::newRow("click unknown") << QStringList{"calc", "--new", "fan", "--click", "R6"} << false;
    QTest::newRow("click a report box")
        << QStringList{"calc", "--new", "fan", "--click", "G1"} << false;
    QTest::newRow("bad format") << QStringList{"calc", "--new", "fan", "--format", "xml"} << false;
    QTest::newRow("unknown option") << QStringList{"calc", "--new", "fan", "--fast"} << false;
    QTest::newRow("units out of range")
        << QStringList{"calc", "--new", "fan", "--units", "5,0,0,0,0,0"} << false;
    QTest::newRow("units too few")
        << QStringList{"calc", "--new", "fan", "--units", "0,0,0"} << false;
    QTest::newRow("units with a file")
        << QStringList{"calc", "a.KVX", "--units", "0,0,0,0,0,0"} << false;
    QTest::newRow("save without output") << QStringList{"save", "a.KVX"} << false;
    QTest::newRow("save two files")
        << QStringList{"save", "a.KVX", "b.KVX", "-o", "c.KVX"} << false;
    QTest::newRow("save with format")
        << QStringList{"save", "a.KVX", "-o", "c.KVX", "--format", "text"} << false;
    QTest::newRow("calc with output") << QStringList{"calc", "a.KVX", "-o", "c.KVX"} << false;
    QTest::newRow("save") << QStringList{"save", "--new", "pump", "-o", "c.KVX"} << true;
}

void TestCliOptions::wrongUsageIsRefused() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, usable);
    const CliParseResult result = parseCliArguments(arguments);
    QVERIFY2(result.error.isEmpty() == usable, qPrintable(result.error));
}

void TestCliOptions::editsKeepTheirOrder() {
    const CliParseResult result =
        parseCliArguments({"calc", "--new", "fan", "--set", "A104=0,12", "--click", "R3", "--set",
                           "PREPFOR=A = B", "--format", "text", "--yes"});
    QVERIFY(result.error.isEmpty());
    const CliOptions& options = result.options;
    QCOMPARE(options.newApplication, Application::Fan);
    QCOMPARE(options.format, CliFormat::Text);
    QVERIFY(options.answerYes);
    QCOMPARE(options.edits.size(), 3u);
    const auto* first = std::get_if<SetField>(&options.edits[0]);
    QVERIFY(first && first->field == u"A104" && first->text == u"0,12");
    const auto* second = std::get_if<ClickChoice>(&options.edits[1]);
    QVERIFY(second && second->control == u"R3");
    const auto* third = std::get_if<SetField>(&options.edits[2]);
    QVERIFY(third && third->field == u"PREPFOR" && third->text == u"A = B");
}

void TestCliOptions::unitsAndOutput() {
    const CliParseResult result =
        parseCliArguments({"save", "--new", "pump", "--units", "4,5,4,2,1,2", "-o", "out.KVX"});
    QVERIFY(result.error.isEmpty());
    QVERIFY(result.options.units.has_value());
    const UnitSettings& units = *result.options.units;
    QCOMPARE(units.fanPressure, 4);
    QCOMPARE(units.fanFlow, 5);
    QCOMPARE(units.pumpPressure, 4);
    QCOMPARE(units.pumpFlow, 2);
    QCOMPARE(units.power, 1);
    QCOMPARE(units.currency, 2);
    QCOMPARE(result.options.output, QStringLiteral("out.KVX"));
}

void TestCliOptions::helpAndVersion() {
    QCOMPARE(parseCliArguments({}).options.command, CliCommand::Help);
    QCOMPARE(parseCliArguments({"--help"}).options.command, CliCommand::Help);
    QCOMPARE(parseCliArguments({"calc", "--new", "fan", "--help"}).options.command,
             CliCommand::Help);
    QCOMPARE(parseCliArguments({"--version"}).options.command, CliCommand::Version);
    const QString usage = cliUsage();
    for (const char* command : {"wattmere-cli calc", "wattmere-cli save", "Examples:"})
        QVERIFY(usage.contains(QLatin1String(command)));
}

QTEST_GUILESS_MAIN(TestCliOptions)
#include "tst_clioptions.moc"
