#include "settings/SettingsStore.h"

#include "settings/MultiLineText.h"
#include "settings/SettingsKeys.h"

#include <QSettings>
#include <QStandardPaths>

namespace wattmere {

namespace {

// The store's own key path with "/" between its keys, as QSettings names keys.
QString keyPathWithSlashes() {
    return QString(settingskeys::path).replace(u'\\', u'/');
}

// A whole number in decimal text (blanks around it allowed), or nothing.
std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

SettingsStore SettingsStore::userStore() {
#ifdef Q_OS_WIN
    return SettingsStore(
        std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + settingskeys::path,
                                    QSettings::NativeFormat),
        QString());
#else
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/ORVEK/WMR.ini");
    return SettingsStore(file);
#endif
}

SettingsStore::SettingsStore(const QString& iniFilePath)
    : SettingsStore(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat),
                    keyPathWithSlashes() + u'/') {}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings, QString keyPrefix)
    : m_settings(std::move(settings)), m_keyPrefix(std::move(keyPrefix)) {}

SettingsStore::SettingsStore(SettingsStore&&) noexcept = default;
SettingsStore& SettingsStore::operator=(SettingsStore&&) noexcept = default;
SettingsStore::~SettingsStore() = default;

QString SettingsStore::keyOf(QAnyStringView section, QAnyStringView name) const {
    return m_keyPrefix + section.toString() + u'/' + name.toString();
}

std::optional<QString> SettingsStore::storedText(QAnyStringView section,
                                                 QAnyStringView name) const {
    const QVariant value = m_settings->value(keyOf(section, name));
    if (!value.isValid())
        return std::nullopt;
    // An INI line such as "CCT=a,b" written by hand reads as a list; it stands for one text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    if (!value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

bool SettingsStore::ReadBool(QAnyStringView section, QAnyStringView name, bool defaultValue) const {
    const std::optional<QString> text = storedText(section, name);
    if (!text)
        return defaultValue;
    const std::optional<int> number = wholeNumber(*text);
    return number ? *number > 0 : defaultValue;
}

int SettingsStore::ReadInteger(QAnyStringView section, QAnyStringView name,
                               int defaultValue) const {
    const std::optional<QString> text = storedText(section, name);
    if (!text)
        return defaultValue;
    return wholeNumber(*text).value_or(defaultValue);
}

QString SettingsStore::ReadString(QAnyStringView section, QAnyStringView name,
                                  const QString& defaultValue) const {
    return storedText(section, name).value_or(defaultValue);
}

QStringList SettingsStore::ReadLines(QAnyStringView section, QAnyStringView name) const {
    return splitStoredLines(ReadString(section, name));
}

void SettingsStore::WriteBool(QAnyStringView section, QAnyStringView name, bool value) {
    WriteString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::WriteInteger(QAnyStringView section, QAnyStringView name, int value) {
    WriteString(section, name, QString::number(value));
}

void SettingsStore::WriteString(QAnyStringView section, QAnyStringView name, const QString& text) {
    // Always a string value, never a typed one: other readers of the store expect text.
    m_settings->setValue(keyOf(section, name), QVariant(text));
    // Each write reaches the store at once, as a registry write does; a failed write is not
    // reported and leaves the stored value as it was.
    m_settings->sync();
}

void SettingsStore::WriteLines(QAnyStringView section, QAnyStringView name,
                               const QStringList& lines) {
    WriteString(section, name, joinStoredLines(lines));
}

QString SettingsStore::location() const {
    return m_settings->fileName();
}

} // namespace wattmere
