#pragma once
// A Prompter without a display: answers from a queue (or by a fixed policy when the queue is
// empty) and records every message, beep and file question. Used by tests and the CLI.

#include "app/Prompter.h"

#include <QList>

#include <deque>

namespace wattmere {

class ScriptedPrompter : public Prompter {
public:
    // What an unscripted question gets: the safe choice (OK/Cancel/No), or Yes to every
    // question that offers it.
    enum class Policy { Safe, AnswerYes };

    explicit ScriptedPrompter(Policy policy = Policy::Safe) : m_policy(policy) {}

    void queueAnswer(PromptAnswer answer) { m_answers.push_back(answer); }
    void queueFile(const QString& path) { m_files.push_back(path); }

    PromptAnswer ask(const PromptMessage& message) override;
    void beep() override { ++m_beeps; }
    QString chooseFileToOpen(const QString& title, const QString& filter) override;
    QString chooseFileToSave(const QString& title, const QString& filter,
                             const QString& suggestedName) override;

    const QList<PromptMessage>& messages() const { return m_messages; }
    QStringList messageIds() const;
    int beeps() const { return m_beeps; }
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
    void clear();

private:
    Policy m_policy;
    std::deque<PromptAnswer> m_answers;
    std::deque<QString> m_files;
    QList<PromptMessage> m_messages;
    int m_beeps = 0;
};

} // namespace wattmere
