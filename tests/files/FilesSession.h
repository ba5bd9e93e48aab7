#pragma once
// A headless analysis window with its file commands, as the program starts it: the analysis
// created, the workflow on its start screen, the recent-file list read from a settings file in
// a temporary folder, a scripted prompter. Each session is one program run with its own store.

#include "../support/SystemDataEntries.h"
#include "app/ScriptedPrompter.h"
#include "app/Workflow.h"
#include "files/AnalysisFiles.h"
#include "settings/SourceText.h"
#include "settings/StringTable.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace wattmere::testing {

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct FilesSession {
    QTemporaryDir folder;
    SettingsStore store{folder.filePath(QStringLiteral("settings.ini"))};
    Options options;
    ScriptedPrompter prompter;
    Analysis analysis{prompter};
    StringTable common{commonTexts()};
    // Built before the workflow, which takes it as its file commands.
    AnalysisFiles files{workflow, store, common};
    Workflow workflow{analysis, files, options, store};

    // The program started with the given unit settings and the notation "999,999.99", neither
    // the introduction screen nor the setup overview switched on.
    explicit FilesSession(const UnitSettings& units = {}) {
        options.units = units;
        options.notation = 1;
        options.separators = separatorsForNotation(1);
        options.L8 = false;
        options.L9 = false;
        analysis.create();
        workflow.applyOptions();
        files.loadRecentFiles();
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    WindowState& window() { return analysis.window(); }
    AnalysisModel& model() { return analysis.model(); }
    QString text(Field id) { return window().text(id); }
    QString caption(Label id) { return window().caption(id); }
    bool visible(Panel id) { return window().isVisible(id); }
    bool modified() { return window().flags().modified; }
    QStringList messages() const { return prompter.messageIds(); }
    QString lastMessage() const {
        return prompter.messages().isEmpty() ? QString() : prompter.messages().last().text;
    }
    int fileDialogs() const { return static_cast<int>(prompter.fileRequests().size()); }

    void type(Field id, const QString& text) { workflow.enterField(id, text); }

    // A fan analysis of design head 4 in.wg, 50 HP shaft power at 86 % on a 60 HP motor and
    // drive, with project and customer texts.
    void startFan(const QString& project = QStringLiteral("Plant 4")) {
        type(Field::QNUM, project);
        workflow.FanAnalysisClick();
        type(Field::PREPFOR, QStringLiteral("Ann Smith"));
        type(Field::Companyfor, QStringLiteral("Acme Foods"));
        typeFanSystemData(workflow);
    }

    // A pump of 100 ft.wg design head, 20 ft.wg static head, 50 HP at 80 % (the pressure unit
    // is the session's).
    void startPump(const QString& project = QStringLiteral("Pump house")) {
        type(Field::QNUM, project);
        workflow.PumpAnalysisClick();
        typePumpSystemData(workflow);
    }

    // Save as with the name answered in the save dialog.
    bool saveAs(const QString& name) {
        prompter.queueFile(path(name));
        return files.SaveAsClick();
    }
};

} // namespace wattmere::testing
