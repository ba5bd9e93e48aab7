// The example analyses through wattmere-cli give exactly what the headless workflow shows
// after opening them and moving to the "Energy Savings" page.

#include "../files/FilesSession.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace wattmere;

namespace {

QStringList examples() {
    const QDir folder(QStringLiteral(WATTMERE_EXAMPLES));
    QStringList paths;
    for (const QString& name : folder.entryList({QStringLiteral("*.KVX")}, QDir::Files))
        paths.append(folder.filePath(name));
    return paths;
}

QList<QJsonObject> cliResults(const QStringList& files) {
    QProcess process;
    process.start(QStringLiteral(WATTMERE_CLI),
                  QStringList{"calc"} + files + QStringList{"--format", "json"});
    QList<QJsonObject> results;
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return results;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            results.append(QJsonDocument::fromJson(line).object());
    }
    return results;
}

} // namespace

class TestCliExamples : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void theCommandLineShowsWhatTheWorkflowShows();
};

void TestCliExamples::theCommandLineShowsWhatTheWorkflowShows() {
    const QStringList files = examples();
    QCOMPARE(files.size(), 2); // a fan and a pump
    const QList<QJsonObject> cli = cliResults(files);
    QCOMPARE(cli.size(), files.size());

    for (qsizetype i = 0; i < files.size(); ++i) {
        testing::FilesSession session;
        QVERIFY(session.files.openFile(files[i]));
        session.workflow.selectPage(steppage::savings);
        QVERIFY(session.messages().isEmpty());
        const CalculationState& results = session.analysis.results();
        const QJsonObject& json = cli[i];

        QCOMPARE(json["application"].toString(),
                 session.model().isFan() ? QStringLiteral("FAN") : QStringLiteral("PUMP"));
        const QJsonObject systems = json["systems"].toObject();
        const std::pair<const char*, const SystemResult*> records[] = {
            {"drive", &results.Energy.Drive},
            {"constant_volume", &results.Energy.ConstantVolume},
            {"cycling", &results.Energy.Cycling},
            {"two_speed", &results.Energy.TwoSpeedMotor},
            {"damper", &results.Energy.Damper}};
        for (const auto& [name, record] : records) {
            const QJsonObject system = systems[QLatin1String(name)].toObject();
            QCOMPARE(system["annual_kwh"].toDouble(), record->AnnualEnergy);
            QCOMPARE(system["annual_cost"].toDouble(), record->AnnualEnergyCost);
            QCOMPARE(system["band_kwh"].toArray()[9].toDouble(), record->BandEnergy[10]);
        }
        QCOMPARE(systems["drive"].toObject()["input_kw"].toArray()[73].toDouble(),
                 results.Energy.Drive.InputPower[73] * 0.746);
        QCOMPARE(systems.contains("inlet_guide_vanes"), session.model().isFan());
        const QJsonObject costs = json["costs"].toObject();
        QCOMPARE(costs["payback_years"].toDouble(), results.Savings.PaybackYears);
        QCOMPARE(costs["energy_cost_savings"].toDouble(), results.Savings.EnergyCostSavings);
        const QJsonObject labels = json["labels"].toObject();
        for (Label id : {Label::PAYBACKLABEL, Label::TOTHOURS, Label::DRIVETOTALKWHR,
                         Label::COMPARETOTALKWHR, Label::ENERGYCOSTSAVINGS, Label::SystemName})
            QCOMPARE(labels[nameOf(id)].toString(), session.caption(id));
        QCOMPARE(json["fields"].toObject()["A175"].toString(), session.text(Field::A175));
        QCOMPARE(json["calc_error"].toBool(), false);
    }
}

QTEST_GUILESS_MAIN(TestCliExamples)
#include "tst_cliexamples.moc"
