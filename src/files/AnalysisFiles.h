#pragma once
// The file commands of the analysis window, headless: Open, Save, Save as, the save button of
// the last step, the four Reopen entries of the recent-file list kept in the settings store,
// and the save and exit questions on closing. Dialogs go through the analysis' prompter.

#include "app/FileCommands.h"
#include "files/AnalysisFileReader.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace wattmere {

class Analysis;
class SettingsStore;
class StringTable;
class Workflow;

class AnalysisFiles : public QObject, public FileCommands {
    Q_OBJECT
public:
    static constexpr int recentFileCount = 4;

    // The workflow takes this object as its file commands, so it may be constructed after
    // it: nothing of the workflow is used before the first command. The store and the common
    // string table (for the reader's messages) must outlive this object.
    AnalysisFiles(Workflow& workflow, SettingsStore& store, const StringTable& commonTexts,
                  QObject* parent = nullptr);

    // --- Open. Each returns true when the analysis was opened.
    // The save question, the open dialog, then the file opened and put first in the recent
    // list.
    bool OpenFileClick();
    // The same with the path given instead of the dialog.
    bool openFile(const QString& path);
    // Reopen entry 1 to 4: the save question, "File does not exist!" for a file that has
    // gone, then the file opened; the recent list stays as it is.
    bool OpenRecentFile(int entry);
    // The same for a path, as the file named on the command line is opened.
    bool OpenRecentFile(const QString& path);
    // Opens the file the program was started with (commandLineFile), if there is one.
    bool openCommandLineFile(const QStringList& arguments);

    // --- Save. Each returns true only when the analysis was written.
    // Save Analysis: to the current file, or through Save as when there is none.
    bool SaveFileClick() override;
    // Save Analysis as...: the checks, then the save dialog with the proposed name.
    bool SaveAsClick();
    // Save as after the dialog, with this path: the extension forced to ".KVX" and the
    // question before a file is replaced. No application running: "only available" message.
    bool saveAs(const QString& path);
    // The save button of the last step: stores the fields, then Save Analysis.
    bool SaveAllClick();

    // Closing the window: the save question, then "Exit Program?"; true when the program
    // may close.
    bool FormCloseQuery();

    void forgetCurrentFile() override;
    const QString& currentFile() const { return m_currentFile; }

    // --- The recent-file list.
    // The four entries as stored ("FHIS"/"H1" ... "H4"), entry 1 first.
    QStringList recentFiles() const;
    // The entries the Reopen menu shows, as the last RefreshRecentMenu found them: their
    // numbers (1 to 4) and their paths, in order.
    QList<int> reopenEntryNumbers() const;
    QStringList reopenEntries() const;
    // The Reopen submenu shows when at least one entry does.
    bool reopenMenuVisible() const { return !reopenEntryNumbers().isEmpty(); }
    // Reads the stored list at start-up, then rebuilds the menu.
    void loadRecentFiles();
    // Puts the path first in the list, stores all four entries and rebuilds the menu.
    void AddRecentFile(const QString& path);
    // Empties every entry equal to an earlier one (in memory only) and shows each entry that
    // names an existing file and does not begin with "*".
    void RefreshRecentMenu();

signals:
    void recentMenuChanged();

private:
    Analysis& analysis();
    AnalysisFileReader& reader();
    // The save question before an open (pumpKey for a pump analysis, fanKey for a fan one);
    // false when the open must not go on.
    bool offerToSaveBeforeOpen(const char* pumpKey, const char* fanKey);
    // The checks Save and Save as share; false when the analysis must not be saved.
    bool passesSaveChecks(const char* noAnalysisKey, const char* incompleteKey);
    // The probe read, the open, and the recent list when asked.
    bool probeAndOpen(const QString& path, bool addToRecentFiles);
    bool OpenAnalysis(const QString& path, ReaderMessages& messages);
    // The project name and known-value selection the reader found, shown.
    void takeProjectAndSelection();
    // The table of the file's application in the current units, filled from the file, and
    // the fields from the table; false when the read was aborted or failed.
    bool setUpApplication(const QString& path, ReaderMessages& messages);
    void showOpenedAnalysis(const QString& path);
    // What an opened analysis needs to stand as saved and show its results.
    void finishOpen();
    // The fields stored and the analysis written; false (after "FILE ERROR !") when the file
    // could not be written whole, in which case an earlier file of that name is left intact.
    bool writeAnalysis(const QString& path);
    QString proposedFileName() const;
    void showFileTitle();

    Workflow& m_workflow;
    SettingsStore& m_store;
    const StringTable& m_commonTexts;
    std::optional<AnalysisFileReader> m_reader;
    QString m_currentFile;
    std::array<QString, recentFileCount> m_recent;
    std::array<bool, recentFileCount> m_shown{};
};

} // namespace wattmere
