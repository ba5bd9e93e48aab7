#pragma once
// Every dialog the analysis asks for goes through a Prompter: the GUI answers with message
// boxes and file dialogs, tests and the command line with scripted answers.

#include <QString>
#include <QStringList>

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
};

// The answer a safe default gives to a message: OK for a plain message, Cancel where the
// buttons offer it, No otherwise.
PromptAnswer safeAnswer(PromptButtons buttons);

} // namespace wattmere
