#pragma once
// A headless analysis window as the program starts it: the analysis created, the workflow on
// its start screen, options and settings kept in a temporary folder, a scripted prompter and
// file commands that record what the workflow asks of them.

#include "../support/SystemDataEntries.h"
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

    void typeFanSystemData() { testing::typeFanSystemData(workflow); }
    void typePumpSystemData() { testing::typePumpSystemData(workflow); }
};

} // namespace wattmere::testing
