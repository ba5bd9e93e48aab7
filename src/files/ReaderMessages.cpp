#include "files/ReaderMessages.h"

namespace wattmere {

PromptAnswer ReaderMessages::ask(int line, const PromptMessage& message, bool beepFirst) {
    const std::pair<int, QString> key{line, message.text};
    if (const auto found = m_index.constFind(key); found != m_index.cend())
        return m_shown.at(*found).answer;
    if (beepFirst)
        m_prompter.beep();
    const PromptAnswer answer = m_prompter.ask(message);
    m_index.insert(key, m_shown.size());
    m_shown.append({line, message, answer});
    if (line > 0)
        ++m_lineQuestions;
    return answer;
}

} // namespace wattmere
