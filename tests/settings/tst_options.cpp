#include "TempSettingsFile.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <functional>

using namespace wattmere;
using wattmere::test::rawKey;
using wattmere::test::TempSettingsFile;

Q_DECLARE_METATYPE(wattmere::OptionsDialogState)
Q_DECLARE_METATYPE(wattmere::Language)

namespace {

const QLocale german(QLocale::German, QLocale::Germany);

// The option an index setting of section "PROGRAM" loads into.
int loadedIndex(const Options& options, const QString& name) {
    const std::map<QString, std::function<int(const Options&)>> indexOf{
        {"FPU", [](const Options& o) { return o.units.fanPressure; }},
        {"FFU", [](const Options& o) { return o.units.fanFlow; }},
        {"PPU", [](const Options& o) { return o.units.pumpPressure; }},
        {"PFU", [](const Options& o) { return o.units.pumpFlow; }},
        {"PWU", [](const Options& o) { return o.units.power; }},
        {"CRU", [](const Options& o) { return o.units.currency; }},
        {"NTU", [](const Options& o) { return o.notation; }},
        {"LANGUAGE", [](const Options& o) { return static_cast<int>(o.language); }},
    };
    return indexOf.at(name)(options);
}

bool loadedSwitch(const Options& options, const QString& name) {
    if (name == "L1")
        return options.L1;
    if (name == "L2")
        return options.L2;
    if (name == "L8")
        return options.L8;
    return options.L9;
}

OptionsDialogState sampleDialog() {
    OptionsDialogState dialog;
    dialog.fanPressure = 2;
    dialog.fanFlow = 5;
    dialog.pumpPressure = 4;
    dialog.pumpFlow = 3;
    dialog.power = 1;
    dialog.currency = 3;
    dialog.customCurrencyText = "SWISSF";
    dialog.notation = 2;
    dialog.L8 = false;
    dialog.L9 = true;
    dialog.logoFile = "/home/ann/logos/firm, ltd.png";
    dialog.preparedBy = {"Ann Smith", "@Orvek"};
    dialog.companyInfo = {"Orvek Ltd.", "1 Mill Lane, Leeds", QString::fromUtf8("£ 5 €")};
    dialog.language = 1;
    return dialog;
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void firstStartGivesEveryDefault_data();
    void firstStartGivesEveryDefault();
    void storedIndex_data();
    void storedIndex();
    void storedSwitch_data();
    void storedSwitch();
    void currency_data();
    void currency();
    void notationSetsSeparators_data();
    void notationSetsSeparators();
    void languageAndBaseName_data();
    void languageAndBaseName();
    void textsAndLogo();

    void saveWritesExactlyTheTable();
    void saveThenLoadRoundTrips_data();
    void saveThenLoadRoundTrips();
    void saveStoresCurrencyTextUnchanged_data();
    void saveStoresCurrencyTextUnchanged();
    void saveWithNothingCheckedStoresFirstChoices();
    void saveKeepsOptionsTheDialogDoesNotShow();
    void companyTextOfThreeLinesHasThreeCrLf();
    void closingSetupOverviewStoresL9_data();
    void closingSetupOverviewStoresL9();
};

void TestOptions::firstStartGivesEveryDefault_data() {
    QTest::addColumn<bool>("blocked");
    QTest::newRow("no settings yet") << false;
    QTest::newRow("store cannot be read") << true;
}

void TestOptions::firstStartGivesEveryDefault() {
    QFETCH(bool, blocked);
    TempSettingsFile file;
    QVERIFY(file.isValid());
    QString path = file.path();
    if (blocked) {
        QVERIFY(QDir(file.dirPath()).mkdir("blocked.ini"));
        path = file.dirPath() + "/blocked.ini";
    }

    const Options options = loadOptions(SettingsStore(path), QLocale::c());

    QCOMPARE(options.units, UnitSettings{.customCurrency = "-"});
    QCOMPARE(currencySymbol(options.units), QString("$"));
    QCOMPARE(powerUnitText(options.units), QString("HP"));
    QCOMPARE(options.storedCurrencyText, QString("-"));
    QCOMPARE(options.notation, 0);
    QCOMPARE(options.separators, (SeparatorPair{u'.', u','}));
    QCOMPARE(options.language, Language::English);
    QCOMPARE(options.reportBaseName(), QString("ZEPLAE"));
    QVERIFY(options.L1);
    QVERIFY(options.L2);
    QVERIFY(options.L8);
    QVERIFY(options.L9);
    QCOMPARE(options.logoFile, QString());
    QCOMPARE(options.preparedBy, QStringList());
    QCOMPARE(options.companyInfo, QStringList());
    QVERIFY(options == Options{});
}

void TestOptions::storedIndex_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");

    const std::vector<std::pair<QString, int>> settings{{"FPU", 4}, {"FFU", 5},     {"PPU", 5},
                                                        {"PFU", 4}, {"PWU", 1},     {"CRU", 3},
                                                        {"NTU", 2}, {"LANGUAGE", 1}};
    for (const auto& [name, max] : settings) {
        const QByteArray n = name.toLatin1();
        QTest::addRow("%s lowest", n.data()) << name << "0" << 0;
        QTest::addRow("%s 1", n.data()) << name << "1" << 1;
        QTest::addRow("%s highest", n.data()) << name << QString::number(max) << max;
        QTest::addRow("%s above range", n.data()) << name << QString::number(max + 1) << 0;
        QTest::addRow("%s -1", n.data()) << name << "-1" << 0;
        QTest::addRow("%s -3", n.data()) << name << "-3" << 0;
        QTest::addRow("%s abc", n.data()) << name << "abc" << 0;
        QTest::addRow("%s empty", n.data()) << name << "" << 0;
        QTest::addRow("%s 1.5", n.data()) << name << "1.5" << 0;
    }
}

void TestOptions::storedIndex() {
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(int, expected);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    file.putRaw("PROGRAM", name, stored);
    QCOMPARE(loadedIndex(loadOptions(file.store(), QLocale::c()), name), expected);
}

void TestOptions::storedSwitch_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("expected");

    for (const char* name : {"L1", "L2", "L8", "L9"}) {
        QTest::addRow("%s 0", name) << name << "0" << false;
        QTest::addRow("%s 1", name) << name << "1" << true;
        QTest::addRow("%s 2", name) << name << "2" << true;
        QTest::addRow("%s -3", name) << name << "-3" << false;
        QTest::addRow("%s x", name) << name << "x" << true;
        QTest::addRow("%s abc", name) << name << "abc" << true;
        QTest::addRow("%s empty", name) << name << "" << true;
        QTest::addRow("%s 1.5", name) << name << "1.5" << true;
    }
}

void TestOptions::storedSwitch() {
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(bool, expected);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    file.putRaw("PROGRAM", name, stored);
    const Options options = loadOptions(file.store(), QLocale::c());
    QCOMPARE(loadedSwitch(options, name), expected);
    // The other switches keep their default.
    for (const char* other : {"L1", "L2", "L8", "L9"}) {
        if (name != other)
            QVERIFY(loadedSwitch(options, other));
    }
}

// A null CCT column means no "CCT" value is stored.
void TestOptions::currency_data() {
    QTest::addColumn<QString>("cru");
    QTest::addColumn<QString>("cct");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("customText");

    QTest::newRow("dollar") << "0" << QString() << "$"
                            << "-";
    QTest::newRow("pound keeps its blank") << "1" << QString() << QString::fromUtf8("£ ") << "-";
    QTest::newRow("euro") << "2" << QString() << QString::fromUtf8("€") << "-";
    QTest::newRow("user-defined without CCT") << "3" << QString() << "-"
                                              << "-";
    QTest::newRow("user-defined CHF") << "3"
                                      << "CHF"
                                      << "CHF"
                                      << "CHF";
    QTest::newRow("user-defined cut to 4") << "3"
                                           << "SWISSF"
                                           << "SWIS"
                                           << "SWIS";
    QTest::newRow("user-defined empty") << "3"
                                        << ""
                                        << ""
                                        << "";
    QTest::newRow("dollar with CCT") << "0"
                                     << "SWISSF"
                                     << "$"
                                     << "SWIS";
    QTest::newRow("CRU 4 is dollar") << "4"
                                     << "CHF"
                                     << "$"
                                     << "CHF";
}

void TestOptions::currency() {
    QFETCH(QString, cru);
    QFETCH(QString, cct);
    QFETCH(QString, symbol);
    QFETCH(QString, customText);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    file.putRaw("PROGRAM", "CRU", cru);
    if (!cct.isNull())
        file.putRaw("PROGRAM", "CCT", cct);
    const Options options = loadOptions(file.store(), QLocale::c());
    QCOMPARE(currencySymbol(options.units), symbol);
    QCOMPARE(options.units.customCurrency, customText);
    QCOMPARE(options.storedCurrencyText, cct.isNull() ? QString("-") : cct);
}

void TestOptions::notationSetsSeparators_data() {
    QTest::addColumn<QString>("ntu");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QChar>("thousands");

    QTest::newRow("automatic, C locale") << "0" << QLocale::c() << QChar('.') << QChar(',');
    QTest::newRow("automatic, German locale") << "0" << german << QChar(',') << QChar('.');
    QTest::newRow("999,999.99 whatever the locale") << "1" << german << QChar('.') << QChar(',');
    QTest::newRow("999.999,99") << "2" << QLocale::c() << QChar(',') << QChar('.');
    QTest::newRow("3 is automatic") << "3" << german << QChar(',') << QChar('.');
}

void TestOptions::notationSetsSeparators() {
    QFETCH(QString, ntu);
    QFETCH(QLocale, locale);
    QFETCH(QChar, decimal);
    QFETCH(QChar, thousands);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    file.putRaw("PROGRAM", "NTU", ntu);
    const Options options = loadOptions(file.store(), locale);
    QCOMPARE(options.separators.decimal, decimal);
    QCOMPARE(options.separators.thousands, thousands);
}

void TestOptions::languageAndBaseName_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("baseName");

    QTest::newRow("0 English") << "0" << Language::English << "ZEPLAE";
    QTest::newRow("1 German") << "1" << Language::German << "ZEPLAG";
    QTest::newRow("2 English") << "2" << Language::English << "ZEPLAE";
    QTest::newRow("-1 English") << "-1" << Language::English << "ZEPLAE";
}

void TestOptions::languageAndBaseName() {
    QFETCH(QString, stored);
    QFETCH(Language, language);
    QFETCH(QString, baseName);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    file.putRaw("PROGRAM", "LANGUAGE", stored);
    const Options options = loadOptions(file.store(), QLocale::c());
    QCOMPARE(options.language, language);
    QCOMPARE(options.reportBaseName(), baseName);
    QCOMPARE(reportBaseNameFor(language), baseName);

    // The file reader's messages follow the loaded language.
    StringTable common(commonTexts());
    ApplyLanguageSetting(options, common);
    QCOMPARE(common.language(), language);
    QCOMPARE(common.lookUpText(QStringLiteral("IDS_4")) == QStringLiteral("Continue?"),
             language == Language::English);
}

void TestOptions::textsAndLogo() {
    TempSettingsFile file;
    QVERIFY(file.isValid());
    file.putRaw("CUSTOMREP", "LOGOFN", "C:\\Logos\\Orvek Ltd.png");
    file.putRaw("USER", "PREP", "Ann Smith\r\nEngineer\r\n");
    file.putRaw("USER", "CPINFO", "Orvek Ltd.\r\n\r\n1 Mill Lane, Leeds");
    const Options options = loadOptions(file.store(), QLocale::c());
    QCOMPARE(options.logoFile, QString("C:\\Logos\\Orvek Ltd.png"));
    QCOMPARE(options.preparedBy, (QStringList{"Ann Smith", "Engineer"}));
    QCOMPARE(options.companyInfo, (QStringList{"Orvek Ltd.", "", "1 Mill Lane, Leeds"}));
}

void TestOptions::saveWritesExactlyTheTable() {
    TempSettingsFile file;
    QVERIFY(file.isValid());
    SettingsStore store = file.store();
    saveOptions(store, sampleDialog(), Options{}, QLocale::c());

    const std::map<QString, QString> expected{
        {rawKey("CUSTOMREP", "LOGOFN"), "/home/ann/logos/firm, ltd.png"},
        {rawKey("USER", "PREP"), "Ann Smith\r\n@Orvek\r\n"},
        {rawKey("USER", "CPINFO"),
         QString::fromUtf8("Orvek Ltd.\r\n1 Mill Lane, Leeds\r\n£ 5 €\r\n")},
        {rawKey("PROGRAM", "L8"), "0"},
        {rawKey("PROGRAM", "L9"), "1"},
        {rawKey("PROGRAM", "FPU"), "2"},
        {rawKey("PROGRAM", "FFU"), "5"},
        {rawKey("PROGRAM", "PPU"), "4"},
        {rawKey("PROGRAM", "PFU"), "3"},
        {rawKey("PROGRAM", "PWU"), "1"},
        {rawKey("PROGRAM", "CRU"), "3"},
        {rawKey("PROGRAM", "CCT"), "SWISSF"},
        {rawKey("PROGRAM", "NTU"), "2"},
        {rawKey("PROGRAM", "LANGUAGE"), "1"},
    };

    QSettings onDisk(file.reopenedPath(), QSettings::IniFormat);
    QStringList expectedKeys;
    for (const auto& [key, text] : expected)
        expectedKeys << key;
    QStringList keys = onDisk.allKeys();
    keys.sort();
    expectedKeys.sort();
    QCOMPARE(keys, expectedKeys);

    // The process still holds the values as they were handed over: all of them strings.
    QSettings inProcess(file.path(), QSettings::IniFormat);
    for (const auto& [key, text] : expected) {
        QCOMPARE(onDisk.value(key).toString(), text);
        QCOMPARE(inProcess.value(key).typeId(), int(QMetaType::QString));
    }
}

void TestOptions::saveThenLoadRoundTrips_data() {
    QTest::addColumn<OptionsDialogState>("dialog");
    QTest::addColumn<QLocale>("locale");

    QTest::newRow("every option away from its default") << sampleDialog() << german;

    OptionsDialogState british = sampleDialog();
    british.fanPressure = 4;
    british.fanFlow = 0;
    british.pumpPressure = 5;
    british.pumpFlow = 4;
    british.power = 0;
    british.currency = 1;
    british.customCurrencyText = "AAAA";
    british.notation = 1;
    british.L8 = true;
    british.L9 = false;
    british.language = 0;
    QTest::newRow("pound, HP, 999,999.99") << british << german;

    OptionsDialogState plain;
    plain.currency = 0;
    plain.notation = 0;
    plain.language = 0;
    QTest::newRow("first choices and empty texts") << plain << german;

    OptionsDialogState strayLines = sampleDialog();
    strayLines.companyInfo = {"line with\r\na break", ""};
    strayLines.preparedBy = {""};
    QTest::newRow("lines with breaks and empty lines") << strayLines << QLocale::c();
}

void TestOptions::saveThenLoadRoundTrips() {
    QFETCH(OptionsDialogState, dialog);
    QFETCH(QLocale, locale);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    SettingsStore store = file.store();
    const Options saved = saveOptions(store, dialog, Options{}, locale);

    QCOMPARE(saved.units.fanPressure, dialog.fanPressure < 0 ? 0 : dialog.fanPressure);
    QCOMPARE(saved.notation, dialog.notation);
    QCOMPARE(static_cast<int>(saved.language), dialog.language);
    QCOMPARE(saved.L8, dialog.L8);
    QCOMPARE(saved.L9, dialog.L9);
    QCOMPARE(saved.logoFile, dialog.logoFile);

    const Options loaded = loadOptions(SettingsStore(file.reopenedPath()), locale);
    QCOMPARE(loaded.units, saved.units);
    QCOMPARE(loaded.storedCurrencyText, saved.storedCurrencyText);
    QCOMPARE(loaded.separators, saved.separators);
    QCOMPARE(loaded.preparedBy, saved.preparedBy);
    QCOMPARE(loaded.companyInfo, saved.companyInfo);
    QVERIFY(loaded == saved);
}

void TestOptions::saveStoresCurrencyTextUnchanged_data() {
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("customText");

    QTest::newRow("dollar with a long box") << 0 << "SWISSF"
                                            << "$"
                                            << "SWIS";
    QTest::newRow("pound with untouched box") << 1 << "AAAA" << QString::fromUtf8("£ ") << "AAAA";
    QTest::newRow("euro") << 2 << "CHF" << QString::fromUtf8("€") << "CHF";
    QTest::newRow("user-defined long") << 3 << "SWISSF"
                                       << "SWIS"
                                       << "SWIS";
    QTest::newRow("user-defined CHF") << 3 << "CHF"
                                      << "CHF"
                                      << "CHF";
    QTest::newRow("user-defined empty") << 3 << ""
                                        << ""
                                        << "";
}

void TestOptions::saveStoresCurrencyTextUnchanged() {
    QFETCH(int, currency);
    QFETCH(QString, box);
    QFETCH(QString, symbol);
    QFETCH(QString, customText);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    SettingsStore store = file.store();
    OptionsDialogState dialog = sampleDialog();
    dialog.currency = currency;
    dialog.customCurrencyText = box;
    const Options saved = saveOptions(store, dialog, Options{}, QLocale::c());

    QCOMPARE(file.rawOnDisk("PROGRAM", "CCT").toString(), box);
    QCOMPARE(file.rawOnDisk("PROGRAM", "CRU").toString(), QString::number(currency));
    QCOMPARE(currencySymbol(saved.units), symbol);
    QCOMPARE(saved.units.customCurrency, customText);
    QCOMPARE(saved.storedCurrencyText, box);
}

void TestOptions::saveWithNothingCheckedStoresFirstChoices() {
    TempSettingsFile file;
    QVERIFY(file.isValid());
    SettingsStore store = file.store();
    OptionsDialogState dialog; // every group unchecked, no language selected
    dialog.fanFlow = 6;        // no such choice
    dialog.power = 2;
    const Options saved = saveOptions(store, dialog, Options{}, QLocale::c());

    for (const char* name : {"FPU", "FFU", "PPU", "PFU", "PWU", "CRU", "NTU", "LANGUAGE"})
        QCOMPARE(file.rawOnDisk("PROGRAM", name).toString(), QString("0"));
    QCOMPARE(saved.units, UnitSettings{});
    QCOMPARE(saved.notation, 0);
    QCOMPARE(saved.language, Language::English);
    QCOMPARE(saved.reportBaseName(), QString("ZEPLAE"));
}

void TestOptions::saveKeepsOptionsTheDialogDoesNotShow() {
    TempSettingsFile file;
    QVERIFY(file.isValid());
    file.putRaw("PROGRAM", "L1", "0");
    file.putRaw("PROGRAM", "L2", "0");
    SettingsStore store = file.store();
    const Options current = loadOptions(store, QLocale::c());
    QVERIFY(!current.L1);

    const Options saved = saveOptions(store, sampleDialog(), current, QLocale::c());
    QVERIFY(!saved.L1);
    QVERIFY(!saved.L2);
    QCOMPARE(file.rawOnDisk("PROGRAM", "L1").toString(), QString("0"));
    QCOMPARE(file.rawOnDisk("PROGRAM", "L2").toString(), QString("0"));
}

void TestOptions::companyTextOfThreeLinesHasThreeCrLf() {
    TempSettingsFile file;
    QVERIFY(file.isValid());
    SettingsStore store = file.store();
    OptionsDialogState dialog = sampleDialog();
    dialog.companyInfo = {"Orvek Ltd.", "1 Mill Lane", "Leeds"};
    saveOptions(store, dialog, Options{}, QLocale::c());

    const QString raw = file.rawOnDisk("USER", "CPINFO").toString();
    QCOMPARE(raw, QString("Orvek Ltd.\r\n1 Mill Lane\r\nLeeds\r\n"));
    QCOMPARE(raw.count("\r\n"), 3);
}

void TestOptions::closingSetupOverviewStoresL9_data() {
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("stored");
    QTest::newRow("ticked") << true << "1";
    QTest::newRow("not ticked") << false << "0";
}

void TestOptions::closingSetupOverviewStoresL9() {
    QFETCH(bool, ticked);
    QFETCH(QString, stored);

    TempSettingsFile file;
    QVERIFY(file.isValid());
    file.putRaw("PROGRAM", "L9", ticked ? "0" : "1");
    SettingsStore store = file.store();
    Options options = loadOptions(store, QLocale::c());
    QCOMPARE(options.L9, !ticked);

    saveSetupOverviewChoice(store, options, ticked);
    QCOMPARE(options.L9, ticked);
    QCOMPARE(file.rawOnDisk("PROGRAM", "L9").toString(), stored);
    QCOMPARE(loadOptions(SettingsStore(file.reopenedPath()), QLocale::c()).L9, ticked);
}

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
