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

QString ScriptedPrompter::chooseFileToOpen(const QString&, const QString&) {
    if (m_files.empty())
        return {};
    const QString path = m_files.front();
    m_files.pop_front();
    return path;
}

QString ScriptedPrompter::chooseFileToSave(const QString& title, const QString& filter,
                                           const QString&) {
    return chooseFileToOpen(title, filter);
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
    m_messages.clear();
    m_beeps = 0;
}

} // namespace wattmere
