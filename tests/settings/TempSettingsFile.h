#pragma once
// A settings file in a temporary folder for the settings tests, with raw access to the
// stored values the way another writer or a later program start would see them.

#include "settings/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariant>

namespace wattmere::test {

// The full key of a stored value, spelt out here rather than taken from the code under test.
inline QString rawKey(const QString& section, const QString& name) {
    return QStringLiteral("SOFTWARE/ORVEK/WMR/SETUP/") + section + u'/' + name;
}

class TempSettingsFile {
public:
    TempSettingsFile() { QStandardPaths::setTestModeEnabled(true); }

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    QString dirPath() const { return m_dir.path(); }
    SettingsStore store() const { return SettingsStore(path()); }

    // Stores a text as another writer would.
    void putRaw(const QString& section, const QString& name, const QString& text) const {
        QSettings settings(path(), QSettings::IniFormat);
        settings.setValue(rawKey(section, name), text);
        settings.sync();
    }

    // Appends lines to the file as a person editing it by hand would.
    void appendToFile(const QByteArray& lines) const {
        QFile file(path());
        if (file.open(QIODevice::Append))
            file.write(lines);
    }

    // The file as a later program start reads it: a copy under a new name, so that nothing
    // the process still holds in memory for the original file is seen.
    QString reopenedPath() {
        const QString copy = m_dir.filePath(QStringLiteral("reopened%1.ini").arg(++m_copies));
        QFile::copy(path(), copy);
        return copy;
    }

    // The value as stored on disk, or an invalid QVariant when there is none.
    QVariant rawOnDisk(const QString& section, const QString& name) {
        QSettings settings(reopenedPath(), QSettings::IniFormat);
        return settings.value(rawKey(section, name));
    }

private:
    QTemporaryDir m_dir;
    int m_copies = 0;
};

} // namespace wattmere::test
