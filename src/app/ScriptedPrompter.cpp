#include "app/ScriptedPrompter.h"

namespace wattmere {

PromptAnswer ScriptedPrompter::ask(const PromptMessage& message) {
    m_messages.append(message);
    if (!m_answers.empty()) {
        const PromptAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    if (m_policy == Policy::AnswerYes && message.buttons != PromptButtons::Ok)
        return PromptAnswer::Yes;
    return safeAnswer(message.buttons);
}

QString ScriptedPrompter::chooseFileToOpen(const QString& title, const QString& filter) {
    m_fileRequests.append({false, title, filter, {}});
    return nextFile();
}

QString ScriptedPrompter::chooseFileToSave(const QString& title, const QString& filter,
                                           const QString& suggestedName) {
    m_fileRequests.append({true, title, filter, suggestedName});
    return nextFile();
}

QString ScriptedPrompter::nextFile() {
    if (m_files.empty())
        return {};
    const QString path = m_files.front();
    m_files.pop_front();
    return path;
}

SetupOverviewAnswer ScriptedPrompter::showSetupOverview(const SetupOverview& overview) {
    m_overviews.append(overview);
    if (!m_overviewAnswers.empty()) {
        const SetupOverviewAnswer answer = m_overviewAnswers.front();
        m_overviewAnswers.pop_front();
        return answer;
    }
    return {m_policy == Policy::AnswerYes ? SetupOverviewResult::Continue
                                          : SetupOverviewResult::Cancel,
            overview.showBeforeNewAnalysis};
}

ApplicationChoice ScriptedPrompter::chooseApplication() {
    ++m_applicationSelections;
    if (m_applicationChoices.empty())
        return ApplicationChoice::Close;
    const ApplicationChoice choice = m_applicationChoices.front();
    m_applicationChoices.pop_front();
    return choice;
}

std::optional<OptionsDialogState> ScriptedPrompter::editProgramSetup(const Options&) {
    ++m_programSetupRequests;
    std::optional<OptionsDialogState> dialog;
    if (m_programSetups.empty())
        return dialog;
    if (m_programSetups.front())
        dialog.emplace(std::move(*m_programSetups.front()));
    m_programSetups.pop_front();
    return dialog;
}

QStringList ScriptedPrompter::messageIds() const {
    QStringList ids;
    for (const PromptMessage& message : m_messages)
        ids.append(message.id);
    return ids;
}

void ScriptedPrompter::clear() {
    m_answers.clear();
    m_files.clear();
    m_overviewAnswers.clear();
    m_applicationChoices.clear();
    m_programSetups.clear();
    m_messages.clear();
    m_overviews.clear();
    m_fileRequests.clear();
    m_beeps = 0;
    m_applicationSelections = 0;
    m_programSetupRequests = 0;
}

} // namespace wattmere
