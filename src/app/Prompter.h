#pragma once
// Every dialog the analysis asks for goes through a Prompter: the GUI answers with message
// boxes and file dialogs, tests and the command line with scripted answers.

#include "settings/Options.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace wattmere {

enum class PromptKind { Information, Warning, Error, Confirmation };

// The button sets the program's dialogs use.
enum class PromptButtons { Ok, YesNoCancel, YesCancel, YesNo };

enum class PromptAnswer { Ok, Yes, No, Cancel };

struct PromptMessage {
    PromptKind kind = PromptKind::Information;
    QString id; // the string-table key of the text ("IDS_22"), empty for composed texts
    QString text;
    PromptButtons buttons = PromptButtons::Ok;
};

// The program setup overview shown before a new analysis: the settings in force, as the
// properties dialog names them, and its tick box "Show this overview before start of a new
// analysis.".
struct SetupOverview {
    QString currency;
    QString power; // "HP", "kW", or "-" for any other power index
    QString fanPressure;
    QString fanFlow;
    QString pumpPressure;
    QString pumpFlow;
    bool showBeforeNewAnalysis = true;
};

// The overview's buttons: "&Cancel" or closing the dialog, "Change setup", "&Continue".
enum class SetupOverviewResult { Cancel = -1, ChangeSetup = 1, Continue = 2 };

struct SetupOverviewAnswer {
    SetupOverviewResult result = SetupOverviewResult::Cancel;
    bool showBeforeNewAnalysis = true; // the tick box as the dialog closed
};

// The application selection dialog's three buttons.
enum class ApplicationChoice { Close, Fan, Pump };

class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows the message and waits for the user's answer.
    virtual PromptAnswer ask(const PromptMessage& message) = 0;

    // The system beep of a clamped entry.
    virtual void beep() = 0;

    // A file to open or to save under; empty when the user cancels. The filter uses the
    // Qt form "Description (*.ext)".
    virtual QString chooseFileToOpen(const QString& title, const QString& filter) = 0;
    virtual QString chooseFileToSave(const QString& title, const QString& filter,
                                     const QString& suggestedName) = 0;

    // The program setup overview, modal.
    virtual SetupOverviewAnswer showSetupOverview(const SetupOverview& overview) = 0;
    // The application selection dialog ("Select from the following options:").
    virtual ApplicationChoice chooseApplication() = 0;
    // The properties dialog showing the options in force: what it shows when "&Save and Exit"
    // is pressed, or nothing when it is cancelled.
    virtual std::optional<OptionsDialogState> editProgramSetup(const Options& current) = 0;
};

// The answer a safe default gives to a message: OK for a plain message, Cancel where the
// buttons offer it, No otherwise.
PromptAnswer safeAnswer(PromptButtons buttons);

} // namespace wattmere
