#include "cli/CliSession.h"

namespace wattmere {

namespace {

// The program's options for a batch run: no introduction screen or setup overview to click
// through, numbers typed and shown as 999,999.99 whatever the machine's locale.
Options batchOptions(const CliOptions& options) {
    Options program;
    program.notation = 1;
    program.separators = separatorsForNotation(1);
    program.L8 = false;
    program.L9 = false;
    if (options.units)
        program.units = *options.units;
    return program;
}

} // namespace

CliSession::CliSession(const CliOptions& options, const QString& settingsFile, QTextStream& errors)
    : m_options(options), m_store(settingsFile), m_programOptions(batchOptions(options)),
      m_prompter(options.answerYes ? ScriptedPrompter::Policy::AnswerYes
                                   : ScriptedPrompter::Policy::Safe,
                 errors),
      m_common(commonTexts()), m_analysis(m_prompter), m_files(m_workflow, m_store, m_common),
      m_workflow(m_analysis, m_files, m_programOptions, m_store) {
    m_analysis.create();
    m_workflow.applyOptions();
}

bool CliSession::open(const QString& file) {
    // Opened as a Reopen entry is: a batch run has no recent-file list to keep.
    return m_files.OpenRecentFile(file);
}

bool CliSession::startNew() {
    if (m_options.newApplication == Application::Pump)
        m_workflow.PumpAnalysisClick();
    else
        m_workflow.FanAnalysisClick();
    return m_analysis.model().application() == m_options.newApplication;
}

void CliSession::applyEditsAndShowSavings() {
    for (const CliEdit& edit : m_options.edits) {
        if (const auto* set = std::get_if<SetField>(&edit))
            m_workflow.enterField(*fieldByName(set->field), set->text);
        else if (const auto* click = std::get_if<ClickChoice>(&edit))
            m_workflow.clickChoice(*choiceByName(click->control));
    }
    m_workflow.selectPage(steppage::savings);
}

bool CliSession::saveAs(const QString& path) {
    return m_files.saveAs(path);
}

} // namespace wattmere
