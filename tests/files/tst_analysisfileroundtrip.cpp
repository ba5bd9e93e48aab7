// A fan or pump analysis written and read back into another model: every slot to the decimals
// the file keeps, the choices, the project name, the customer texts, the cost descriptions and
// the unit settings, in several unit systems and both notations.

#include "FileFixtures.h"
#include "files/AnalysisFileLayout.h"
#include "files/AnalysisFileWriter.h"

#include <QTest>

using namespace wattmere;
using namespace wattmere::testing;

Q_DECLARE_METATYPE(wattmere::UnitSettings)

namespace {

// A value inside the slot's limits that differs from slot to slot.
float spreadValue(const ParameterRecord& record) {
    const double share = ((record.slotNumber * 37) % 97) / 97.0;
    return static_cast<float>(record.minimum + (record.maximum - record.minimum) * share);
}

// What the file keeps of a value: its text with the file's decimals, read back.
float asKept(const ParameterRecord& record) {
    return static_cast<float>(
        fileNumber(record.currentValue, fileDecimalsForStep(record.step)).toDouble());
}

const QStringList customerTexts{
    QStringLiteral("Jürgen Müller-Lüdenscheidt und Söhne & Partner"), // 45 characters
    QStringLiteral("Directeur général"),
    QStringLiteral("Ørsted Façades € £ ¥ – “quoted”"),
    QStringLiteral("  leading and trailing blanks  "),
    QStringLiteral("Address line 2"),
    QString(),
    QStringLiteral("Österreich"),
    QStringLiteral("+43 1 234 56 78"),
    QStringLiteral("+43 1 234 56 79"),
    QStringLiteral("office@example.at")};

const QStringList costTexts{
    QStringLiteral("Removal of old dampers 25"), // 25 characters: kept whole
    QStringLiteral("Kran für Montage (€ 1200)"),
    QStringLiteral("Cabling £"),
    QString(),
    QStringLiteral(" blank in front"),
    QStringLiteral("Maintenance contract"),
    QStringLiteral("Spare parts"),
    QStringLiteral("Filterwechsel pro Jahr"),
    QStringLiteral("Löschwasserprüfung"),
    QStringLiteral("Schulung trailing   ")};

} // namespace

class TestAnalysisFileRoundTrip : public QObject {
    Q_OBJECT
private slots:
    void writtenAndReadBack_data();
    void writtenAndReadBack();
};

void TestAnalysisFileRoundTrip::writtenAndReadBack_data() {
    QTest::addColumn<int>("application");
    QTest::addColumn<UnitSettings>("units");
    QTest::addColumn<int>("notation");
    QTest::addColumn<int>("selection"); // S1..S4 as 0..3
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("efficiencyLocked");
    QTest::addColumn<int>("comparison"); // R1..R5 as 1..5
    const int fan = int(Application::Fan);
    const int pump = int(Application::Pump);
    QTest::newRow("fan in.wg cfm HP $")
        << fan << makeUnits(0, 0, 0, 0, 0, 0) << 1 << 0 << true << false << 5;
    QTest::newRow("fan Pa m3/h kW € 999.999,99")
        << fan << makeUnits(2, 2, 0, 0, 1, 2) << 2 << 2 << false << true << 3;
    QTest::newRow("fan mBar m3/s custom currency")
        << fan << makeUnits(4, 5, 0, 0, 1, 3, QStringLiteral("CHF")) << 1 << 3 << true << false
        << 1;
    QTest::newRow("fan cm.wg l/s £ 999.999,99")
        << fan << makeUnits(1, 3, 0, 0, 0, 1) << 2 << 1 << false << false << 2;
    QTest::newRow("fan kPa l/min")
        << fan << makeUnits(3, 4, 0, 0, 1, 0) << 1 << 0 << true << true << 4;
    QTest::newRow("pump PSI GPM HP $")
        << pump << makeUnits(0, 0, 0, 0, 0, 0) << 1 << 0 << true << false << 4;
    QTest::newRow("pump Bar l/s kW € 999.999,99")
        << pump << makeUnits(0, 0, 5, 3, 1, 2) << 2 << 1 << false << true << 1;
    QTest::newRow("pump MPa l/min custom currency")
        << pump << makeUnits(0, 0, 4, 4, 0, 3, QStringLiteral("kr")) << 1 << 2 << true << false
        << 2;
    QTest::newRow("pump m.wg m3/h 999.999,99")
        << pump << makeUnits(0, 0, 2, 2, 1, 1) << 2 << 3 << false << false << 3;
}

void TestAnalysisFileRoundTrip::writtenAndReadBack() {
    QFETCH(int, application);
    QFETCH(UnitSettings, units);
    QFETCH(int, notation);
    QFETCH(int, selection);
    QFETCH(bool, horizontal);
    QFETCH(bool, efficiencyLocked);
    QFETCH(int, comparison);

    ModelSession source(static_cast<Application>(application), units, notation);
    const ParameterRegistry& sourceTable = source.model.registry();
    for (int slot = 1; slot <= sourceTable.count(); ++slot)
        source.slot(slot).currentValue = spreadValue(source.slot(slot));
    WindowState& out = source.model.window();
    out.setChecked(static_cast<Choice>(int(Choice::S1) + selection), true);
    out.setChecked(Choice::HORIZ, horizontal);
    out.setChecked(efficiencyLocked ? Choice::LOCKA144 : Choice::LOCKA149, true);
    out.setChecked(static_cast<Choice>(int(Choice::R1) + comparison - 1), true);
    out.setText(Field::QNUM, QStringLiteral("Projekt Größe € 30 characters!"));
    for (std::size_t i = 0; i < customerFields.size(); ++i)
        out.setText(customerFields[i], customerTexts.at(qsizetype(i)));
    for (std::size_t i = 0; i < costDescriptionFields.size(); ++i)
        out.setText(costDescriptionFields[i], costTexts.at(qsizetype(i)));

    const QByteArray bytes = writeAnalysisFile(source.model);

    // Another program, other units and the other notation: the file brings its own.
    ModelSession target(Application::None, makeUnits(1, 1, 1, 1, 1, 1, QStringLiteral("-")),
                        3 - notation);
    QVERIFY(target.open(bytes));
    QVERIFY(target.prompter.messages().isEmpty());

    QCOMPARE(int(target.model.application()), application);
    const UnitSettings& read = target.model.units();
    if (application == int(Application::Fan)) {
        QCOMPARE(read.fanPressure, units.fanPressure);
        QCOMPARE(read.fanFlow, units.fanFlow);
    } else {
        QCOMPARE(read.pumpPressure, units.pumpPressure);
        QCOMPARE(read.pumpFlow, units.pumpFlow);
    }
    QCOMPARE(read.power, units.power);
    QCOMPARE(read.currency, units.currency);
    QCOMPARE(currencySymbol(read), currencySymbol(units));

    const ParameterRegistry& targetTable = target.model.registry();
    QCOMPARE(targetTable.count(), sourceTable.count());
    for (int slot = 1; slot <= sourceTable.count(); ++slot) {
        const ParameterRecord& written = *sourceTable.live(slot);
        const ParameterRecord& back = *targetTable.live(slot);
        QCOMPARE(back.unitText, written.unitText);
        QVERIFY2(back.currentValue == asKept(written),
                 qPrintable(QStringLiteral("slot %1: %2 read back as %3")
                                .arg(slot)
                                .arg(double(written.currentValue), 0, 'g', 9)
                                .arg(double(back.currentValue), 0, 'g', 9)));
    }

    const WindowState& in = target.model.window();
    QCOMPARE(target.reader.systemDataSelection(), selection);
    QVERIFY(target.reader.systemDataSelectionRead());
    QCOMPARE(in.isChecked(Choice::HORIZ), horizontal);
    QCOMPARE(in.isChecked(Choice::LOCKA144), efficiencyLocked);
    QCOMPARE(in.isChecked(Choice::LOCKA149), !efficiencyLocked);
    QCOMPARE(in.checkedIn(ChoiceGroup::Comparison),
             static_cast<Choice>(int(Choice::R1) + comparison - 1));
    QCOMPARE(target.reader.projectName(), out.text(Field::QNUM));
    for (Field id : customerFields)
        QCOMPARE(in.text(id), out.text(id));
    for (Field id : costDescriptionFields)
        QCOMPARE(in.text(id), out.text(id));
}

QTEST_GUILESS_MAIN(TestAnalysisFileRoundTrip)
#include "tst_analysisfileroundtrip.moc"
