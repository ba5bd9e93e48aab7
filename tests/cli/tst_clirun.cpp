// wattmere-cli as a batch user runs it: exit codes, JSON Lines and text output, edits applied
// in order, files written and read back, and questions answered safely or with --yes.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QList<QJsonObject> jsonLines() const {
        QList<QJsonObject> objects;
        for (const QByteArray& line : out.split('\n')) {
            if (!line.isEmpty())
                objects.append(QJsonDocument::fromJson(line).object());
        }
        return objects;
    }
};

Run runCli(const QStringList& arguments, const QString& folder = QString()) {
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(QStringLiteral(WATTMERE_CLI), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The entries a user makes on step 2 of a new fan analysis (design head 4 in.wg and 86 %
// efficiency are its defaults).
const QStringList fanSystemData = {"--set",   "A104=0.12", "--set",      "A105=60", "--set",
                                   "A125=60", "--set",     "A109=15000", "--set",   "A122=50"};

QString fixture(const char* name) {
    return QStringLiteral(WATTMERE_TEST_DATA "/") + QLatin1String(name);
}

} // namespace

class TestCliRun : public QObject {
    Q_OBJECT
private slots:
    void exitCodes_data();
    void exitCodes();
    void newFanAnalysisAsJson();
    void editsRunTheirHandlersInOrder();
    void saveThenCalcGivesTheSameResults();
    void severalFilesGiveJsonLines();
    void textSummaryListsEverySystem();
    void questionsAreAnsweredSafelyUnlessYes();
};

void TestCliRun::exitCodes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("help") << QStringList{"--help"} << 0;
    QTest::newRow("version") << QStringList{"--version"} << 0;
    QTest::newRow("wrong usage") << QStringList{"calc", "--new", "boiler"} << 2;
    QTest::newRow("missing file") << QStringList{"calc", "no-such-file.KVX"} << 1;
    QTest::newRow("incomplete new analysis is still shown")
        << QStringList{"calc", "--new", "pump"} << 0;
}

void TestCliRun::exitCodes() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const Run run = runCli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 1)
        QVERIFY(run.err.contains("no-such-file.KVX"));
}

void TestCliRun::newFanAnalysisAsJson() {
    const Run run = runCli(QStringList{"calc", "--new", "fan"} + fanSystemData);
    QCOMPARE(run.exitCode, 0);
    const QList<QJsonObject> lines = run.jsonLines();
    QCOMPARE(lines.size(), 1);
    const QJsonObject& json = lines.front();
    QCOMPARE(json["application"].toString(), QStringLiteral("FAN"));
    QCOMPARE(json["fields"].toObject()["A175"].toString(), QStringLiteral("68,391.50"));
    QVERIFY(!json["fields"].toObject().contains("A124"));
    QCOMPARE(json["hours_per_year"].toInt(), 8760);
    QCOMPARE(json["design"].toObject()["flow"].toDouble(), 68391.5);
    QCOMPARE(json["design"].toObject()["efficiency"].toDouble(), 0.86);
    const QJsonArray coefficients = json["curve"].toObject()["coefficients"].toArray();
    QVERIFY(qAbs(coefficients[3].toDouble() - 1.2) < 1e-12);
    const QJsonObject systems = json["systems"].toObject();
    for (const char* name :
         {"drive", "constant_volume", "cycling", "two_speed", "damper", "inlet_guide_vanes"}) {
        const QJsonObject system = systems[QLatin1String(name)].toObject();
        QCOMPARE(system["input_kw"].toArray().size(), 101);
        QCOMPARE(system["limit"].toArray().size(), 101);
        QCOMPARE(system["band_kwh"].toArray().size(), 10);
        QVERIFY2(system["annual_kwh"].toDouble() > 0.0, name);
    }
    QCOMPARE(json["selected"].toString(), QStringLiteral("R5"));
    const QJsonObject costs = json["costs"].toObject();
    const double savings = costs["energy_cost_savings"].toDouble();
    QVERIFY(qAbs(savings - (systems["inlet_guide_vanes"].toObject()["annual_cost"].toDouble() -
                            systems["drive"].toObject()["annual_cost"].toDouble())) < 1e-6);
    QVERIFY(qAbs(costs["payback_years"].toDouble() - 15000.0 / savings) < 1e-9);
    QCOMPARE(costs["payback_curve"].toArray().size(), 6);
    QCOMPARE(json["labels"].toObject()["TOTHOURS"].toString(), QStringLiteral("8,760 Hrs"));
    QCOMPARE(json["labels"].toObject()["SystemName"].toString(),
             QStringLiteral("Inlet Guide Vane System"));
    QCOMPARE(json["messages"].toArray().size(), 0);
    QCOMPARE(json["calc_error"].toBool(), false);
}

void TestCliRun::editsRunTheirHandlersInOrder() {
    // Hours per day above its limit are clamped (24) before the days change is applied, and
    // the comparison click takes the outlet dampers.
    const Run run = runCli(QStringList{"calc", "--new", "fan"} + fanSystemData +
                           QStringList{"--set", "A101=30", "--set", "A102=5", "--click", "R4"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject json = run.jsonLines().front();
    QCOMPARE(json["fields"].toObject()["A101"].toString(), QStringLiteral("24"));
    QCOMPARE(json["hours_per_year"].toInt(), 24 * 5 * 52);
    QCOMPARE(json["selected"].toString(), QStringLiteral("R4"));
    QCOMPARE(json["labels"].toObject()["SystemName"].toString(),
             QStringLiteral("Outlet Damper System"));
}

void TestCliRun::saveThenCalcGivesTheSameResults() {
    QTemporaryDir folder;
    const Run saved =
        runCli(QStringList{"save",      "--new",    "pump",    "--units", "0,0,1,0,0,0",
                           "--set",     "A120=100", "--set",   "A121=20", "--set",
                           "A123=5",    "--set",    "A174=80", "--set",   "A104=0.1",
                           "--set",     "A105=60",  "--set",   "A125=60", "--set",
                           "A109=9000", "--set",    "A122=50", "-o",      "pump.kvx"},
               folder.path());
    QCOMPARE(saved.exitCode, 0);
    QVERIFY(QFile::exists(folder.filePath("pump.KVX")));
    const Run direct = runCli(QStringList{
        "calc",    "--new", "pump",    "--units", "0,0,1,0,0,0", "--set", "A120=100", "--set",
        "A121=20", "--set", "A123=5",  "--set",   "A174=80",     "--set", "A104=0.1", "--set",
        "A105=60", "--set", "A125=60", "--set",   "A109=9000",   "--set", "A122=50"});
    const Run reopened = runCli({"calc", folder.filePath("pump.KVX")});
    QCOMPARE(reopened.exitCode, 0);
    const QJsonObject a = direct.jsonLines().front();
    const QJsonObject b = reopened.jsonLines().front();
    QCOMPARE(b["fields"].toObject()["A175"].toString(), QStringLiteral("1,584.00"));
    QCOMPARE(b["systems"], a["systems"]);
    QCOMPARE(b["costs"], a["costs"]);
    QCOMPARE(b["labels"], a["labels"]);
}

void TestCliRun::severalFilesGiveJsonLines() {
    const Run run =
        runCli({"calc", fixture("fan_pa_m3h_euro.KVX"), fixture("pump_bar_ls_system5.KVX")});
    QCOMPARE(run.exitCode, 0);
    const QList<QJsonObject> lines = run.jsonLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0]["application"].toString(), QStringLiteral("FAN"));
    QCOMPARE(lines[0]["units"].toObject()["pressure"].toString(), QStringLiteral("Pa"));
    QCOMPARE(lines[1]["application"].toString(), QStringLiteral("PUMP"));
    // A pump file whose comparison system is 5 compares against the throttling valve.
    QCOMPARE(lines[1]["selected"].toString(), QStringLiteral("R4"));
    QVERIFY(!lines[1]["systems"].toObject().contains("inlet_guide_vanes"));
}

void TestCliRun::textSummaryListsEverySystem() {
    const Run run = runCli(
        QStringList{"calc", "--new", "fan", "--format", "text", "--click", "R2"} + fanSystemData);
    QCOMPARE(run.exitCode, 0);
    const QString text = QString::fromUtf8(run.out);
    for (const char* row : {"Variable-speed drive", "Constant volume", "Cycling", "2 speed motor",
                            "Outlet dampers", "Inlet guide vanes"})
        QVERIFY2(text.contains(QLatin1String(row)), row);
    QVERIFY(text.contains(QStringLiteral("68,391.50 cfm")));
    QVERIFY(text.contains(QStringLiteral("(selected)")));
}

void TestCliRun::questionsAreAnsweredSafelyUnlessYes() {
    // A file with a motor power beyond its limit: the reader asks whether to continue.
    QFile source(fixture("fan_pa_m3h_euro.KVX"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray bytes = source.readAll();
    const QByteArray line = "P005=A1-05=75.0;";
    QVERIFY(bytes.contains(line));
    bytes.replace(line, "P005=A1-05=9999.0;");
    QTemporaryDir folder;
    const QString path = folder.filePath("out-of-range.KVX");
    QFile target(path);
    QVERIFY(target.open(QIODevice::WriteOnly));
    target.write(bytes);
    target.close();

    const Run safe = runCli({"calc", path});
    QCOMPARE(safe.exitCode, 1); // Abort ends the open
    QVERIFY(safe.err.contains("Motor Power out of range!"));

    const Run yes = runCli({"calc", path, "--yes"});
    QCOMPARE(yes.exitCode, 0);
    const QJsonObject json = yes.jsonLines().front();
    const QJsonArray messages = json["messages"].toArray();
    int outOfRange = 0;
    for (const QJsonValue& message : messages)
        outOfRange += message.toObject()["text"].toString().contains("out of range!") ? 1 : 0;
    QCOMPARE(outOfRange, 1); // shown once per open
}

QTEST_GUILESS_MAIN(TestCliRun)
#include "tst_clirun.moc"
