#include "settings/TextCatalogue.h"

namespace wattmere {

TextCatalogue& TextCatalogue::shared() {
    static TextCatalogue catalogue;
    return catalogue;
}

TextCatalogue::TextCatalogue(const QString& germanPath) : m_loaded(m_german.load(germanPath)) {}

QString TextCatalogue::text(const char* context, const SourceText& source,
                            Language language) const {
    if (language == Language::German && m_loaded) {
        // Not QCoreApplication::translate: the result must not depend on which translator
        // the GUI has installed globally.
        const QString german = m_german.translate(context, source.text, source.key);
        if (!german.isEmpty())
            return german;
    }
    return QString::fromUtf8(source.text);
}

} // namespace wattmere
