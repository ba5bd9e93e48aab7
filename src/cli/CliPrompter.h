#pragma once
// The command line's answers to the program's dialogs: scripted (the safe choice, or Yes with
// --yes), with every message also written to standard error as it is shown.

#include "app/ScriptedPrompter.h"

#include <QTextStream>

namespace wattmere {

class CliPrompter : public ScriptedPrompter {
public:
    CliPrompter(Policy policy, QTextStream& errors) : ScriptedPrompter(policy), m_errors(errors) {}

    PromptAnswer ask(const PromptMessage& message) override;

private:
    QTextStream& m_errors;
};

} // namespace wattmere
