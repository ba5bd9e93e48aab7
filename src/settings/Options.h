#pragma once
// The program-wide options held in memory, loaded from and saved to the settings store, and
// the state of the properties dialog that saving takes them from.

#include "core/Language.h"
#include "params/SeparatorPair.h"
#include "settings/StringTable.h"
#include "units/UnitSettings.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace wattmere {

class SettingsStore;

inline constexpr int maxNotationIndex = 2;
inline constexpr int maxLanguageIndex = 1;

// The options in force; the defaults are what loading finds in an empty store.
struct Options {
    UnitSettings units{.customCurrency = QStringLiteral("-")}; // customCurrency: "CCT" cut to 4
    QString storedCurrencyText = QStringLiteral("-");          // "CCT" as stored
    int notation = 0;         // "NTU" 0..2: automatic, "999,999.99", "999.999,99"
    SeparatorPair separators; // the program's pair, from the notation
    Language language = Language::English;
    bool L1 = true;          // customer address block on the report
    bool L2 = true;          // main logo on the report
    bool L8 = true;          // introduction screen when an analysis starts
    bool L9 = true;          // program setup overview before a new analysis
    QString logoFile;        // company logo picture, block 1 of the report
    QStringList preparedBy;  // "PREP", block 4 of the report
    QStringList companyInfo; // "CPINFO", block 2 of the report

    // "ZEPLAE" or "ZEPLAG": the report template and help file of the language.
    QString reportBaseName() const;

    bool operator==(const Options&) const = default;
};

// The base name of the report template and help file: "ZEPLAG" for German, else "ZEPLAE".
QString reportBaseNameFor(Language language);

// After the options are loaded or saved: the common string table (file reader, e-mail, print
// and export messages) speaks the options' language. The report and help base name follow
// from the language itself (reportBaseName).
void ApplyLanguageSetting(const Options& options, StringTable& commonTable);

// What the properties dialog shows when "&Save and Exit" is pressed. A choice group holds the
// index of its checked choice (choice n has index n - 1), or -1 when none is checked.
struct OptionsDialogState {
    int fanPressure = -1;       // FP001..FP005
    int fanFlow = -1;           // FF001..FF006
    int pumpPressure = -1;      // PP001..PP006
    int pumpFlow = -1;          // PF001..PF005
    int power = -1;             // PW001 "HP", PW002 "kW"
    int currency = -1;          // CUR001..CUR004
    QString customCurrencyText; // CURRCUSTOM, whatever currency is checked
    int notation = -1;          // U001..U003
    bool L8 = false;
    bool L9 = false;
    QString logoFile;        // LOGOFILEN
    QStringList preparedBy;  // PRBY
    QStringList companyInfo; // CompanyInfo
    int language = -1;       // selection of LanguageCombo
};

// Reads every option from the store; anything missing or unusable gives its default. The
// locale supplies the separators of the automatic notation.
Options loadOptions(const SettingsStore& store, const QLocale& locale = QLocale::system());

// Writes the dialog's options to the store and returns the options now in force. The options
// the dialog does not show ("L1", "L2") are kept from current.
Options saveOptions(SettingsStore& store, const OptionsDialogState& dialog, const Options& current,
                    const QLocale& locale = QLocale::system());

// Closing the program setup overview: its tick box becomes "L9", stored and in force.
void saveSetupOverviewChoice(SettingsStore& store, Options& options, bool showOverview);

} // namespace wattmere
