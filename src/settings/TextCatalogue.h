#pragma once
// The German text catalogue, compiled from the Linguist source into the program's resources
// and loaded once. The string tables read it directly; the GUI installs the same translator
// for its widget captions, so the program has one set of German texts.

#include "core/Language.h"
#include "settings/SourceText.h"

#include <QString>
#include <QTranslator>

namespace wattmere {

class TextCatalogue {
public:
    static constexpr char germanCataloguePath[] = ":/i18n/wattmere_de.qm";

    // The program's catalogue, loaded from germanCataloguePath at first use.
    static TextCatalogue& shared();

    explicit TextCatalogue(const QString& germanPath = QString::fromLatin1(germanCataloguePath));
    TextCatalogue(const TextCatalogue&) = delete;
    TextCatalogue& operator=(const TextCatalogue&) = delete;

    // False when the German catalogue could not be read; German texts then fall back to
    // English rather than showing empty messages.
    bool isLoaded() const { return m_loaded; }

    // The translator to hand to QCoreApplication::installTranslator.
    QTranslator& germanTranslator() { return m_german; }
    const QTranslator& germanTranslator() const { return m_german; }

    // The text in the language: English is the source text itself; German comes from the
    // catalogue, or is the source text when the catalogue lacks it.
    QString text(const char* context, const SourceText& source, Language language) const;

private:
    QTranslator m_german;
    bool m_loaded = false;
};

} // namespace wattmere
