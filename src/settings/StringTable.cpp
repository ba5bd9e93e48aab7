#include "settings/StringTable.h"

#include <map>
#include <string_view>

namespace wattmere {

namespace {

// The key index of a text set, built once per context and shared by every table over it (the
// map is implicitly shared): a batch run creates the tables of a window per analysis.
QMap<QString, qsizetype> keyIndex(const TextSet& texts) {
    static std::map<std::string_view, QMap<QString, qsizetype>> indices;
    QMap<QString, qsizetype>& index = indices[texts.context];
    if (index.isEmpty()) {
        for (qsizetype i = 0; i < static_cast<qsizetype>(texts.entries.size()); ++i)
            index.insert(QString::fromLatin1(texts.entries[i].key), i);
    }
    return index;
}

} // namespace

StringTable::StringTable(const TextSet& texts, const TextCatalogue& catalogue)
    : m_texts(texts), m_catalogue(catalogue), m_index(keyIndex(texts)) {}

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
