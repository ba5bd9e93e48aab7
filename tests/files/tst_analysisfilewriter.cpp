// The writer: the exact bytes of the layout's head, CR LF after every line, the parameter line
// format, numbers that ignore the user's notation, and texts in Windows-1252.

#include "FileFixtures.h"
#include "files/AnalysisFileWriter.h"

#include <QTest>

using namespace wattmere;
using namespace wattmere::testing;

namespace {

const QDate savedOn(2025, 4, 3);
const QLocale usLocale(QLocale::English, QLocale::UnitedStates);

QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines)
        line.chop(1); // the CR
    return lines;
}

} // namespace

class TestAnalysisFileWriter : public QObject {
    Q_OBJECT
private slots:
    void headOfAFanFileByteForByte();
    void everyLineEndsWithCrLf();
    void parameterLineFormat_data();
    void parameterLineFormat();
    void parameterLinesFollowTheLiveTable();
    void numbersIgnoreTheNotation_data();
    void numbersIgnoreTheNotation();
    void pumpUnitsAndDefaultComparison();
    void textsInWindows1252AndWithoutLineBreaks();
    void nothingWithoutAnAnalysis();
};

void TestAnalysisFileWriter::headOfAFanFileByteForByte() {
    ModelSession session(Application::Fan, makeUnits(3, 5, 0, 0, 1, 1, QStringLiteral("XY")));
    WindowState& window = session.model.window();
    window.setChecked(Choice::S4, true);
    window.setChecked(Choice::HORIZ, false);
    window.setChecked(Choice::LOCKA144, true);
    window.setChecked(Choice::R2, true);
    window.setText(Field::QNUM, QStringLiteral("Projekt Ü"));
    window.setText(Field::PREPFOR, QStringLiteral("Name"));
    window.setText(Field::AddressFor2, QStringLiteral("Second line"));
    window.setText(Field::EmailFor, QStringLiteral("a@b.c"));
    window.setText(Field::OTHER1_INI_C, QStringLiteral("First cost"));
    window.setText(Field::OTHER3_ANU_D, QStringLiteral("Last cost"));

    const QByteArray bytes = writeAnalysisFile(session.model, savedOn, usLocale);
    const QByteArray date = usLocale.toString(savedOn, QLocale::ShortFormat).toLatin1();
    const QByteArray expectedHead = "[FILE INFO]\r\n"
                                    "\r\n"
                                    "FILE TYPE  : ORVEK ENERGY FILE 1.5\r\n"
                                    "DATE       : " +
                                    date +
                                    "\r\n"
                                    "\r\n"
                                    "[APPLICATION]\r\n\r\nFAN\r\n\r\n"
                                    "[SYSTEM DATA SELECTION]\r\n\r\n3\r\n\r\n\r\n"
                                    "[CURVE]\r\n\r\nNON-HORIZONTAL\r\n\r\n"
                                    "[PRESSURE]\r\n\r\n3\r\n\r\n"
                                    "[FLOW]\r\n\r\n5\r\n\r\n"
                                    "[POWER]\r\n\r\n1\r\n\r\n"
                                    "[CURRENCY]\r\n\r\n1\r\n\r\n"
                                    "[CURRENCY-C1]\r\n\r\n\xA3 \r\n\r\n"
                                    "[FLOWLOCK]\r\n\r\n1\r\n\r\n"
                                    "[SYSTEM]\r\n\r\n2\r\n\r\n"
                                    "[PROJECT NAME]\r\n\r\nProjekt \xDC\r\n\r\n"
                                    "[CUSTOMER INFO]\r\n"
                                    "Name\r\n\r\n\r\n\r\nSecond line\r\n\r\n\r\n\r\n\r\na@b.c\r\n"
                                    "[COST INFO]\r\n"
                                    "First cost\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nLast cost\r\n"
                                    "\r\n"
                                    "[DATA QEFS]\r\n"
                                    "\r\n"
                                    "P001=A1-01=24;                   Hours per day\r\n";
    QCOMPARE(bytes.left(expectedHead.size()), expectedHead);

    const QByteArray expectedTail = "P076=A1-76=0.0;           %      Time stopped\r\n"
                                    "\r\n"
                                    "[INFO]\r\n"
                                    "Name\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\na@b.c\r\n";
    QCOMPARE(bytes.right(expectedTail.size()), expectedTail);
    QCOMPARE(linesOf(bytes).size(), 162);
}

void TestAnalysisFileWriter::everyLineEndsWithCrLf() {
    ModelSession session(Application::Pump);
    const QByteArray bytes = writeAnalysisFile(session.model, savedOn, usLocale);
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', qPrintable(QString::number(i)));
        if (bytes[i] == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', qPrintable(QString::number(i)));
    }
}

void TestAnalysisFileWriter::parameterLineFormat_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("order");
    QTest::addColumn<float>("step");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line");
    QTest::newRow("the electricity cost example")
        << 4 << 4 << 1000.0f << 0.1f << "ct"
        << "Electricity cost"
        << "P004=A1-04=0.100;         ct     Electricity cost";
    QTest::newRow("step 1: no decimals") << 1 << 1 << 1.0f << 24.0f << ""
                                         << "Hours per day"
                                         << "P001=A1-01=24;                   Hours per day";
    QTest::newRow("step 10: one decimal") << 2 << 2 << 10.0f << 7.0f << ""
                                          << "Days per week"
                                          << "P002=A1-02=7.0;                  Days per week";
    QTest::newRow("step 100: two decimals, rounded")
        << 20 << 20 << 100.0f << 996.328f << "Pa"
        << "Design Head"
        << "P020=A1-20=996.33;        Pa     Design Head";
    QTest::newRow("step 10000: four decimals") << 7 << 7 << 10000.0f << 1.23456f << "x"
                                               << "n"
                                               << "P007=A1-07=1.2346;        x      n";
    QTest::newRow("any other step: four decimals") << 7 << 7 << 5.0f << 2.5f << ""
                                                   << "n"
                                                   << "P007=A1-07=2.5000;               n";
    QTest::newRow("negative value") << 9 << 9 << 100.0f << -3.25f << ""
                                    << "n"
                                    << "P009=A1-09=-3.25;                n";
    QTest::newRow("negative value rounding to zero") << 9 << 9 << 10.0f << -0.01f << ""
                                                     << "n"
                                                     << "P009=A1-09=0.0;                  n";
    QTest::newRow("long value and unit written whole")
        << 49 << 49 << 10000.0f << 2548512000.0f << "l/minute"
        << "Design Point Flow"
        << "P049=A1-49=2548512000.0000;l/minuteDesign Point Flow";
    QTest::newRow("three-digit order and slot") << 123 << 123 << 1.0f << 5.0f << "%"
                                                << "n"
                                                << "P123=A1-123=5;             %      n";
}

void TestAnalysisFileWriter::parameterLineFormat() {
    QFETCH(int, slot);
    QFETCH(int, order);
    QFETCH(float, step);
    QFETCH(float, value);
    QFETCH(QString, unit);
    QFETCH(QString, name);
    QFETCH(QString, line);
    ParameterRecord record;
    record.slotNumber = static_cast<quint16>(slot);
    record.orderNumber = static_cast<quint16>(order);
    record.step = step;
    record.currentValue = value;
    record.unitText = unit;
    record.name = name;
    QCOMPARE(parameterLine(record), line);
}

void TestAnalysisFileWriter::parameterLinesFollowTheLiveTable() {
    ModelSession session(Application::Fan, makeUnits(2, 2, 0, 0, 0, 0));
    session.slot(20).currentValue = 1234.5f;
    session.slot(4).currentValue = 0.125f;
    const QList<QByteArray> lines = linesOf(writeAnalysisFile(session.model, savedOn, usLocale));
    const qsizetype first = lines.indexOf("[DATA QEFS]") + 2;
    for (int slot = 1; slot <= parameterTableSlots; ++slot) {
        const QByteArray line = lines.at(first + slot - 1);
        QVERIFY2(line.startsWith(QStringLiteral("P%1=A1-%2=")
                                     .arg(slot, 3, 10, QLatin1Char('0'))
                                     .arg(slot, 2, 10, QLatin1Char('0'))
                                     .toLatin1()),
                 line.constData());
        QVERIFY2(line.endsWith(session.slot(slot).name.toLatin1()), line.constData());
    }
    QCOMPARE(lines.at(first + 19), QByteArray("P020=A1-20=1234.50;       Pa     Design Head"));
    QCOMPARE(lines.at(first + 48).left(27), QByteArray("P049=A1-49=114845.60;     M"));
    QCOMPARE(lines.at(first + parameterTableSlots), QByteArray());
    QCOMPARE(lines.at(first + parameterTableSlots + 1), QByteArray("[INFO]"));
}

void TestAnalysisFileWriter::numbersIgnoreTheNotation_data() {
    QTest::addColumn<int>("notation");
    QTest::newRow("999,999.99") << 1;
    QTest::newRow("999.999,99") << 2;
}

void TestAnalysisFileWriter::numbersIgnoreTheNotation() {
    QFETCH(int, notation);
    ModelSession session(Application::Fan, {}, notation);
    session.slot(9).currentValue = 1234567.0f;
    session.slot(5).currentValue = 1234.5f;
    const QByteArray bytes = writeAnalysisFile(session.model, savedOn, usLocale);
    QVERIFY(bytes.contains("\r\nP009=A1-09=1234567;"));
    QVERIFY(bytes.contains("\r\nP005=A1-05=1234.5;"));
    QVERIFY(!bytes.contains("1,234") && !bytes.contains("1.234,5"));
}

void TestAnalysisFileWriter::pumpUnitsAndDefaultComparison() {
    // The pump's own unit settings go into the file; without a checked comparison button the
    // pump's default, the throttling valve, is written.
    ModelSession session(Application::Pump, makeUnits(1, 1, 4, 3, 0, 3, QStringLiteral("CHF")));
    const QList<QByteArray> lines = linesOf(writeAnalysisFile(session.model, savedOn, usLocale));
    const auto valueOf = [&lines](const char* title) {
        return lines.at(lines.indexOf(QByteArray(title)) + 2);
    };
    QCOMPARE(valueOf("[APPLICATION]"), QByteArray("PUMP"));
    QCOMPARE(valueOf("[PRESSURE]"), QByteArray("4"));
    QCOMPARE(valueOf("[FLOW]"), QByteArray("3"));
    QCOMPARE(valueOf("[CURRENCY]"), QByteArray("3"));
    QCOMPARE(valueOf("[CURRENCY-C1]"), QByteArray("CHF"));
    QCOMPARE(valueOf("[SYSTEM]"), QByteArray("4"));
    QCOMPARE(valueOf("[FLOWLOCK]"), QByteArray("0"));
    QCOMPARE(valueOf("[CURVE]"), QByteArray("HORIZONTAL"));
    QCOMPARE(valueOf("[SYSTEM DATA SELECTION]"), QByteArray("0"));
    QVERIFY(lines.contains("P020=A1-20=2.00;          MPa    Design Head"));
}

void TestAnalysisFileWriter::textsInWindows1252AndWithoutLineBreaks() {
    ModelSession session(Application::Fan);
    WindowState& window = session.model.window();
    window.setText(Field::Companyfor, QStringLiteral("Müller € £ – Ж"));
    window.setText(Field::OTHER1_ANU_C, QStringLiteral("two\nlines\r\nhere"));
    const QList<QByteArray> lines = linesOf(writeAnalysisFile(session.model, savedOn, usLocale));
    const qsizetype customer = lines.indexOf("[CUSTOMER INFO]");
    QCOMPARE(lines.at(customer + 3), QByteArray("M\xFCller \x80 \xA3 \x96 ?"));
    const qsizetype cost = lines.indexOf("[COST INFO]");
    QCOMPARE(lines.at(cost + 5), QByteArray("two lines  here"));
    QCOMPARE(lines.at(cost + 11), QByteArray());
    QCOMPARE(lines.at(cost + 12), QByteArray("[DATA QEFS]"));
}

void TestAnalysisFileWriter::nothingWithoutAnAnalysis() {
    ModelSession session;
    QVERIFY(writeAnalysisFile(session.model, savedOn, usLocale).isEmpty());
}

QTEST_GUILESS_MAIN(TestAnalysisFileWriter)
#include "tst_analysisfilewriter.moc"
