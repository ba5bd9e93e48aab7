#include "cli/CliPrompter.h"

namespace wattmere {

PromptAnswer CliPrompter::ask(const PromptMessage& message) {
    const PromptAnswer answer = ScriptedPrompter::ask(message);
    m_errors << "wattmere-cli: "
             << (message.id.isEmpty() ? QString() : message.id + QStringLiteral(": "))
             << message.text << '\n';
    m_errors.flush();
    return answer;
}

} // namespace wattmere
