#pragma once
// A keyed string table: the texts of one translation context in the language to which the
// table was last switched. Each table switches on its own, with the window it belongs to.

#include "core/Language.h"
#include "settings/SourceText.h"
#include "settings/TextCatalogue.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace wattmere {

class StringTable {
public:
    // The table starts in English, as every window does. The catalogue must outlive it.
    explicit StringTable(const TextSet& texts,
                         const TextCatalogue& catalogue = TextCatalogue::shared());

    void setLanguage(Language language) { m_language = language; }
    Language language() const { return m_language; }

    bool contains(const QString& key) const { return m_index.contains(key); }

    // The text of the key in the table's current language; empty for an absent key.
    QString lookUpText(const QString& key) const;

    // The text of the key in the given language, whatever the table's current language.
    std::optional<QString> find(const QString& key, Language language) const;

    // Every key of the table, in table order.
    QStringList keys() const;

    const char* context() const { return m_texts.context; }

private:
    TextSet m_texts;
    const TextCatalogue& m_catalogue;
    // Ordered, not hashed: Qt's string hashing leaves the wide vector registers in a state that
    // slows down the floating-point code of every recalculation that looks up a text.
    QMap<QString, qsizetype> m_index;
    Language m_language = Language::English;
};

} // namespace wattmere
