#pragma once
// One analysis worked headless for the command line: the analysis window's model, workflow and
// file commands with a scripted prompter and a throw-away settings store, driven the way a
// user's clicks would drive them.

#include "app/Analysis.h"
#include "app/Workflow.h"
#include "cli/CliOptions.h"
#include "cli/CliPrompter.h"
#include "files/AnalysisFiles.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "settings/StringTable.h"

namespace wattmere {

class CliSession {
public:
    // The settings store is a throw-away file of the run (settingsFile), never the user's.
    CliSession(const CliOptions& options, const QString& settingsFile, QTextStream& errors);

    // Opens the analysis file, or starts the new analysis of the options. False when the
    // analysis was refused (the reason is among the messages).
    bool open(const QString& file);
    bool startNew();
    // Applies the --set and --click edits in order, then changes to the "Energy Savings"
    // page, so that every result is what the program shows there.
    void applyEditsAndShowSavings();
    // Writes the analysis; false when it was refused or could not be written.
    bool saveAs(const QString& path);

    const Analysis& analysis() const { return m_analysis; }
    const QList<PromptMessage>& messages() const { return m_prompter.messages(); }

private:
    const CliOptions& m_options;
    SettingsStore m_store;
    Options m_programOptions;
    CliPrompter m_prompter;
    StringTable m_common;
    Analysis m_analysis;
    // The workflow calls the file commands and they call it back; both are members so each
    // can hold the other from the start (the file commands first: the workflow keeps them).
    AnalysisFiles m_files;
    Workflow m_workflow;
};

} // namespace wattmere
