#include "settings/StringTable.h"

namespace wattmere {

StringTable::StringTable(const TextSet& texts, const TextCatalogue& catalogue)
    : m_texts(texts), m_catalogue(catalogue) {
    for (qsizetype i = 0; i < static_cast<qsizetype>(texts.entries.size()); ++i)
        m_index.insert(QString::fromLatin1(texts.entries[i].key), i);
}

QString StringTable::lookUpText(const QString& key) const {
    return find(key, m_language).value_or(QString());
}

std::optional<QString> StringTable::find(const QString& key, Language language) const {
    const auto it = m_index.constFind(key);
    if (it == m_index.constEnd())
        return std::nullopt;
    return m_catalogue.text(m_texts.context, m_texts.entries[*it], language);
}

QStringList StringTable::keys() const {
    QStringList result;
    result.reserve(static_cast<qsizetype>(m_texts.entries.size()));
    for (const SourceText& entry : m_texts.entries)
        result.append(QString::fromLatin1(entry.key));
    return result;
}

} // namespace wattmere
