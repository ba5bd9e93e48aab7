#pragma once
// The messages of opening one analysis file. The file is read several times during one open;
// each message about a given line of it is shown once, and a repeat gets the answer the user
// gave the first time. Every message shown is kept for those who report them afterwards.
// Questions about bad lines stop after a fixed number, so that a file of garbage cannot bury
// the user, or the output of a batch run, under millions of them.

#include "app/Prompter.h"

#include <QHash>
#include <QList>
#include <QString>

#include <utility>

namespace wattmere {

class ReaderMessages {
public:
    // Line 0 stands for messages about the file as a whole.
    struct Entry {
        int line = 0;
        PromptMessage message;
        PromptAnswer answer = PromptAnswer::Ok;
    };

    // More than a damaged analysis file has lines that can raise a question (its parameter
    // lines), so every real file gets all of its questions.
    static constexpr int maxLineQuestions = 100;

    explicit ReaderMessages(Prompter& prompter) : m_prompter(prompter) {}

    // Shows the message (after a beep when asked) unless the same text about the same line
    // has been shown already.
    PromptAnswer ask(int line, const PromptMessage& message, bool beepFirst = false);

    // False once maxLineQuestions questions about lines have been shown. Each of them was
    // answered with "go on", or the read would have ended; the reader takes that answer for
    // every further bad line of the open without asking again.
    bool mayAskAboutLine() const { return m_lineQuestions < maxLineQuestions; }

    const QList<Entry>& shown() const { return m_shown; }
    Prompter& prompter() { return m_prompter; }

private:
    Prompter& m_prompter;
    QList<Entry> m_shown;
    QHash<std::pair<int, QString>, qsizetype> m_index;
    int m_lineQuestions = 0;
};

} // namespace wattmere
