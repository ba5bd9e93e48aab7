// The keyed string tables, the word labels and the message box texts in both languages, and
// the German catalogue embedded in the program.

#include "settings/SourceText.h"
#include "settings/StringTable.h"
#include "settings/TextCatalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QtTest>

#include <algorithm>

using namespace wattmere;

namespace {

enum class Table { Window, Common, Labels, Boxes };

const TextSet& textSet(Table table) {
    switch (table) {
    case Table::Window:
        return analysisWindowTexts();
    case Table::Common:
        return commonTexts();
    case Table::Labels:
        return wordLabelTexts();
    case Table::Boxes:
        break;
    }
    return messageBoxTexts();
}

const char* tableName(Table table) {
    switch (table) {
    case Table::Window:
        return "window";
    case Table::Common:
        return "common";
    case Table::Labels:
        return "labels";
    case Table::Boxes:
        break;
    }
    return "boxes";
}

struct ExpectedText {
    Table table;
    const char* key;
    const char* english;
};

// Every key the program asks for, with its exact English text.
// clang-format off
const ExpectedText expectedTexts[] = {
    {Table::Window, "IDS_01", "The Design Head and Static Head Set Point entry are out of range! Please re-enter Design Head and Static Head Set Point."},
    {Table::Window, "IDS_02", "The Design Head must be greater than the removed pressure drop! Please re-enter the Design Head or Removed Pressure drop."},
    {Table::Window, "IDS_03", "The Static Head Set Point must be smaller or equal to Design Head! Please re-enter Design Head and Static Head Set Point."},
    {Table::Window, "IDS_04", "Motor Power must be greater or equal to the Shaft Power! Please re-enter Motor Power and Shaft Power."},
    {Table::Window, "IDS_05", "Drive Power must be greater or equal to the Shaft Power! Please re-enter Drive Power and Shaft Power."},
    {Table::Window, "IDS_06", "Drive Power must be greater or equal to the Motor Power! Please re-enter Drive Power or Motor Power."},
    {Table::Window, "IDS_10", "The End point currently falls below the design point flow, as a result the End point will be reset to twice the design point flow."},
    {Table::Window, "IDS_11", "A pumping application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?"},
    {Table::Window, "IDS_12", "A fan application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?"},
    {Table::Window, "IDS_13", "File does not exist!"},
    {Table::Window, "IDS_14", "Total Duty Cycle Percentages entered do not equal 100%. Please adjust the duty cycle percentages before proceeding."},
    {Table::Window, "IDS_15", "The Static Head Set Point must be smaller or equal to Design Head! Please re-enter Static Head Set Point."},
    {Table::Window, "IDS_16", "The System Data entered is not valid! Please re-enter the system data in order to continue."},
    {Table::Window, "IDS_17", "The System Data entered is not valid! Please re-enter the system data in order to continue."},
    {Table::Window, "IDS_18", "The data you have entered is not valid! Please adjust your data."},
    {Table::Window, "IDS_19", "The data you have entered is not valid! Please adjust your data."},
    {Table::Window, "IDS_20", "Please fill out all fields in STEP 2 to go to the duty cycle screen."},
    {Table::Window, "IDS_21", "Save project before closing?"},
    {Table::Window, "IDS_22", "Please fill out all fields in STEP 2 to continue to the next step."},
    {Table::Window, "IDS_23", "Restore default values for Step 2, continue?"},
    {Table::Window, "IDS_24", "Please fill out all fields in STEP 2 to activate the advanced mode."},
    {Table::Window, "IDS_25", "Curve end point needs to be greater than the start point."},
    {Table::Window, "IDS_26", "Design Point Efficiency has been limited to the Peak Efficiency!"},
    {Table::Window, "IDS_27", "Curve end point needs to be greater than the start point."},
    {Table::Window, "IDS_28", "Design Point Efficiency has been limited to the Peak Efficiency!"},
    {Table::Window, "IDS_29", "Restore default values for Step 4, continue?"},
    {Table::Window, "IDS_30", "The printer you are trying to use is currently not available. Use \"Printer Setup\" to select a different printer."},
    {Table::Window, "IDS_31", "Your default printer is currently unavailable. Please install or select another printer inside the Windows control panel."},
    {Table::Window, "IDS_32", "Restore default values for duty cycle fields, continue?"},
    {Table::Window, "IDS_33", "Restore default values for advanced mode, continue?"},
    {Table::Window, "IDS_36", "An error occurred while exporting."},
    {Table::Window, "IDS_37", "An error occurred while e-mailing."},
    {Table::Window, "IDS_38", "A pumping application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?"},
    {Table::Window, "IDS_39", "A fan application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?"},
    {Table::Window, "IDS_40", "This option is only available when a project is active."},
    {Table::Window, "IDS_41", "Please fill out all fields in STEP 2 to save this analysis."},
    {Table::Window, "IDS_44", "This option is only available when a project is active."},
    {Table::Window, "IDS_45", "Please fill out all fields in STEP 2 to save this analysis."},
    {Table::Window, "IDS_46", "File already exists! Do you want to replace it?"},
    {Table::Window, "IDS_48", "A pumping application analysis is currently active! Would you like to save this analysis before starting a new Fan Application Analysis?"},
    {Table::Window, "IDS_49", "A fan application analysis is currently active! Would you like to save this analysis before starting a new Fan Application Analysis?"},
    {Table::Window, "IDS_50", "A pumping application analysis is currently active! Would you like to save this analysis before starting a new Pump Application Analysis?"},
    {Table::Window, "IDS_51", "A fan application analysis is currently active! Would you like to save this analysis before starting a new Pump Application Analysis?"},
    {Table::Window, "IDS_55", "Exit Program?"},
    {Table::Window, "IDS_56", " Fan Application > Project: "},
    {Table::Window, "IDS_57", " Pump Application > Project: "},
    {Table::Window, "IDS_58", "This is the first time the program is started, would you like to configure the programs currency, power and engineering units?"},
    {Table::Window, "IDS_59", "Program Setup can also be accessed from the file menu."},
    {Table::Window, "IDS_60", "Flow for Point 1 must be less than the Design Point Flow when curve is horizontal at point 1"},
    {Table::Window, "IDS_61", "Flow for Point 1 and the Design Point Flow are equal but the pressure values are different!"},
    {Table::Window, "IDS_62", "Flow for Point 1 and the Point 2 are equal but the pressure values are different!"},
    {Table::Window, "IDS_63", "Flow for Point 2 and the Design Point Flow are equal but the pressure values are different!"},
    {Table::Window, "IDS_64", "Flow for Point 2 cannot be equal to the Design Point Flow!"},
    {Table::Window, "IDS_65", "Flow Point 1 is greater than the Design Flow, Pressure Point 1 must be less than the Design Flow Pressure!"},
    {Table::Window, "IDS_66", "Flow Point 2 is greater than the Design Flow, Pressure Point 2 must be less than the Design Flow Pressure!"},
    {Table::Window, "IDS_67", "Flow Point 1 is smaller than the Design Flow, Pressure Point 1 must be greater than the Design Flow Pressure!"},
    {Table::Window, "IDS_68", "Flow Point 2 is smaller than the Design Flow, Pressure Point 2 must be greater than the Design Flow Pressure!"},
    {Table::Window, "IDS_69", "Flow Design Point and Flow at Peak Efficiency are equal but the efficiency values are different!"},
    {Table::Window, "IDS_70", "Peak Efficiency must be greater than or equal to the Design Point Efficiency!"},
    {Table::Window, "IDS_71", "Design Point Efficiency is greater than the Peak Efficiency!"},
    {Table::Window, "IDS_72", "Design Point Efficiency is greater than the Peak Efficiency!"},
    {Table::Window, "IDS_73", "Addition Flow Point and Flow at Peak Efficiency are equal but the efficiency values are different!"},
    {Table::Window, "IDS_74", "Additional Efficiency Point must be smaller or equal to the Peak Efficiency!"},
    {Table::Window, "IDS_75", "The Efficiency at the additional point must be greater than or equal to half of the Peak Efficiency!"},
    {Table::Window, "IDS_76", "Peak Efficiency must be greater than or equal to the Design Point Efficiency"},
    {Table::Window, "IDS_88", " Wattmere Analysis Report"},
    {Table::Window, "IDS_89", "Years"},
    {Table::Window, "IDS_90", "More than 5 years"},
    {Table::Window, "IDS_91", "Immediate"},
    {Table::Window, "IDS_92", "Never"},
    {Table::Window, "IDS_93", "Low speed can't create flow"},
    {Table::Window, "IDS_100", " Wattmere Analysis Files (*.KVX)|*.KVX|"},
    {Table::Window, "IDS_101", " Wattmere Analysis Files (*.KVX)|*.KVX|"},
    {Table::Window, "IDS_102", "Total 2 Speed Motor Duty Cycle Percentages entered do not equal 100%. Please adjust the duty cycle percentages before proceeding."},
    {Table::Window, "IDS_103", "Calculation Error, please check entry."},
    {Table::Common, "IDS_0", "SUCCESS"},
    {Table::Common, "IDS_1", " out of range!"},
    {Table::Common, "IDS_2", "Minimum: "},
    {Table::Common, "IDS_3", "Maximum: "},
    {Table::Common, "IDS_4", "Continue?"},
    {Table::Common, "IDS_5", "Parameter in file not found!"},
    {Table::Common, "IDS_6", "Line/Parameter # out of range!"},
    {Table::Common, "IDS_8", "Error in line : "},
    {Table::Common, "IDS_9", "Application Information is Missing or Incorrect! Unable to load this file."},
    {Table::Common, "IDS_10", "Curve Information is Missing or Incorrect! Unable to load this file."},
    {Table::Common, "IDS_11", "Pressure Unit Information is Missing or Incorrect! Unable to load this file."},
    {Table::Common, "IDS_12", "Flow Unit Information is Missing or Incorrect! Unable to load this file."},
    {Table::Common, "IDS_13", "Power Unit Information is Missing or Incorrect! Unable to load this file."},
    {Table::Common, "IDS_14", "Currency Information is Missing or Incorrect! Unable to load this file."},
    {Table::Common, "IDS_23", "USER_ABORT"},
    {Table::Common, "IDS_24", "EMAIL FAILURE"},
    {Table::Common, "IDS_25", "LOGON FAILURE"},
    {Table::Common, "IDS_26", "DISK FULL"},
    {Table::Common, "IDS_27", "INSUFFICIENT MEMORY"},
    {Table::Common, "IDS_28", "ACCESS DENIED"},
    {Table::Common, "IDS_29", "TOO MANY SESSIONS"},
    {Table::Common, "IDS_30", "TOO MANY FILES"},
    {Table::Common, "IDS_31", "TOO MANY RECIPIENTS"},
    {Table::Common, "IDS_32", "ATTACHMENT NOT FOUND"},
    {Table::Common, "IDS_33", "ATTACHMENT OPEN FAILURE"},
    {Table::Common, "IDS_34", "ATTACHMENT WRITE FAILURE"},
    {Table::Common, "IDS_35", "UNKNOWN RECIPIENT"},
    {Table::Common, "IDS_36", "NO MESSAGES / BAD RECIPIENT"},
    {Table::Common, "IDS_37", "INVALID MESSAGE"},
    {Table::Common, "IDS_38", "MESSAGE TOO BIG"},
    {Table::Common, "IDS_39", "INVALID SESSION"},
    {Table::Common, "IDS_40", "MAIL TYPE NOT SUPPORTED"},
    {Table::Common, "IDS_41", "AMBIGUOUS RECIPIENT"},
    {Table::Common, "IDS_42", "MESSAGE IN USE"},
    {Table::Common, "IDS_43", "NETWORK FAILURE"},
    {Table::Common, "IDS_44", "INVALID EDIT FIELDS"},
    {Table::Common, "IDS_45", "INVALID RECIPIENTS"},
    {Table::Common, "IDS_46", "NO SUPPORTED"},
    {Table::Common, "IDS_47", "UNKNOWN"},
    {Table::Common, "IDS_48", "SMTP:"},
    {Table::Common, "IDS_51", "E-Mail function [MAPI] is not available."},
    {Table::Common, "IDS_52", "Error detected while sending mail ["},
    {Table::Common, "IDS_129", "PDF Files (*.PDF)|*.PDF|"},
    {Table::Common, "IDS_130", "Export Report to a PDF File"},
    {Table::Common, "IDS_131", ".pdf"},
    {Table::Common, "IDS_132", ".PDF"},
    {Table::Common, "IDS_133", "The Extension specified does not match the export file extension, the program will automatically update the specified extension to correct export extension."},
    {Table::Common, "IDS_135", " already exists!"},
    {Table::Common, "IDS_136", "Do you want to replace it?"},
    {Table::Common, "IDS_137", "An error occurred exporting the active report!"},
    {Table::Labels, "ChartMainTitle_Fan", "Fan and Control Curve Data"},
    {Table::Labels, "ChartMainTitle_Pump", "Pump and Control Curve Data"},
    {Table::Labels, "Fan_Word", "Fan"},
    {Table::Labels, "Pump_Word", "Pump"},
    {Table::Labels, "FanCurve_Word", "Fan Curve"},
    {Table::Labels, "PumpCurve_Word", "Pump Curve"},
    {Table::Labels, "FanCurveData_Word", "Fan Curve Data"},
    {Table::Labels, "PumpCurveData_Word", "Pump Curve Data"},
    {Table::Labels, "Flow_Word", "Flow (%)"},
    {Table::Labels, "Time_Word", "Time (%)"},
    {Table::Labels, "Savings_Word", "Savings"},
    {Table::Labels, "Outlet_Damper_Word", "Outlet Dampers"},
    {Table::Labels, "Throtteling_Valve_Word", "Throttling Valve"},
    {Table::Labels, "Inlet_Guide_Vane_Word", "Inlet Guide Vanes"},
    {Table::Labels, "Chart_Selection_FanCurve", "Fan/Control Curve"},
    {Table::Labels, "Chart_Selection_PumpCurve", "Pump/Control Curve"},
    {Table::Labels, "FAN_CURVE_HORIZ", "The fan curve at point 1 is horizontal"},
    {Table::Labels, "PUMP_CURVE_HORIZ", "The pump curve at point 1 is horizontal"},
    {Table::Labels, "FAN_POINT1", "Fan curve point 1:"},
    {Table::Labels, "FAN_POINT2", "Fan curve point 2:"},
    {Table::Labels, "PUMP_POINT1", "Pump curve point 1:"},
    {Table::Labels, "PUMP_POINT2", "Pump curve point 2:"},
    {Table::Labels, "Motor_2_Speed_Word", "2 Speed Motor"},
    {Table::Labels, "Constant_Volume_System", "Constant Volume System"},
    {Table::Labels, "Cycling_System", "Cycling System"},
    {Table::Labels, "Outlet_Damper_System", "Outlet Damper System"},
    {Table::Labels, "Throtteling_Valve_System", "Throttling Valve System"},
    {Table::Labels, "Inlet_Guide_Vane_System", "Inlet Guide Vane System"},
    {Table::Labels, "System_Design_Limits", " * = System Design Limits"},
    {Table::Labels, "High_Speed", "H"},
    {Table::Labels, "Low_Speed", "L"},
    {Table::Labels, "Fan_Application_Name", "Fan Application"},
    {Table::Labels, "Pump_Application_Name", "Pump Application"},
    {Table::Boxes, "Title_Warning", "Warning"},
    {Table::Boxes, "Title_Error", "Error"},
    {Table::Boxes, "Title_Information", "Information"},
    {Table::Boxes, "Title_Confirm", "Confirm"},
    {Table::Boxes, "Button_OK", "OK"},
    {Table::Boxes, "Button_Cancel", "Cancel"},
    {Table::Boxes, "Button_Yes", "&Yes"},
    {Table::Boxes, "Button_No", "&No"},
    {Table::Boxes, "Button_Abort", "&Abort"},
    {Table::Boxes, "Button_Retry", "&Retry"},
    {Table::Boxes, "Button_Ignore", "&Ignore"},
    {Table::Boxes, "Button_All", "&All"},
    {Table::Boxes, "Button_NoToAll", "N&o to All"},
    {Table::Boxes, "Button_YesToAll", "Yes to &All"},
    {Table::Boxes, "Button_Help", "&Help"},
};
// clang-format on

// Texts that German writes the same way; every other German text must differ from the
// English one, so that an entry copied instead of translated is caught.
bool sameInGerman(Table table, const QString& key) {
    static const QSet<QString> common{"IDS_2", "IDS_3", "IDS_48", "IDS_131", "IDS_132"};
    static const QSet<QString> labels{"High_Speed"};
    static const QSet<QString> boxes{"Title_Information", "Button_OK"};
    switch (table) {
    case Table::Common:
        return common.contains(key);
    case Table::Labels:
        return labels.contains(key);
    case Table::Boxes:
        return boxes.contains(key);
    case Table::Window:
        break;
    }
    return false;
}

bool startsWithBlank(const QString& text) {
    return text.startsWith(u' ');
}
bool endsWithBlank(const QString& text) {
    return text.endsWith(u' ');
}

} // namespace

Q_DECLARE_METATYPE(Table)

class TestStringTables : public QObject {
    Q_OBJECT

private slots:
    void catalogueIsEmbedded();
    void englishTexts_data() { expectedTextRows(); }
    void englishTexts();
    void germanTexts_data() { expectedTextRows(); }
    void germanTexts();
    void tableHoldsExactlyTheListedKeys_data();
    void tableHoldsExactlyTheListedKeys();
    void chosenGermanTexts_data();
    void chosenGermanTexts();
    void sameKeyDiffersBetweenTables();
    void tablesSwitchIndependently();
    void absentKeyIsReported_data();
    void absentKeyIsReported();
    void lookupIgnoresInstalledTranslator();
    void missingCatalogueFallsBackToEnglish();

private:
    static void expectedTextRows();
};

void TestStringTables::expectedTextRows() {
    QTest::addColumn<Table>("table");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("english");
    for (const ExpectedText& row : expectedTexts)
        QTest::addRow("%s %s", tableName(row.table), row.key)
            << row.table << QString::fromLatin1(row.key) << QString::fromUtf8(row.english);
}

void TestStringTables::catalogueIsEmbedded() {
    QVERIFY(QFile::exists(QString::fromLatin1(TextCatalogue::germanCataloguePath)));
    const TextCatalogue& catalogue = TextCatalogue::shared();
    QVERIFY(catalogue.isLoaded());
    QVERIFY(!catalogue.germanTranslator().isEmpty());
    QCOMPARE(catalogue.germanTranslator().language(), QStringLiteral("de_DE"));
    QVERIFY(&catalogue == &TextCatalogue::shared());
}

void TestStringTables::englishTexts() {
    QFETCH(Table, table);
    QFETCH(QString, key);
    QFETCH(QString, english);

    StringTable strings(textSet(table));
    QCOMPARE(strings.language(), Language::English);
    QVERIFY(strings.contains(key));
    QCOMPARE(strings.lookUpText(key), english);
    QCOMPARE(strings.find(key, Language::English), std::optional<QString>(english));
}

void TestStringTables::germanTexts() {
    QFETCH(Table, table);
    QFETCH(QString, key);
    QFETCH(QString, english);

    // Straight from the compiled catalogue, so a text missing there cannot hide behind the
    // English fallback.
    const TextSet& texts = textSet(table);
    const QString compiled = TextCatalogue::shared().germanTranslator().translate(
        texts.context, english.toUtf8().constData(), key.toLatin1().constData());
    QVERIFY2(!compiled.isEmpty(), "no German text in the compiled catalogue");

    StringTable strings(texts);
    strings.setLanguage(Language::German);
    QCOMPARE(strings.lookUpText(key), compiled);
    QCOMPARE(strings.find(key, Language::German), std::optional<QString>(compiled));
    if (!sameInGerman(table, key))
        QVERIFY2(compiled != english, qPrintable(compiled));

    // Callers join texts, so the blanks at either end must survive translation.
    QCOMPARE(startsWithBlank(compiled), startsWithBlank(english));
    QCOMPARE(endsWithBlank(compiled), endsWithBlank(english));
    QVERIFY(!compiled.contains(u'\n'));
}

void TestStringTables::tableHoldsExactlyTheListedKeys_data() {
    QTest::addColumn<Table>("table");
    QTest::addColumn<int>("count");
    QTest::newRow("window") << Table::Window << 75;
    QTest::newRow("common") << Table::Common << 50;
    QTest::newRow("labels") << Table::Labels << 33;
    QTest::newRow("boxes") << Table::Boxes << 15;
}

void TestStringTables::tableHoldsExactlyTheListedKeys() {
    QFETCH(Table, table);
    QFETCH(int, count);

    QStringList expected;
    for (const ExpectedText& row : expectedTexts)
        if (row.table == table)
            expected.append(QString::fromLatin1(row.key));
    QCOMPARE(expected.size(), count);

    // Also catches a key listed twice, which would hide one of its texts.
    QStringList keys = StringTable(textSet(table)).keys();
    QCOMPARE(keys.size(), count);
    keys.sort();
    keys.removeDuplicates();
    expected.sort();
    QCOMPARE(keys, expected);
}

void TestStringTables::chosenGermanTexts_data() {
    QTest::addColumn<Table>("table");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("german");
    QTest::newRow("exit question") << Table::Window << "IDS_55"
                                   << "Programm beenden?";
    QTest::newRow("caption prefix") << Table::Window << "IDS_56"
                                    << " Ventilatoranwendung > Projekt: ";
    QTest::newRow("out of range") << Table::Common << "IDS_1"
                                  << QString::fromUtf8(" außerhalb des zulässigen Bereichs!");
    QTest::newRow("minimum") << Table::Common << "IDS_2"
                             << "Minimum: ";
    QTest::newRow("mail address prefix") << Table::Common << "IDS_48"
                                         << "SMTP:";
    QTest::newRow("high speed") << Table::Labels << "High_Speed"
                                << "H";
    QTest::newRow("low speed is niedrig") << Table::Labels << "Low_Speed"
                                          << "N";
    QTest::newRow("design limits") << Table::Labels << "System_Design_Limits"
                                   << " * = Auslegungsgrenzen des Systems";
    QTest::newRow("time axis") << Table::Labels << "Time_Word"
                               << "Zeit (%)";
    QTest::newRow("confirm title")
        << Table::Boxes << MessageBoxKey::confirmTitle << QString::fromUtf8("Bestätigen");
    QTest::newRow("yes button") << Table::Boxes << MessageBoxKey::yesButton << "&Ja";
    QTest::newRow("no to all button")
        << Table::Boxes << MessageBoxKey::noToAllButton << "N&ein, keine";
}

void TestStringTables::chosenGermanTexts() {
    QFETCH(Table, table);
    QFETCH(QString, key);
    QFETCH(QString, german);

    StringTable strings(textSet(table));
    strings.setLanguage(Language::German);
    QCOMPARE(strings.lookUpText(key), german);
}

void TestStringTables::sameKeyDiffersBetweenTables() {
    StringTable window(analysisWindowTexts());
    StringTable common(commonTexts());
    QCOMPARE(window.lookUpText("IDS_12"),
             "A fan application analysis is currently active! Would you like to save this "
             "analysis before opening a previously saved analysis?");
    QCOMPARE(common.lookUpText("IDS_12"),
             "Flow Unit Information is Missing or Incorrect! Unable to load this file.");

    window.setLanguage(Language::German);
    common.setLanguage(Language::German);
    QVERIFY(window.lookUpText("IDS_12").startsWith("Eine Ventilatoranalyse ist derzeit aktiv!"));
    QVERIFY(common.lookUpText("IDS_12").startsWith("Angaben zur Volumenstromeinheit"));
}

void TestStringTables::tablesSwitchIndependently() {
    StringTable window(analysisWindowTexts());
    StringTable common(commonTexts());

    window.setLanguage(Language::German);
    QCOMPARE(window.language(), Language::German);
    QCOMPARE(common.language(), Language::English);
    QCOMPARE(window.lookUpText("IDS_55"), "Programm beenden?");
    QCOMPARE(common.lookUpText("IDS_4"), "Continue?");

    common.setLanguage(Language::German);
    window.setLanguage(Language::English);
    QCOMPARE(window.lookUpText("IDS_55"), "Exit Program?");
    QCOMPARE(common.lookUpText("IDS_4"), "Fortfahren?");

    // A second table over the same texts keeps its own language too.
    StringTable otherWindow(analysisWindowTexts());
    otherWindow.setLanguage(Language::German);
    QCOMPARE(window.lookUpText("IDS_55"), "Exit Program?");
}

void TestStringTables::absentKeyIsReported_data() {
    QTest::addColumn<Table>("table");
    QTest::addColumn<QString>("key");
    QTest::newRow("window key without leading zero") << Table::Window << "IDS_1";
    QTest::newRow("window key never listed") << Table::Window << "IDS_07";
    QTest::newRow("window key at end of range") << Table::Window << "IDS_104";
    QTest::newRow("window key other case") << Table::Window << "ids_01";
    QTest::newRow("common key with leading zero") << Table::Common << "IDS_01";
    QTest::newRow("common key never listed") << Table::Common << "IDS_7";
    QTest::newRow("common key at end of range") << Table::Common << "IDS_224";
    QTest::newRow("empty key") << Table::Common << "";
    QTest::newRow("label of other case") << Table::Labels << "Fan_word";
    QTest::newRow("panel name") << Table::Labels << "Translation_Panel";
    QTest::newRow("box text instead of key") << Table::Boxes << "&Yes";
}

void TestStringTables::absentKeyIsReported() {
    QFETCH(Table, table);
    QFETCH(QString, key);

    StringTable strings(textSet(table));
    QVERIFY(!strings.contains(key));
    QCOMPARE(strings.find(key, Language::English), std::nullopt);
    QCOMPARE(strings.find(key, Language::German), std::nullopt);
    QCOMPARE(strings.lookUpText(key), QString());
    strings.setLanguage(Language::German);
    QCOMPARE(strings.lookUpText(key), QString());
}

void TestStringTables::lookupIgnoresInstalledTranslator() {
    // The GUI installs the same translator for its captions; a table switched to English
    // must still read English, and one switched to German must not need it installed.
    StringTable window(analysisWindowTexts());
    QVERIFY(QCoreApplication::installTranslator(&TextCatalogue::shared().germanTranslator()));
    QCOMPARE(QCoreApplication::translate("AnalysisWindowStrings", "Exit Program?", "IDS_55"),
             "Programm beenden?");
    QCOMPARE(window.lookUpText("IDS_55"), "Exit Program?");
    QVERIFY(QCoreApplication::removeTranslator(&TextCatalogue::shared().germanTranslator()));

    window.setLanguage(Language::German);
    QCOMPARE(window.lookUpText("IDS_55"), "Programm beenden?");
}

void TestStringTables::missingCatalogueFallsBackToEnglish() {
    const TextCatalogue missing(QStringLiteral(":/i18n/no_such_catalogue.qm"));
    QVERIFY(!missing.isLoaded());

    StringTable common(commonTexts(), missing);
    common.setLanguage(Language::German);
    QCOMPARE(common.lookUpText("IDS_1"), " out of range!");
    QCOMPARE(common.lookUpText("IDS_7"), QString());
}

QTEST_GUILESS_MAIN(TestStringTables)
#include "tst_stringtables.moc"
