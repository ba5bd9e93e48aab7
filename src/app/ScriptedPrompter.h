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

    // One file dialog as it was asked for.
    struct FileRequest {
        bool save = false;
        QString title;
        QString filter;
        QString suggestedName; // save dialogs only
    };

    explicit ScriptedPrompter(Policy policy = Policy::Safe) : m_policy(policy) {}

    void queueAnswer(PromptAnswer answer) { m_answers.push_back(answer); }
    // The answer of the next file dialog; an empty path cancels it.
    void queueFile(const QString& path) { m_files.push_back(path); }
    void queueSetupOverview(SetupOverviewAnswer answer) { m_overviewAnswers.push_back(answer); }
    void queueApplicationChoice(ApplicationChoice choice) {
        m_applicationChoices.push_back(choice);
    }
    void queueProgramSetup(std::optional<OptionsDialogState> dialog) {
        m_programSetups.push_back(std::move(dialog));
    }

    PromptAnswer ask(const PromptMessage& message) override;
    void beep() override { ++m_beeps; }
    QString chooseFileToOpen(const QString& title, const QString& filter) override;
    QString chooseFileToSave(const QString& title, const QString& filter,
                             const QString& suggestedName) override;
    // Unscripted, the overview is cancelled (the safe policy) or continued (answer Yes), with
    // its tick box as shown; the selection dialog is closed and the properties dialog cancelled.
    SetupOverviewAnswer showSetupOverview(const SetupOverview& overview) override;
    ApplicationChoice chooseApplication() override;
    std::optional<OptionsDialogState> editProgramSetup(const Options& current) override;

    const QList<PromptMessage>& messages() const { return m_messages; }
    QStringList messageIds() const;
    int beeps() const { return m_beeps; }
    const QList<FileRequest>& fileRequests() const { return m_fileRequests; }
    const QList<SetupOverview>& setupOverviews() const { return m_overviews; }
    int applicationSelections() const { return m_applicationSelections; }
    int programSetups() const { return m_programSetupRequests; }
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
    void clear();

private:
    QString nextFile();

    Policy m_policy;
    std::deque<PromptAnswer> m_answers;
    std::deque<QString> m_files;
    std::deque<SetupOverviewAnswer> m_overviewAnswers;
    std::deque<ApplicationChoice> m_applicationChoices;
    std::deque<std::optional<OptionsDialogState>> m_programSetups;
    QList<PromptMessage> m_messages;
    QList<SetupOverview> m_overviews;
    QList<FileRequest> m_fileRequests;
    int m_beeps = 0;
    int m_applicationSelections = 0;
    int m_programSetupRequests = 0;
};

} // namespace wattmere
