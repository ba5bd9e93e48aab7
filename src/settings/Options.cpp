#include "settings/Options.h"

#include "settings/MultiLineText.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace wattmere {

namespace keys = settingskeys;

namespace {

int readIndex(const SettingsStore& store, QLatin1StringView name, int maxIndex) {
    return indexInRange(store.ReadInteger(keys::program, name, 0), maxIndex);
}

// The user-defined currency text in force: the first characters of what was typed or stored.
QString customCurrencyFrom(const QString& text) {
    return text.left(maxCustomCurrencyLength);
}

Language languageFromIndex(int index) {
    return indexInRange(index, maxLanguageIndex) == 1 ? Language::German : Language::English;
}

} // namespace

QString reportBaseNameFor(Language language) {
    return language == Language::German ? QStringLiteral("ZEPLAG") : QStringLiteral("ZEPLAE");
}

QString Options::reportBaseName() const {
    return reportBaseNameFor(language);
}

Options loadOptions(const SettingsStore& store, const QLocale& locale) {
    Options options;
    options.logoFile = store.ReadString(keys::customReport, keys::logoFile);

    options.L1 = store.ReadBool(keys::program, keys::customerBlock, true);
    options.L2 = store.ReadBool(keys::program, keys::reportLogo, true);
    options.L8 = store.ReadBool(keys::program, keys::introductionScreen, true);
    options.L9 = store.ReadBool(keys::program, keys::setupOverview, true);

    options.preparedBy = store.ReadLines(keys::user, keys::preparedBy);
    options.companyInfo = store.ReadLines(keys::user, keys::companyInfo);

    UnitSettings& units = options.units;
    units.fanPressure = readIndex(store, keys::fanPressureUnit, maxFanPressureIndex);
    units.fanFlow = readIndex(store, keys::fanFlowUnit, maxFanFlowIndex);
    units.pumpPressure = readIndex(store, keys::pumpPressureUnit, maxPumpPressureIndex);
    units.pumpFlow = readIndex(store, keys::pumpFlowUnit, maxPumpFlowIndex);
    units.power = readIndex(store, keys::powerUnit, maxPowerIndex);

    units.currency = readIndex(store, keys::currency, maxCurrencyIndex);
    options.storedCurrencyText =
        store.ReadString(keys::program, keys::customCurrency, QStringLiteral("-"));
    units.customCurrency = customCurrencyFrom(options.storedCurrencyText);

    options.notation = readIndex(store, keys::notation, maxNotationIndex);
    options.separators = separatorsForNotation(options.notation, locale);

    options.language = languageFromIndex(store.ReadInteger(keys::program, keys::language, 0));
    return options;
}

Options saveOptions(SettingsStore& store, const OptionsDialogState& dialog, const Options& current,
                    const QLocale& locale) {
    Options options = current;

    store.WriteString(keys::customReport, keys::logoFile, dialog.logoFile);
    options.logoFile = dialog.logoFile;

    store.WriteLines(keys::user, keys::preparedBy, dialog.preparedBy);
    store.WriteLines(keys::user, keys::companyInfo, dialog.companyInfo);
    // Held as the store gives them back, so that the next loading changes nothing.
    options.preparedBy = splitStoredLines(joinStoredLines(dialog.preparedBy));
    options.companyInfo = splitStoredLines(joinStoredLines(dialog.companyInfo));

    store.WriteBool(keys::program, keys::introductionScreen, dialog.L8);
    store.WriteBool(keys::program, keys::setupOverview, dialog.L9);

    // An unchecked group (-1), or an index no choice has, saves the first choice.
    UnitSettings& units = options.units;
    units.fanPressure = indexInRange(dialog.fanPressure, maxFanPressureIndex);
    store.WriteInteger(keys::program, keys::fanPressureUnit, units.fanPressure);
    units.fanFlow = indexInRange(dialog.fanFlow, maxFanFlowIndex);
    store.WriteInteger(keys::program, keys::fanFlowUnit, units.fanFlow);
    units.pumpPressure = indexInRange(dialog.pumpPressure, maxPumpPressureIndex);
    store.WriteInteger(keys::program, keys::pumpPressureUnit, units.pumpPressure);
    units.pumpFlow = indexInRange(dialog.pumpFlow, maxPumpFlowIndex);
    store.WriteInteger(keys::program, keys::pumpFlowUnit, units.pumpFlow);
    units.power = indexInRange(dialog.power, maxPowerIndex);
    store.WriteInteger(keys::program, keys::powerUnit, units.power);

    units.currency = indexInRange(dialog.currency, maxCurrencyIndex);
    store.WriteInteger(keys::program, keys::currency, units.currency);
    store.WriteString(keys::program, keys::customCurrency, dialog.customCurrencyText);
    options.storedCurrencyText = dialog.customCurrencyText;
    units.customCurrency = customCurrencyFrom(dialog.customCurrencyText);

    options.notation = indexInRange(dialog.notation, maxNotationIndex);
    store.WriteInteger(keys::program, keys::notation, options.notation);
    options.separators = separatorsForNotation(options.notation, locale);

    options.L8 = dialog.L8;
    options.L9 = dialog.L9;

    // A list with nothing selected saves English rather than an index that loads as English.
    const int language = indexInRange(dialog.language, maxLanguageIndex);
    store.WriteInteger(keys::program, keys::language, language);
    options.language = languageFromIndex(language);
    return options;
}

void saveSetupOverviewChoice(SettingsStore& store, Options& options, bool showOverview) {
    store.WriteBool(keys::program, keys::setupOverview, showOverview);
    options.L9 = showOverview;
}

void ApplyLanguageSetting(const Options& options, StringTable& commonTable) {
    commonTable.setLanguage(options.language);
}

} // namespace wattmere
