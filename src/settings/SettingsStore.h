#pragma once
// The user's stored options: every value is a string addressed by section and name below
// "SOFTWARE\ORVEK\WMR\SETUP"; reads fall back to the caller's default on any failure.

#include <QAnyStringView>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;

namespace wattmere {

class SettingsStore {
public:
    // The current user's store: the registry under HKEY_CURRENT_USER on Windows, an INI file
    // "ORVEK/WMR.ini" in the user's configuration folder elsewhere.
    static SettingsStore userStore();

    // A store kept in the INI file at iniFilePath (created on the first write).
    explicit SettingsStore(const QString& iniFilePath);

    SettingsStore(SettingsStore&&) noexcept;
    SettingsStore& operator=(SettingsStore&&) noexcept;
    ~SettingsStore();

    // On for a whole number > 0, off for one <= 0; the default when the value is missing,
    // unreadable or not a whole number.
    bool ReadBool(QAnyStringView section, QAnyStringView name, bool defaultValue) const;
    // The whole number stored, or the default when missing, unreadable or not a whole number.
    int ReadInteger(QAnyStringView section, QAnyStringView name, int defaultValue) const;
    // The stored text, or the default when missing or unreadable.
    QString ReadString(QAnyStringView section, QAnyStringView name,
                       const QString& defaultValue = {}) const;
    // A multi-line text split into its lines; no lines when missing.
    QStringList ReadLines(QAnyStringView section, QAnyStringView name) const;

    // Writes "1" or "0".
    void WriteBool(QAnyStringView section, QAnyStringView name, bool value);
    // Writes the decimal text of the value.
    void WriteInteger(QAnyStringView section, QAnyStringView name, int value);
    void WriteString(QAnyStringView section, QAnyStringView name, const QString& text);
    // Writes the lines as one text, each line followed by CR LF.
    void WriteLines(QAnyStringView section, QAnyStringView name, const QStringList& lines);

    // Where the values are kept: the INI file or the registry key.
    QString location() const;

private:
    SettingsStore(std::unique_ptr<QSettings> settings, QString keyPrefix);

    // The text stored under section/name, or no value when there is none that reads as text.
    std::optional<QString> storedText(QAnyStringView section, QAnyStringView name) const;
    QString keyOf(QAnyStringView section, QAnyStringView name) const;

    std::unique_ptr<QSettings> m_settings;
    QString m_keyPrefix;
};

} // namespace wattmere
