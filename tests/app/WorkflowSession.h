#pragma once
// A headless analysis window as the program starts it: the analysis created, the workflow on
// its start screen, options and settings kept in a temporary folder, a scripted prompter and
// file commands that record what the workflow asks of them.

#include "app/ScriptedPrompter.h"
#include "app/Workflow.h"

#include <QTemporaryDir>

namespace wattmere::testing {

// The file commands as far as the workflow uses them: each save answers from a queue (true
// when it is empty) and every call is counted.
struct RecordingFiles : FileCommands {
    QList<bool> saveResults;
    int saves = 0;
    int forgets = 0;
    // What the analysis looked like when it was saved: its application and the value the
    // motor power's slot held.
    QList<Application> savedApplications;
    QList<float> savedMotorPowers;
    AnalysisModel* model = nullptr;

    bool SaveFileClick() override {
        ++saves;
        if (model != nullptr) {
            savedApplications << model->application();
            if (model->application() != Application::None)
                savedMotorPowers << model->slotOf(Field::A105).currentValue;
        }
        return saveResults.isEmpty() ? true : saveResults.takeFirst();
    }
    void forgetCurrentFile() override { ++forgets; }
};

struct WorkflowSession {
    QTemporaryDir folder;
    SettingsStore store{folder.filePath(QStringLiteral("settings.ini"))};
    Options options;
    ScriptedPrompter prompter;
    Analysis analysis{prompter};
    RecordingFiles files;
    Workflow workflow{analysis, files, options, store};

    // The options as loaded from an empty store, with the notation "999,999.99" and the
    // introduction screen and setup overview switched as given.
    explicit WorkflowSession(bool introduction = false, bool overview = false) {
        options.notation = 1;
        options.separators = separatorsForNotation(1);
        options.L8 = introduction;
        options.L9 = overview;
        files.model = &analysis.model();
        analysis.create();
        workflow.applyOptions();
    }

    WindowState& window() { return analysis.window(); }
    AnalysisModel& model() { return analysis.model(); }
    QString text(Field id) { return window().text(id); }
    QString caption(Label id) { return window().caption(id); }
    int page() { return window().calcPage(); }
    bool visible(Panel id) { return window().isVisible(id); }
    QStringList messages() const { return prompter.messageIds(); }

    void type(Field id, const QString& text) { workflow.enterField(id, text); }

    void startFan() { workflow.FanAnalysisClick(); }
    void startPump() { workflow.PumpAnalysisClick(); }

    // The system data a user types on step 2 for a fan analysis of design head 4 in.wg, 50 HP
    // shaft power at 86 % (design flow 68,391.50 cfm) on a 60 HP motor and drive.
    void typeFanSystemData() {
        type(Field::A104, QStringLiteral("0.10"));
        type(Field::A105, QStringLiteral("60"));
        type(Field::A109, QStringLiteral("15000"));
        type(Field::A125, QStringLiteral("60"));
        type(Field::A122, QStringLiteral("50"));
    }

    // A pump of 100 ft.wg design head, 20 ft.wg static head, 50 HP at 80 % (1,584.00 GPM when
    // the head is entered in ft.wg).
    void typePumpSystemData() {
        type(Field::A104, QStringLiteral("0.10"));
        type(Field::A105, QStringLiteral("60"));
        type(Field::A109, QStringLiteral("15000"));
        type(Field::A125, QStringLiteral("60"));
        type(Field::A120, QStringLiteral("100"));
        type(Field::A121, QStringLiteral("20"));
        type(Field::A123, QStringLiteral("0"));
        type(Field::A174, QStringLiteral("80"));
        type(Field::A122, QStringLiteral("50"));
    }
};

} // namespace wattmere::testing
