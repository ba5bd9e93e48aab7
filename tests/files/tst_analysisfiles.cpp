// The file commands of the analysis window: Save and Save as with the forced extension, the
// proposed name, the replace question and the window titles; failed saves; the recent-file
// list and its Reopen entries; the save question before an open; closing the program; the
// file named on the command line.

#include "FilesSession.h"
#include "files/AnalysisFileNames.h"
#include "settings/SettingsKeys.h"

#include <QDir>
#include <QTest>

#include <csignal>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace wattmere;
using namespace wattmere::testing;

namespace {

const QString fullTitle = QStringLiteral("Orvek Wattmere Fan Application > Project: Plant 4");
const QString replaceText = QStringLiteral("File already exists! Do you want to replace it?");

// The values stored under "FHIS" as a later program start reads them.
QStringList storedRecentFiles(const FilesSession& s) {
    SettingsStore reopened(s.path(QStringLiteral("settings.ini")));
    QStringList stored;
    for (QLatin1StringView name : settingskeys::recentFiles)
        stored << reopened.ReadString(settingskeys::fileHistory, name);
    return stored;
}

void storeRecentFiles(SettingsStore& store, const QStringList& paths) {
    for (std::size_t i = 0; i < settingskeys::recentFiles.size(); ++i)
        store.WriteString(settingskeys::fileHistory, settingskeys::recentFiles[i],
                          paths.value(qsizetype(i)));
}

// Writes beyond the given size fail for as long as the object lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes) {
#ifdef Q_OS_UNIX
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = rlim_t(bytes);
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
#else
        Q_UNUSED(bytes);
#endif
    }
    ~FileSizeLimit() {
#ifdef Q_OS_UNIX
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_saved);
#endif
    }
    bool active() const {
        return m_active;
    }

private:
#ifdef Q_OS_UNIX
    rlimit m_saved{};
#endif
    bool m_active = false;
};

enum class Failure { MissingFolder, CutShort, FolderAtPath };

} // namespace

Q_DECLARE_METATYPE(Failure)

class TestAnalysisFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void saveAsForcesTheExtension_data();
    void saveAsForcesTheExtension();
    void saveAsProposesAName_data();
    void saveAsProposesAName();
    void titleAfterACancelledSaveAs_data();
    void titleAfterACancelledSaveAs();
    void saveTwiceWritesWithoutADialog();
    void replaceQuestion_data();
    void replaceQuestion();
    void savesAreRefusedByTheChecks_data();
    void savesAreRefusedByTheChecks();
    void aFailedSaveKeepsTheEarlierFile_data();
    void aFailedSaveKeepsTheEarlierFile();
    void saveButtonOfTheLastStepStoresTheFields();

    void reopenEntries_data();
    void reopenEntries();
    void theSameFileOpenedThreeTimesIsShownOnce();
    void reopenOpensWithoutReorderingTheList();
    void reopenOfAFileThatHasGone();
    void saveQuestionBeforeOpen_data();
    void saveQuestionBeforeOpen();
    void noThenACancelledOpenLeavesNoCurrentFile();
    void anAnalysisThatWasNotWrittenIsNotReplaced_data();
    void anAnalysisThatWasNotWrittenIsNotReplaced();

    void closingTheProgram_data();
    void closingTheProgram();
    void fileNamedOnTheCommandLine();
};

// --- Save and Save as

void TestAnalysisFiles::saveAsForcesTheExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("report.txt") << "report.txt"
                                << "report.KVX";
    QTest::newRow("plant.kvx") << "plant.kvx"
                               << "plant.KVX";
    QTest::newRow("a.b.c") << "a.b.c"
                           << "a.b.KVX";
    QTest::newRow("noext") << "noext"
                           << "noext.KVX";
    QTest::newRow("already upper case") << "done.KVX"
                                        << "done.KVX";
    QTest::newRow("a dot in the folder only") << "dir.v2/noext"
                                              << "dir.v2/noext.KVX";
    QTest::newRow("name with blanks") << "My plant 4.txt"
                                      << "My plant 4.KVX";
}

void TestAnalysisFiles::saveAsForcesTheExtension() {
    QFETCH(QString, typed);
    QFETCH(QString, written);
    FilesSession s;
    QVERIFY(QDir(s.folder.path()).mkpath(QStringLiteral("dir.v2")));
    s.startFan();
    QVERIFY(s.modified());

    QVERIFY(s.saveAs(typed));
    const QString expected = s.path(written);
    QVERIFY(QFileInfo(expected).isFile());
    if (typed != written)
        QVERIFY(!QFileInfo::exists(s.path(typed)));
    QVERIFY(fileBytes(expected).startsWith("[FILE INFO]\r\n"));
    QCOMPARE(s.files.currentFile(), expected);
    QCOMPARE(s.files.recentFiles().first(), expected);
    QCOMPARE(s.files.reopenEntries(), QStringList{expected});
    QVERIFY(!s.modified());
    QCOMPARE(s.workflow.windowCaption(), fullTitle);
    QVERIFY(s.messages().isEmpty());
    QCOMPARE(withAnalysisExtension(s.path(typed)), expected);
}

void TestAnalysisFiles::saveAsProposesAName_data() {
    QTest::addColumn<QString>("project");
    QTest::addColumn<bool>("savedBefore");
    QTest::addColumn<QString>("proposed"); // relative to the session folder when saved before
    QTest::newRow("new analysis without a project") << QString() << false << "OrvekProject.KVX";
    QTest::newRow("the customer page's project") << "Plant 4" << false << "Plant 4.KVX";
    QTest::newRow("the current file") << "Plant 4" << true << "first.KVX";
}

void TestAnalysisFiles::saveAsProposesAName() {
    QFETCH(QString, project);
    QFETCH(bool, savedBefore);
    QFETCH(QString, proposed);
    FilesSession s;
    s.startFan(project);
    QCOMPARE(s.text(Field::QNUM1), project);
    if (savedBefore) {
        QVERIFY(s.saveAs(QStringLiteral("first")));
        proposed = s.path(proposed);
    }
    QVERIFY(!s.files.SaveAsClick()); // the dialog is cancelled
    const ScriptedPrompter::FileRequest request = s.prompter.fileRequests().last();
    QVERIFY(request.save);
    QCOMPARE(request.suggestedName, proposed);
    QCOMPARE(request.filter, QStringLiteral(" Wattmere Analysis Files (*.KVX)"));
    QCOMPARE(dialogFilter(QStringLiteral("Analysen (*.KVX)|*.KVX|Text|*.txt|")),
             QStringLiteral("Analysen (*.KVX);;Text (*.txt)"));
}

void TestAnalysisFiles::titleAfterACancelledSaveAs_data() {
    QTest::addColumn<bool>("throughSave");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("title");
    QTest::newRow("Save as") << false << "Plant 4"
                             << "Orvek Wattmere";
    QTest::newRow("Save on an unsaved analysis") << true << "Plant 4" << fullTitle;
    QTest::newRow("Save without a project name")
        << true << QString() << "Orvek Wattmere Fan Application > Project: ";
}

void TestAnalysisFiles::titleAfterACancelledSaveAs() {
    QFETCH(bool, throughSave);
    QFETCH(QString, project);
    QFETCH(QString, title);
    FilesSession s;
    s.startFan(project);
    const bool saved = throughSave ? s.files.SaveFileClick() : s.files.SaveAsClick();
    QVERIFY(!saved);
    QCOMPARE(s.fileDialogs(), 1);
    QCOMPARE(s.workflow.windowCaption(), title);
    QVERIFY(s.modified());
    QVERIFY(s.files.currentFile().isEmpty());
    QCOMPARE(s.files.recentFiles(), QStringList(4, QString()));
}

void TestAnalysisFiles::saveTwiceWritesWithoutADialog() {
    FilesSession s;
    s.startFan();
    QVERIFY(s.saveAs(QStringLiteral("plant")));
    const QString plant = s.path(QStringLiteral("plant.KVX"));
    const QByteArray first = fileBytes(plant);
    const QStringList recent = s.files.recentFiles();

    s.type(Field::A104, QStringLiteral("0.12"));
    QVERIFY(s.modified());
    QVERIFY(s.files.SaveFileClick());
    QVERIFY(!s.modified());
    QVERIFY(s.files.SaveFileClick());
    QCOMPARE(s.fileDialogs(), 1);
    QCOMPARE(s.files.recentFiles(), recent);
    QCOMPARE(storedRecentFiles(s), recent);
    const QByteArray second = fileBytes(plant);
    QVERIFY(first.contains("P004=A1-04=0.100;"));
    QVERIFY(second.contains("P004=A1-04=0.120;"));
    QVERIFY(s.messages().isEmpty());
}

void TestAnalysisFiles::replaceQuestion_data() {
    QTest::addColumn<PromptAnswer>("answer");
    QTest::newRow("Yes replaces the file") << PromptAnswer::Yes;
    QTest::newRow("No leaves it") << PromptAnswer::No;
}

void TestAnalysisFiles::replaceQuestion() {
    QFETCH(PromptAnswer, answer);
    FilesSession s;
    const QString plant = s.path(QStringLiteral("plant.KVX"));
    QVERIFY(writeBytes(plant, "earlier\r\n"));
    s.startFan();
    s.prompter.queueAnswer(answer);
    const bool saved = s.saveAs(QStringLiteral("plant.txt"));

    QCOMPARE(s.prompter.messages().size(), 1);
    const PromptMessage& question = s.prompter.messages().first();
    QCOMPARE(question.text, QDir::toNativeSeparators(plant) + replaceText);
    QCOMPARE(question.kind, PromptKind::Warning);
    QCOMPARE(question.buttons, PromptButtons::YesNo);
    QCOMPARE(s.workflow.windowCaption(), fullTitle);
    const bool replaced = answer == PromptAnswer::Yes;
    QCOMPARE(saved, replaced);
    QCOMPARE(fileBytes(plant) == "earlier\r\n", !replaced);
    QCOMPARE(s.modified(), !replaced);
    QCOMPARE(s.files.currentFile(), replaced ? plant : QString());
    QCOMPARE(s.files.reopenEntries(), replaced ? QStringList{plant} : QStringList{});
}

void TestAnalysisFiles::savesAreRefusedByTheChecks_data() {
    QTest::addColumn<int>("state"); // 0 no analysis, 1 incomplete, 2 invalid
    QTest::addColumn<bool>("throughSave");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Save without an analysis") << 0 << true << QStringList{"IDS_40"};
    QTest::newRow("Save as without an analysis") << 0 << false << QStringList{"IDS_44"};
    QTest::newRow("Save of an incomplete step 2") << 1 << true << QStringList{"IDS_41"};
    QTest::newRow("Save as of an incomplete step 2") << 1 << false << QStringList{"IDS_45"};
    QTest::newRow("Save with a head below the removed drop") << 2 << true << QStringList{"IDS_02"};
    QTest::newRow("Save as with a shaft power above the motor's")
        << 3 << false << QStringList{"IDS_04"};
}

void TestAnalysisFiles::savesAreRefusedByTheChecks() {
    QFETCH(int, state);
    QFETCH(bool, throughSave);
    QFETCH(QStringList, messages);
    FilesSession s;
    if (state >= 1) {
        s.startFan();
        if (state == 1)
            s.type(Field::A125, QString());
        if (state == 2)
            s.type(Field::A123, QStringLiteral("5"));
        if (state == 3)
            s.window().setText(Field::A105, QStringLiteral("40"));
    }
    s.prompter.clear();
    s.prompter.queueFile(s.path(QStringLiteral("refused")));
    QVERIFY(!(throughSave ? s.files.SaveFileClick() : s.files.SaveAsClick()));
    QCOMPARE(s.messages(), messages);
    QCOMPARE(s.fileDialogs(), 0);
    QVERIFY(!QFileInfo::exists(s.path(QStringLiteral("refused.KVX"))));
    QVERIFY(s.files.currentFile().isEmpty());
}

void TestAnalysisFiles::aFailedSaveKeepsTheEarlierFile_data() {
    QTest::addColumn<Failure>("failure");
    QTest::newRow("Save as into a missing folder") << Failure::MissingFolder;
    QTest::newRow("Save cut short by a write error") << Failure::CutShort;
    QTest::newRow("Save as over a folder") << Failure::FolderAtPath;
}

void TestAnalysisFiles::aFailedSaveKeepsTheEarlierFile() {
    QFETCH(Failure, failure);
    FilesSession s;
    s.startFan();
    QVERIFY(s.saveAs(QStringLiteral("plant")));
    const QString plant = s.path(QStringLiteral("plant.KVX"));
    const QByteArray earlier = fileBytes(plant);
    const QStringList recent = s.files.recentFiles();
    const QStringList folderBefore = QDir(s.folder.path()).entryList(QDir::Files);
    s.type(Field::A104, QStringLiteral("0.12"));
    s.prompter.clear();

    bool saved = true;
    switch (failure) {
    case Failure::MissingFolder:
        saved = s.files.saveAs(s.path(QStringLiteral("missing/plant.KVX")));
        break;
    case Failure::CutShort: {
        const FileSizeLimit limit(1024);
        if (!limit.active())
            QSKIP("the file size limit cannot be set here");
        saved = s.files.SaveFileClick();
        break;
    }
    case Failure::FolderAtPath:
        QVERIFY(QDir(s.folder.path()).mkdir(QStringLiteral("dir.KVX")));
        s.prompter.queueAnswer(PromptAnswer::Yes); // replace it
        saved = s.files.saveAs(s.path(QStringLiteral("dir")));
        break;
    }

    QVERIFY(!saved);
    const PromptMessage& error = s.prompter.messages().last();
    QCOMPARE(error.text, QStringLiteral("FILE ERROR !"));
    QCOMPARE(error.buttons, PromptButtons::Ok);
    QCOMPARE(s.messages().count(QString()), failure == Failure::FolderAtPath ? 2 : 1);
    QVERIFY(s.modified());
    QCOMPARE(s.files.recentFiles(), recent);
    QCOMPARE(s.files.reopenEntries(), QStringList{plant});
    QCOMPARE(s.files.currentFile(), plant);
    QCOMPARE(fileBytes(plant), earlier);
    // Nothing half-written is left beside the earlier file.
    QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files), folderBefore);

    // The next save that can write does.
    QVERIFY(s.files.SaveFileClick());
    QVERIFY(fileBytes(plant).contains("P004=A1-04=0.120;"));
    QVERIFY(!s.modified());
}

void TestAnalysisFiles::saveButtonOfTheLastStepStoresTheFields() {
    FilesSession s;
    s.startFan();
    QVERIFY(s.saveAs(QStringLiteral("plant")));
    s.workflow.selectPage(steppage::report);
    // A field edited without leaving it still reaches the file.
    s.window().setText(Field::A126, QStringLiteral("1,234"));
    QVERIFY(s.files.SaveAllClick());
    QVERIFY(fileBytes(s.path(QStringLiteral("plant.KVX"))).contains("=A1-26=1234;"));
    QCOMPARE(s.fileDialogs(), 1);
}

// --- Recent files

void TestAnalysisFiles::reopenEntries_data() {
    QTest::addColumn<QStringList>("stored"); // "@" stands for the session folder
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("all four files exist")
        << QStringList{"@/a.KVX", "@/b.KVX", "@/c.KVX", "@/d.KVX"} << QList<int>{1, 2, 3, 4};
    QTest::newRow("files that have gone are not shown")
        << QStringList{"@/gone.KVX", "@/b.KVX", "", "@/gone2.KVX"} << QList<int>{2};
    QTest::newRow("a path beginning with * is never shown")
        << QStringList{"*a.KVX", "@/a.KVX", "*", ""} << QList<int>{2};
    QTest::newRow("of equal paths only the first")
        << QStringList{"@/a.KVX", "@/b.KVX", "@/a.KVX", "@/b.KVX"} << QList<int>{1, 2};
    QTest::newRow("comparison is case-sensitive")
        << QStringList{"@/a.KVX", "@/A.KVX", "@/c.KVX", ""} << QList<int>{1, 2, 3};
    QTest::newRow("nothing stored") << QStringList{} << QList<int>{};
    QTest::newRow("a folder is no file") << QStringList{"@", "@/a.KVX"} << QList<int>{2};
}

void TestAnalysisFiles::reopenEntries() {
    QFETCH(QStringList, stored);
    QFETCH(QList<int>, shown);
    QTemporaryDir files;
    for (const char* name : {"a.KVX", "b.KVX", "c.KVX", "d.KVX", "A.KVX"})
        QVERIFY(writeBytes(files.filePath(QLatin1String(name)), "x"));
    // A file whose relative name begins with "*" exists, yet its entry stays hidden.
    struct WorkingFolder {
        const QString previous = QDir::currentPath();
        ~WorkingFolder() { QDir::setCurrent(previous); }
    } restored;
    QVERIFY(QDir::setCurrent(files.path()));
    QVERIFY(writeBytes(QStringLiteral("*a.KVX"), "x"));
    stored.replaceInStrings(QStringLiteral("@"), files.path());

    FilesSession s;
    storeRecentFiles(s.store, stored);
    s.files.loadRecentFiles();
    QCOMPARE(s.files.reopenEntryNumbers(), shown);
    QStringList paths;
    for (int number : shown)
        paths << stored.at(number - 1);
    QCOMPARE(s.files.reopenEntries(), paths);
    QCOMPARE(s.files.reopenMenuVisible(), !shown.isEmpty());
    // The refresh changes the list in memory only.
    QCOMPARE(storedRecentFiles(s), (stored + QStringList(4, QString())).mid(0, 4));
}

void TestAnalysisFiles::theSameFileOpenedThreeTimesIsShownOnce() {
    FilesSession writer;
    writer.startFan();
    QVERIFY(writer.saveAs(QStringLiteral("plant")));
    const QString plant = writer.path(QStringLiteral("plant.KVX"));
    QVERIFY(writer.saveAs(QStringLiteral("other")));
    const QString other = writer.path(QStringLiteral("other.KVX"));

    FilesSession s;
    for (int i = 0; i < 3; ++i)
        QVERIFY(s.files.openFile(plant));
    QCOMPARE(s.files.reopenEntries(), QStringList{plant});
    QCOMPARE(s.files.recentFiles(), (QStringList{plant, plant, QString(), QString()}));
    QVERIFY(s.files.openFile(other));
    QCOMPARE(s.files.reopenEntries(), (QStringList{other, plant}));
    QCOMPARE(s.files.recentFiles(), (QStringList{other, plant, QString(), QString()}));

    // The next program start reads the stored list.
    FilesSession later;
    storeRecentFiles(later.store, s.files.recentFiles());
    later.files.loadRecentFiles();
    QCOMPARE(later.files.reopenEntries(), (QStringList{other, plant}));
    // Entry 4 drops out when a fifth file is added.
    for (const QString& name : {QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")})
        later.files.AddRecentFile(writer.path(name));
    QCOMPARE(later.files.recentFiles(),
             (QStringList{writer.path("e"), writer.path("d"), writer.path("c"), other}));
}

void TestAnalysisFiles::reopenOpensWithoutReorderingTheList() {
    FilesSession writer;
    writer.startFan();
    QVERIFY(writer.saveAs(QStringLiteral("plant")));
    writer.startPump();
    QVERIFY(writer.saveAs(QStringLiteral("pump")));
    const QStringList stored{writer.path(QStringLiteral("pump.KVX")),
                             writer.path(QStringLiteral("plant.KVX"))};

    FilesSession s;
    storeRecentFiles(s.store, stored);
    s.files.loadRecentFiles();
    QVERIFY(s.files.OpenRecentFile(2));
    QCOMPARE(s.model().application(), Application::Fan);
    QCOMPARE(s.files.currentFile(), stored.at(1));
    QCOMPARE(s.files.reopenEntries(), stored);
    QCOMPARE(storedRecentFiles(s), (stored + QStringList{QString(), QString()}));
    QVERIFY(s.messages().isEmpty());
    QVERIFY(!s.files.OpenRecentFile(0));
    QVERIFY(!s.files.OpenRecentFile(5));
    QVERIFY(s.messages().isEmpty());
}

void TestAnalysisFiles::reopenOfAFileThatHasGone() {
    FilesSession writer;
    writer.startFan();
    QVERIFY(writer.saveAs(QStringLiteral("plant")));
    const QString plant = writer.path(QStringLiteral("plant.KVX"));

    FilesSession s;
    storeRecentFiles(s.store, {plant});
    s.files.loadRecentFiles();
    QCOMPARE(s.files.reopenEntries(), QStringList{plant});
    QVERIFY(QFile::remove(plant));
    QVERIFY(!s.files.OpenRecentFile(1));
    QCOMPARE(s.messages(), QStringList{"IDS_13"});
    QCOMPARE(s.prompter.messages().first().kind, PromptKind::Error);
    QCOMPARE(s.lastMessage(), QStringLiteral("File does not exist!"));
    QCOMPARE(s.files.recentFiles().first(), plant);
    QCOMPARE(s.model().application(), Application::None);
    // Hidden at the next refresh.
    s.files.RefreshRecentMenu();
    QVERIFY(s.files.reopenEntries().isEmpty());
}

void TestAnalysisFiles::saveQuestionBeforeOpen_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<bool>("recent");
    QTest::addColumn<PromptAnswer>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("savedBefore");
    QTest::newRow("fan, Open, Yes")
        << false << false << PromptAnswer::Yes << "IDS_39" << true << true;
    QTest::newRow("pump, Open, No")
        << true << false << PromptAnswer::No << "IDS_38" << true << false;
    QTest::newRow("fan, Open, Cancel")
        << false << false << PromptAnswer::Cancel << "IDS_39" << false << false;
    QTest::newRow("pump, Reopen, Yes")
        << true << true << PromptAnswer::Yes << "IDS_11" << true << true;
    QTest::newRow("fan, Reopen, No")
        << false << true << PromptAnswer::No << "IDS_12" << true << false;
    QTest::newRow("pump, Reopen, Cancel")
        << true << true << PromptAnswer::Cancel << "IDS_11" << false << false;
}

void TestAnalysisFiles::saveQuestionBeforeOpen() {
    QFETCH(bool, pump);
    QFETCH(bool, recent);
    QFETCH(PromptAnswer, answer);
    QFETCH(QString, question);
    QFETCH(bool, opened);
    QFETCH(bool, savedBefore);
    FilesSession writer;
    writer.startFan(QStringLiteral("The other one"));
    QVERIFY(writer.saveAs(QStringLiteral("other")));
    const QString other = writer.path(QStringLiteral("other.KVX"));

    FilesSession s;
    storeRecentFiles(s.store, {other});
    s.files.loadRecentFiles();
    if (pump)
        s.startPump();
    else
        s.startFan();
    QVERIFY(s.saveAs(QStringLiteral("mine")));
    const QString mine = s.path(QStringLiteral("mine.KVX"));
    const QByteArray before = fileBytes(mine);
    s.type(Field::A104, QStringLiteral("0.12"));
    s.prompter.clear();
    s.prompter.queueAnswer(answer);
    s.prompter.queueFile(other);
    const bool result = recent ? s.files.OpenRecentFile(2) : s.files.OpenFileClick();

    QCOMPARE(s.messages(), QStringList{question});
    QCOMPARE(s.prompter.messages().first().buttons, PromptButtons::YesNoCancel);
    QCOMPARE(result, opened);
    QCOMPARE(fileBytes(mine) != before, savedBefore);
    QCOMPARE(s.files.currentFile(), opened ? other : mine);
    QCOMPARE(s.text(Field::QNUM),
             opened ? QStringLiteral("The other one")
                    : (pump ? QStringLiteral("Pump house") : QStringLiteral("Plant 4")));
    QCOMPARE(s.modified(), !opened);
    QCOMPARE(s.files.reopenEntries().first(), opened && !recent ? other : mine);
}

void TestAnalysisFiles::noThenACancelledOpenLeavesNoCurrentFile() {
    FilesSession s;
    s.startFan();
    QVERIFY(s.saveAs(QStringLiteral("plant")));
    s.type(Field::A104, QStringLiteral("0.12"));
    s.prompter.clear();
    s.prompter.queueAnswer(PromptAnswer::No);
    QVERIFY(!s.files.OpenFileClick());
    QCOMPARE(s.messages(), QStringList{"IDS_39"});
    QCOMPARE(s.fileDialogs(), 1);
    QVERIFY(!s.prompter.fileRequests().first().save);
    QCOMPARE(s.model().application(), Application::Fan);
    QVERIFY(s.files.currentFile().isEmpty());
    // The next Save asks for a name.
    QVERIFY(!s.files.SaveFileClick());
    QCOMPARE(s.fileDialogs(), 2);
    QVERIFY(s.prompter.fileRequests().last().save);
}

void TestAnalysisFiles::anAnalysisThatWasNotWrittenIsNotReplaced_data() {
    QTest::addColumn<bool>("folderGone");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Save as cancelled") << false << QStringList{"IDS_39"};
    QTest::newRow("its folder has gone") << true << QStringList{"IDS_39", QString()};
}

void TestAnalysisFiles::anAnalysisThatWasNotWrittenIsNotReplaced() {
    QFETCH(bool, folderGone);
    QFETCH(QStringList, messages);
    FilesSession writer;
    writer.startPump();
    QVERIFY(writer.saveAs(QStringLiteral("other")));
    const QString other = writer.path(QStringLiteral("other.KVX"));

    FilesSession s;
    s.startFan();
    QTemporaryDir gone;
    if (folderGone) {
        QVERIFY(s.files.saveAs(gone.filePath(QStringLiteral("plant"))));
        s.type(Field::A104, QStringLiteral("0.12"));
        QVERIFY(gone.remove());
    }
    s.prompter.clear();
    s.prompter.queueAnswer(PromptAnswer::Yes); // save first
    QVERIFY(!s.files.openFile(other));
    QCOMPARE(s.messages(), messages);
    QCOMPARE(s.model().application(), Application::Fan);
    QCOMPARE(s.text(Field::QNUM), QStringLiteral("Plant 4"));
    QVERIFY(s.modified());
    QCOMPARE(s.files.currentFile(),
             folderGone ? gone.filePath(QStringLiteral("plant.KVX")) : QString());
}

// --- Closing and starting

void TestAnalysisFiles::closingTheProgram_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QList<PromptAnswer>>("answers");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    using A = PromptAnswer;
    QTest::newRow("nothing to save")
        << false << true << QList<A>{A::Yes} << QStringList{"IDS_55"} << true << false;
    QTest::newRow("incomplete analysis")
        << true << false << QList<A>{A::Cancel} << QStringList{"IDS_55"} << false << false;
    QTest::newRow("save, then exit") << true << true << QList<A>{A::Yes, A::Yes}
                                     << QStringList{"IDS_21", "IDS_55"} << true << true;
    QTest::newRow("do not save, stay") << true << true << QList<A>{A::No, A::Cancel}
                                       << QStringList{"IDS_21", "IDS_55"} << false << false;
    QTest::newRow("Cancel keeps the program running")
        << true << true << QList<A>{A::Cancel} << QStringList{"IDS_21"} << false << false;
}

void TestAnalysisFiles::closingTheProgram() {
    QFETCH(bool, modified);
    QFETCH(bool, complete);
    QFETCH(QList<PromptAnswer>, answers);
    QFETCH(QStringList, messages);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    FilesSession s;
    s.startFan();
    QVERIFY(s.saveAs(QStringLiteral("plant")));
    const QByteArray before = fileBytes(s.path(QStringLiteral("plant.KVX")));
    if (modified)
        s.type(Field::A104, QStringLiteral("0.12"));
    if (!complete)
        s.type(Field::A125, QString());
    QCOMPARE(s.modified(), modified);
    s.prompter.clear();
    for (PromptAnswer answer : answers)
        s.prompter.queueAnswer(answer);
    QCOMPARE(s.files.FormCloseQuery(), closes);
    QCOMPARE(s.messages(), messages);
    QCOMPARE(fileBytes(s.path(QStringLiteral("plant.KVX"))) != before, written);
}

void TestAnalysisFiles::fileNamedOnTheCommandLine() {
    FilesSession writer;
    QVERIFY(QDir(writer.folder.path()).mkdir(QStringLiteral("My Projects")));
    writer.startFan();
    QVERIFY(writer.saveAs(QStringLiteral("My Projects/a")));
    const QString spaced = writer.path(QStringLiteral("My Projects/a.KVX"));
    const QStringList arguments{writer.path(QStringLiteral("My")),
                                QStringLiteral("Projects/a.KVX")};
    QCOMPARE(commandLineFile(arguments), spaced);
    QCOMPARE(commandLineFile({writer.path(QStringLiteral("My"))}), QString());
    QCOMPARE(commandLineFile({}), QString());

    FilesSession s;
    QVERIFY(s.files.openCommandLineFile(arguments));
    QCOMPARE(s.files.currentFile(), spaced);
    QCOMPARE(s.model().application(), Application::Fan);
    // Opened as from the recent list: the list is not changed.
    QCOMPARE(s.files.recentFiles(), QStringList(4, QString()));
    QVERIFY(!s.files.openCommandLineFile({writer.path(QStringLiteral("missing.KVX"))}));
    QVERIFY(s.messages().isEmpty());
}

QTEST_GUILESS_MAIN(TestAnalysisFiles)
#include "tst_analysisfiles.moc"
