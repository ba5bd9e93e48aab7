#include "TempSettingsFile.h"
#include "settings/MultiLineText.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace wattmere;
using wattmere::test::rawKey;
using wattmere::test::TempSettingsFile;

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void readBool_data();
    void readBool();
    void readInteger_data();
    void readInteger();
    void readStringDefaultOnlyWhenMissing();
    void handEditedListReadsAsOneText();
    void writesEveryValueAsString_data();
    void writesEveryValueAsString();
    void textsSurviveTheFile_data();
    void textsSurviveTheFile();
    void linesJoinAndSplit_data();
    void linesJoinAndSplit();
    void lineBreaksOfAnyKindSplit_data();
    void lineBreaksOfAnyKindSplit();
    void threeLineTextStoredWithThreeCrLf();
    void missingFoldersAreCreatedOnFirstWrite();
    void unreadableStoreGivesDefaults();
    void userStoreLivesInTheConfigFolder();
};

// A missing value is a null QString in the tables below.
void TestSettingsStore::readBool_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");

    QTest::newRow("missing, default on") << QString() << true << true;
    QTest::newRow("missing, default off") << QString() << false << false;
    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("7 is on") << "7" << false << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("-3 is off") << "-3" << true << false;
    QTest::newRow("blanks around a number") << " 2 " << false << true;
    QTest::newRow("abc, default on") << "abc" << true << true;
    QTest::newRow("abc, default off") << "abc" << false << false;
    QTest::newRow("empty, default on") << "" << true << true;
    QTest::newRow("empty, default off") << "" << false << false;
    QTest::newRow("1.5 is no whole number") << "1.5" << false << false;
    QTest::newRow("0.5 is no whole number") << "0.5" << true << true;
    QTest::newRow("too big for a whole number") << "99999999999" << false << false;
}

void TestSettingsStore::readBool() {
    QFETCH(QString, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    if (!stored.isNull())
        file.putRaw("PROGRAM", "L1", stored);
    QCOMPARE(file.store().ReadBool(u"PROGRAM", u"L1", defaultValue), expected);
}

void TestSettingsStore::readInteger_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("defaultValue");
    QTest::addColumn<int>("expected");

    QTest::newRow("missing") << QString() << 0 << 0;
    QTest::newRow("missing, other default") << QString() << 5 << 5;
    QTest::newRow("42") << "42" << 0 << 42;
    QTest::newRow("-3") << "-3" << 0 << -3;
    QTest::newRow("abc") << "abc" << 5 << 5;
    QTest::newRow("empty") << "" << 5 << 5;
    QTest::newRow("1.5") << "1.5" << 5 << 5;
    QTest::newRow("digits then letters") << "12abc" << 5 << 5;
}

void TestSettingsStore::readInteger() {
    QFETCH(QString, stored);
    QFETCH(int, defaultValue);
    QFETCH(int, expected);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    if (!stored.isNull())
        file.putRaw("PROGRAM", "FPU", stored);
    QCOMPARE(file.store().ReadInteger(u"PROGRAM", u"FPU", defaultValue), expected);
}

void TestSettingsStore::readStringDefaultOnlyWhenMissing() {
    TempSettingsFile file;
    QVERIFY(file.isValid());
    const SettingsStore store = file.store();
    QCOMPARE(store.ReadString(u"PROGRAM", u"CCT", "-"), QString("-"));

    file.putRaw("PROGRAM", "CCT", "");
    QCOMPARE(store.ReadString(u"PROGRAM", u"CCT", "-"), QString(""));
    // The same name in another section is another value.
    QCOMPARE(store.ReadString(u"USER", u"CCT", "-"), QString("-"));
}

void TestSettingsStore::handEditedListReadsAsOneText() {
    TempSettingsFile file;
    QVERIFY(file.isValid());
    file.appendToFile("[SOFTWARE]\n"
                      "ORVEK\\WMR\\SETUP\\PROGRAM\\CCT=a,b\n"
                      "ORVEK\\WMR\\SETUP\\PROGRAM\\FPU=1,2\n"
                      "ORVEK\\WMR\\SETUP\\PROGRAM\\L1=1,2\n");
    const SettingsStore store = file.store();
    QCOMPARE(store.ReadString(u"PROGRAM", u"CCT", "-"), QString("a,b"));
    QCOMPARE(store.ReadInteger(u"PROGRAM", u"FPU", 0), 0);
    QCOMPARE(store.ReadBool(u"PROGRAM", u"L1", false), false);
}

void TestSettingsStore::writesEveryValueAsString_data() {
    QTest::addColumn<int>("kind"); // 0 switch, 1 integer, 2 text
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("switch on") << 0 << 1 << "1";
    QTest::newRow("switch off") << 0 << 0 << "0";
    QTest::newRow("integer") << 1 << 3 << "3";
    QTest::newRow("negative integer") << 1 << -7 << "-7";
    QTest::newRow("text") << 2 << 0 << "C:\\logo.png";
}

void TestSettingsStore::writesEveryValueAsString() {
    QFETCH(int, kind);
    QFETCH(int, number);
    QFETCH(QString, expected);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    SettingsStore store = file.store();
    if (kind == 0)
        store.WriteBool(u"PROGRAM", u"L8", number != 0);
    else if (kind == 1)
        store.WriteInteger(u"PROGRAM", u"L8", number);
    else
        store.WriteString(u"PROGRAM", u"L8", expected);

    // Within the process QSettings keeps the type it was given: a typed value would show here
    // (and would become a non-string registry value on Windows).
    const QVariant inProcess =
        QSettings(file.path(), QSettings::IniFormat).value(rawKey("PROGRAM", "L8"));
    QCOMPARE(inProcess.typeId(), int(QMetaType::QString));
    QCOMPARE(inProcess.toString(), expected);
    QCOMPARE(file.rawOnDisk("PROGRAM", "L8").toString(), expected);
}

void TestSettingsStore::textsSurviveTheFile_data() {
    QTest::addColumn<QString>("text");

    QTest::newRow("comma") << "a,b";
    QTest::newRow("commas and blanks") << "a, b ,c";
    QTest::newRow("leading @") << "@foo";
    QTest::newRow("leading @@") << "@@x";
    QTest::newRow("looks like a Qt marker") << "@Invalid()";
    QTest::newRow("blanks around") << "  lead and trail  ";
    QTest::newRow("pound with blank") << QString::fromUtf8("£ ");
    QTest::newRow("euro") << QString::fromUtf8("€");
    QTest::newRow("CR LF") << "x\r\ny\r\n";
    QTest::newRow("semicolon") << "a;b";
    QTest::newRow("equals sign") << "k=v";
    QTest::newRow("quotes") << "\"q\"";
    QTest::newRow("backslashes") << "C:\\logos\\firm.png";
    QTest::newRow("empty") << "";
}

void TestSettingsStore::textsSurviveTheFile() {
    QFETCH(QString, text);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    file.store().WriteString(u"USER", u"CPINFO", text);

    const SettingsStore later(file.reopenedPath());
    QCOMPARE(later.ReadString(u"USER", u"CPINFO", "default"), text);
}

void TestSettingsStore::linesJoinAndSplit_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("text");

    QTest::newRow("no lines") << QStringList() << "";
    QTest::newRow("one line") << QStringList{"Orvek"} << "Orvek\r\n";
    QTest::newRow("three lines") << QStringList{"a", "b, c", "@d"} << "a\r\nb, c\r\n@d\r\n";
    QTest::newRow("one empty line") << QStringList{""} << "\r\n";
    QTest::newRow("empty last line") << QStringList{"a", ""} << "a\r\n\r\n";
    QTest::newRow("empty middle line") << QStringList{"a", "", "b"} << "a\r\n\r\nb\r\n";
}

void TestSettingsStore::linesJoinAndSplit() {
    QFETCH(QStringList, lines);
    QFETCH(QString, text);

    QCOMPARE(joinStoredLines(lines), text);
    QCOMPARE(splitStoredLines(text), lines);
}

void TestSettingsStore::lineBreaksOfAnyKindSplit_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("no break after the last line") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("LF") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("CR") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("mixed") << "a\nb\r\nc" << QStringList{"a", "b", "c"};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
}

void TestSettingsStore::lineBreaksOfAnyKindSplit() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitStoredLines(text), lines);
}

void TestSettingsStore::threeLineTextStoredWithThreeCrLf() {
    TempSettingsFile file;
    QVERIFY(file.isValid());
    const QStringList lines{"Orvek Ltd.", "1 Mill Lane", "Leeds"};
    file.store().WriteLines(u"USER", u"CPINFO", lines);

    const QString raw = file.rawOnDisk("USER", "CPINFO").toString();
    QCOMPARE(raw, QString("Orvek Ltd.\r\n1 Mill Lane\r\nLeeds\r\n"));
    QCOMPARE(raw.count("\r\n"), 3);
    QCOMPARE(SettingsStore(file.reopenedPath()).ReadLines(u"USER", u"CPINFO"), lines);
}

void TestSettingsStore::missingFoldersAreCreatedOnFirstWrite() {
    TempSettingsFile file;
    QVERIFY(file.isValid());
    const QString path = file.dirPath() + "/ORVEK/deeper/WMR.ini";
    SettingsStore store(path);
    QCOMPARE(store.ReadInteger(u"PROGRAM", u"FFU", 0), 0);
    store.WriteInteger(u"PROGRAM", u"FFU", 5);

    QVERIFY(QFile::exists(path));
    QSettings onDisk(path, QSettings::IniFormat);
    QCOMPARE(onDisk.value(rawKey("PROGRAM", "FFU")).toString(), QString("5"));
}

void TestSettingsStore::unreadableStoreGivesDefaults() {
    TempSettingsFile file;
    QVERIFY(file.isValid());
    // A folder where the file should be: it can be neither read nor written.
    const QString blocked = file.dirPath() + "/blocked.ini";
    QVERIFY(QDir(file.dirPath()).mkdir("blocked.ini"));
    SettingsStore store(blocked);

    QCOMPARE(store.ReadString(u"PROGRAM", u"CCT", "-"), QString("-"));
    QCOMPARE(store.ReadBool(u"PROGRAM", u"L2", true), true);
    QCOMPARE(store.ReadBool(u"PROGRAM", u"L2", false), false);
    QCOMPARE(store.ReadInteger(u"PROGRAM", u"FPU", 0), 0);
    QCOMPARE(store.ReadLines(u"USER", u"PREP"), QStringList());

    // Writing is not possible and reports nothing; the folder stays as it was.
    store.WriteString(u"PROGRAM", u"CCT", "CHF");
    store.WriteBool(u"PROGRAM", u"L1", false);
    QVERIFY(QFileInfo(blocked).isDir());
    QVERIFY(QDir(blocked).isEmpty());
}

void TestSettingsStore::userStoreLivesInTheConfigFolder() {
#ifdef Q_OS_WIN
    QSKIP("The user store is the registry on Windows");
#else
    // Test mode sends the configuration folder to a test location; nothing is written here.
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY(configFolder.contains(".qttest"));
    QCOMPARE(SettingsStore::userStore().location(), configFolder + "/ORVEK/WMR.ini");
#endif
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
