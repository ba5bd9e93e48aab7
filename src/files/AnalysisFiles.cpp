#include "files/AnalysisFiles.h"

#include "app/StepPanels.h"
#include "app/Workflow.h"
#include "files/AnalysisFileLayout.h"
#include "files/AnalysisFileNames.h"
#include "files/AnalysisFileWriter.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace wattmere {

namespace {

const QString openTitle = QStringLiteral("Open Analysis");
const QString saveTitle = QStringLiteral("Save Analysis as...");

constexpr Choice knownValueChoices[] = {Choice::S1, Choice::S2, Choice::S3, Choice::S4};

QString absolutePath(const QString& path) {
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

} // namespace

AnalysisFiles::AnalysisFiles(Workflow& workflow, SettingsStore& store,
                             const StringTable& commonTexts, QObject* parent)
    : QObject(parent), m_workflow(workflow), m_store(store), m_commonTexts(commonTexts) {}

Analysis& AnalysisFiles::analysis() {
    return m_workflow.analysis();
}

AnalysisFileReader& AnalysisFiles::reader() {
    // Made on first use: the workflow need not exist yet when this object is built. The one
    // reader keeps what the open consults from one read to the next.
    if (!m_reader)
        m_reader.emplace(analysis().model(), m_commonTexts);
    return *m_reader;
}

void AnalysisFiles::forgetCurrentFile() {
    m_currentFile.clear();
}

// ---------------------------------------------------------------------------------------------
// Open

bool AnalysisFiles::offerToSaveBeforeOpen(const char* pumpKey, const char* fanKey) {
    AnalysisModel& model = analysis().model();
    if (model.application() == Application::None || !model.window().flags().modified)
        return true;
    switch (model.ask(model.isPump() ? pumpKey : fanKey, PromptKind::Confirmation,
                      PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
        // An analysis that was not written is not replaced.
        if (!SaveFileClick())
            return false;
        break;
    case PromptAnswer::No:
        break;
    default:
        return false;
    }
    forgetCurrentFile();
    return true;
}

bool AnalysisFiles::OpenFileClick() {
    if (!offerToSaveBeforeOpen("IDS_38", "IDS_39"))
        return false;
    const QString filter = dialogFilter(analysis().model().text("IDS_100"));
    const QString path = analysis().model().prompter().chooseFileToOpen(openTitle, filter);
    if (path.isEmpty())
        return false;
    return probeAndOpen(absolutePath(path), true);
}

bool AnalysisFiles::openFile(const QString& path) {
    if (!offerToSaveBeforeOpen("IDS_38", "IDS_39"))
        return false;
    return probeAndOpen(absolutePath(path), true);
}

bool AnalysisFiles::OpenRecentFile(int entry) {
    if (entry < 1 || entry > recentFileCount)
        return false;
    return OpenRecentFile(m_recent[std::size_t(entry - 1)]);
}

bool AnalysisFiles::OpenRecentFile(const QString& path) {
    if (!offerToSaveBeforeOpen("IDS_11", "IDS_12"))
        return false;
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        analysis().model().ask("IDS_13", PromptKind::Error, PromptButtons::Ok);
        return false;
    }
    return probeAndOpen(path, false);
}

bool AnalysisFiles::openCommandLineFile(const QStringList& arguments) {
    const QString path = commandLineFile(arguments);
    return !path.isEmpty() && OpenRecentFile(path);
}

bool AnalysisFiles::probeAndOpen(const QString& path, bool addToRecentFiles) {
    // One open shows each message about a line once.
    ReaderMessages messages(analysis().model().prompter());
    // A file without a project name must not show the one of the file read before it.
    reader().clearProjectName();
    if (!reader().ReadAnalysisFile(path, ReadMode::Probe, messages))
        return false;
    if (!OpenAnalysis(path, messages))
        return false;
    if (addToRecentFiles)
        AddRecentFile(path);
    return true;
}

// Reads the file once after the probe, into a table freshly defined for its application and
// units, and leaves the analysis as repeated reads of the same file would: each of them starts
// from a fresh table, and the known-value selection, which resets the design-point lock, comes
// before the read that sets the lock.
bool AnalysisFiles::OpenAnalysis(const QString& path, ReaderMessages& messages) {
    WindowState& window = analysis().window();
    // The two-speed panel of the analysis being replaced does not belong to this one.
    window.setVisible(Panel::TwoSpeedMotorPanel, false);
    showSystemDataPanel(window);
    takeProjectAndSelection();
    if (!setUpApplication(path, messages))
        return false;
    showOpenedAnalysis(path);
    finishOpen();
    return true;
}

void AnalysisFiles::takeProjectAndSelection() {
    WindowState& window = analysis().window();
    const QString& project = reader().projectName();
    window.setText(Field::QNUM, project);
    window.setText(Field::QNUM1, project);
    window.setModified(false);
    const int selection = reader().systemDataSelection();
    window.setChecked(selection >= 0 && selection <= 3 ? knownValueChoices[selection] : Choice::S1,
                      true);
    analysis().binding().SystemDataSelectionChange();
}

bool AnalysisFiles::setUpApplication(const QString& path, ReaderMessages& messages) {
    AnalysisModel& model = analysis().model();
    const int code = reader().applicationCode();
    // The probe refuses a file of any other application.
    if (code != fanApplicationCode && code != pumpApplicationCode)
        return false;
    model.setApplication(code == fanApplicationCode ? Application::Fan : Application::Pump);
    model.defineParameterTable(true);
    // An abort, or a file that could no longer be read, ends the open here.
    if (!reader().ReadAnalysisFile(path, ReadMode::Apply, messages))
        return false;
    FieldBinding& binding = analysis().binding();
    binding.set_fields(TransferMode::ShowCurrent);
    binding.CopyAdvancedDesignPoint();
    return true;
}

void AnalysisFiles::showOpenedAnalysis(const QString& path) {
    analysis().applyApplicationCaptions();
    m_workflow.ShowStepPages();
    showFileTitle();
    m_currentFile = path;
}

void AnalysisFiles::finishOpen() {
    Analysis& opened = analysis();
    AnalysisModel& model = opened.model();
    WindowState& window = model.window();
    FieldBinding& binding = opened.binding();

    // The file's curve data stands as the user's own: the next recalculation and the next
    // exit of a system data field keep it, and only a real change of the design point brings
    // default curve data back.
    WindowFlags& flags = window.editFlags();
    flags.defaultsPending = false;
    flags.advancedModeOn = true;
    binding.rememberDesignPoint();
    DesignMemory& memory = model.designMemory();
    memory.couplingA145 = window.text(Field::A145);
    memory.couplingA150 = window.text(Field::A150);
    // The efficiency-given mode fits with the design flow it had, which is the file's.
    if (const std::optional<double> designFlow =
            designFlowOfEfficiencyMode(model, reader().contents()))
        opened.curves().keepDesignFlow(*designFlow);

    // The results of the file, as the pages show them.
    if (binding.ValidateSystemData(false))
        opened.RecalculateAll();
    else
        opened.computeDutyCycle();
    binding.showTwoSpeedDutyTotal();
    window.setModified(false);
}

// ---------------------------------------------------------------------------------------------
// Save

bool AnalysisFiles::passesSaveChecks(const char* noAnalysisKey, const char* incompleteKey) {
    Analysis& current = analysis();
    AnalysisModel& model = current.model();
    if (model.application() == Application::None) {
        model.inform(noAnalysisKey);
        return false;
    }
    if (!current.SystemDataComplete()) {
        model.inform(incompleteKey);
        return false;
    }
    return current.binding().ValidateSystemData(true);
}

bool AnalysisFiles::SaveFileClick() {
    if (!passesSaveChecks("IDS_40", "IDS_41"))
        return false;
    if (!m_currentFile.isEmpty())
        return writeAnalysis(m_currentFile);
    const bool saved = SaveAsClick();
    showFileTitle();
    return saved;
}

bool AnalysisFiles::SaveAsClick() {
    if (!passesSaveChecks("IDS_44", "IDS_45"))
        return false;
    AnalysisModel& model = analysis().model();
    const QString path = model.prompter().chooseFileToSave(
        saveTitle, dialogFilter(model.text("IDS_101")), proposedFileName());
    if (path.isEmpty()) {
        m_workflow.setCaption(programTitle());
        return false;
    }
    return saveAs(path);
}

bool AnalysisFiles::saveAs(const QString& chosen) {
    AnalysisModel& model = analysis().model();
    if (model.application() == Application::None) {
        model.inform("IDS_44");
        return false;
    }
    if (chosen.isEmpty())
        return false;
    const QString path = absolutePath(withAnalysisExtension(chosen));
    bool saved = false;
    if (!QFileInfo::exists(path) ||
        model.prompter().ask({PromptKind::Warning,
                              {},
                              QDir::toNativeSeparators(path) + model.text("IDS_46"),
                              PromptButtons::YesNo}) == PromptAnswer::Yes) {
        saved = writeAnalysis(path);
        if (saved) {
            AddRecentFile(path);
            m_currentFile = path;
        }
    }
    showFileTitle();
    return saved;
}

bool AnalysisFiles::SaveAllClick() {
    return m_workflow.SaveAllClick();
}

bool AnalysisFiles::writeAnalysis(const QString& path) {
    Analysis& current = analysis();
    m_workflow.CalcPanelChange();
    current.binding().set_fields(TransferMode::Store);
    const QByteArray bytes = writeAnalysisFile(current.model());
    // Written beside the file and put in its place only when whole, so that a failed save
    // leaves the earlier file as it was. The flush and the size are checked before the commit:
    // the commit alone does not report a buffered write that the disk refused.
    QSaveFile file(path);
    const bool written = !bytes.isEmpty() && file.open(QIODevice::WriteOnly) &&
                         file.write(bytes) == bytes.size() && file.flush() &&
                         file.size() == bytes.size() && file.commit();
    if (!written) {
        current.model().prompter().ask(
            {PromptKind::Warning, {}, QString::fromLatin1(fileErrorText), PromptButtons::Ok});
        return false;
    }
    current.window().setModified(false);
    return true;
}

QString AnalysisFiles::proposedFileName() const {
    if (!m_currentFile.isEmpty())
        return m_currentFile;
    const QString& project = m_workflow.analysis().window().text(Field::QNUM1);
    if (!project.isEmpty())
        return project + u'.' + QLatin1String(analysisFileExtension);
    return QStringLiteral("OrvekProject.") + QLatin1String(analysisFileExtension);
}

void AnalysisFiles::showFileTitle() {
    const AnalysisModel& model = analysis().model();
    m_workflow.setCaption(captionWithProject(model, model.window().text(Field::QNUM)));
}

// ---------------------------------------------------------------------------------------------
// Closing

bool AnalysisFiles::FormCloseQuery() {
    Analysis& current = analysis();
    AnalysisModel& model = current.model();
    if (model.window().flags().modified && model.application() != Application::None &&
        current.SystemDataComplete()) {
        switch (model.ask("IDS_21", PromptKind::Confirmation, PromptButtons::YesNoCancel)) {
        case PromptAnswer::Yes:
            SaveFileClick();
            break;
        case PromptAnswer::No:
            break;
        default:
            return false;
        }
    }
    return model.ask("IDS_55", PromptKind::Confirmation, PromptButtons::YesCancel) ==
           PromptAnswer::Yes;
}

// ---------------------------------------------------------------------------------------------
// Recent files

QStringList AnalysisFiles::recentFiles() const {
    QStringList stored;
    for (QLatin1StringView name : settingskeys::recentFiles)
        stored << m_store.ReadString(settingskeys::fileHistory, name);
    return stored;
}

QList<int> AnalysisFiles::reopenEntryNumbers() const {
    QList<int> numbers;
    for (int i = 0; i < recentFileCount; ++i) {
        if (m_shown[std::size_t(i)])
            numbers << i + 1;
    }
    return numbers;
}

QStringList AnalysisFiles::reopenEntries() const {
    QStringList paths;
    for (int number : reopenEntryNumbers())
        paths << m_recent[std::size_t(number - 1)];
    return paths;
}

void AnalysisFiles::loadRecentFiles() {
    for (std::size_t i = 0; i < m_recent.size(); ++i)
        m_recent[i] = m_store.ReadString(settingskeys::fileHistory, settingskeys::recentFiles[i]);
    RefreshRecentMenu();
}

void AnalysisFiles::AddRecentFile(const QString& path) {
    for (std::size_t i = m_recent.size() - 1; i > 0; --i)
        m_recent[i] = m_recent[i - 1];
    m_recent[0] = path;
    for (std::size_t i = 0; i < m_recent.size(); ++i)
        m_store.WriteString(settingskeys::fileHistory, settingskeys::recentFiles[i], m_recent[i]);
    RefreshRecentMenu();
}

void AnalysisFiles::RefreshRecentMenu() {
    for (std::size_t i = 0; i < m_recent.size(); ++i) {
        for (std::size_t earlier = 0; earlier < i; ++earlier) {
            if (m_recent[i] == m_recent[earlier]) {
                m_recent[i].clear();
                break;
            }
        }
    }
    for (std::size_t i = 0; i < m_recent.size(); ++i) {
        const QString& path = m_recent[i];
        m_shown[i] = !path.isEmpty() && !path.startsWith(u'*') && QFileInfo(path).isFile();
    }
    emit recentMenuChanged();
}

} // namespace wattmere
