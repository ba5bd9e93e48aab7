// Bad input to the Open command: truncated, binary, huge-line and random files never crash or
// hang the reader; each is opened, or refused with a message, in bounded time and memory. Also
// what such input brought to light: unit indices of an application the file names no longer,
// texts of the user's that read as section titles, and the number of questions about bad
// lines. Everything is built here (the large files in a temporary folder); nothing big is
// stored.

#include "FileFixtures.h"
#include "FilesSession.h"
#include "files/AnalysisFileParser.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <functional>

using namespace wattmere;
using namespace wattmere::testing;

Q_DECLARE_METATYPE(wattmere::ScriptedPrompter::Policy)
Q_DECLARE_METATYPE(wattmere::Field)

namespace {

using Policy = ScriptedPrompter::Policy;

// Builds with the address sanitizer (the fuzz build) run several times slower and hold freed
// memory back for a while.
#if defined(__SANITIZE_ADDRESS__)
#define WATTMERE_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WATTMERE_SANITIZED 1
#endif
#endif
#ifdef WATTMERE_SANITIZED
constexpr qint64 sanitizerFactor = 8;
#else
constexpr qint64 sanitizerFactor = 1;
#endif

constexpr qint64 megabyte = 1024 * 1024;
// Generous for a loaded CI machine; the measured figures are printed with each case.
constexpr qint64 largeFileMilliseconds = 20'000 * sanitizerFactor;
constexpr qint64 largeFileMemoryKb = 300 * 1024 * sanitizerFactor;

const QStringList refusalIds{QStringLiteral("IDS_9"),  QStringLiteral("IDS_10"),
                             QStringLiteral("IDS_11"), QStringLiteral("IDS_12"),
                             QStringLiteral("IDS_13"), QStringLiteral("IDS_14")};

const QString errorInLine = QStringLiteral("Error in line : ");

// The peak resident memory of this process in kB (VmHWM), or -1 where /proc has none.
qint64 peakMemoryKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts the peak over from the memory in use now (Linux "clear_refs" 5); where that is not
// allowed, the growth is measured against the earlier peak, which can only understate it.
void resetPeakMemory() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

// What one open of a file did.
struct OpenResult {
    bool opened = false;
    QList<PromptMessage> messages;
    Application application = Application::None;
    QByteArray savedAgain; // the file an opened analysis writes, empty when it was not written
    qint64 milliseconds = 0;
    qint64 memoryGrowthKb = 0;

    bool refusedWithMessage() const { return !opened && !messages.isEmpty(); }
    QString lastId() const { return messages.isEmpty() ? QString() : messages.last().id; }
    int questionsAboutLines() const {
        int count = 0;
        for (const PromptMessage& message : messages)
            count += message.text.startsWith(errorInLine) ? 1 : 0;
        return count;
    }
};

// The Open command of a fresh program on the file at path, every question answered by the
// policy. An opened analysis is saved again when saveAgain is set.
OpenResult openPath(const QString& path, Policy policy, bool saveAgain = false) {
    FilesSession session;
    // Replaced before the open asks anything; the analysis keeps its reference to it.
    session.prompter = ScriptedPrompter(policy);
    OpenResult result;
    resetPeakMemory();
    const qint64 memoryBefore = peakMemoryKb();
    QElapsedTimer timer;
    timer.start();
    result.opened = session.files.openFile(path);
    result.milliseconds = timer.elapsed();
    result.memoryGrowthKb = peakMemoryKb() - memoryBefore;
    result.messages = session.prompter.messages();
    result.application = session.model().application();
    if (result.opened && saveAgain) {
        const QString saved = session.path(QStringLiteral("saved.KVX"));
        if (session.files.saveAs(saved))
            result.savedAgain = fileBytes(saved);
    }
    return result;
}

OpenResult openBytes(const QByteArray& bytes, Policy policy, bool saveAgain = false) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input.KVX"));
    if (!writeBytes(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return openPath(path, policy, saveAgain);
}

// The outcome every bad file must have: opened as a fan or pump analysis, or refused with at
// least one message. Returns a description of the fault, empty when there is none.
QString faultOf(const OpenResult& result) {
    if (result.opened && result.application == Application::None)
        return QStringLiteral("opened without an application");
    if (!result.opened && result.messages.isEmpty())
        return QStringLiteral("refused without a message");
    return {};
}

QString policyName(Policy policy) {
    return policy == Policy::Safe ? QStringLiteral("safe answers") : QStringLiteral("Yes to all");
}

// Random bytes, the same for the same seed.
QByteArray randomBytes(qsizetype size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(random.bounded(256));
    return bytes;
}

// Writes lines from makeLine to path until it holds at least size bytes, in blocks, so that
// the test itself never holds the whole file.
void writeLargeFile(const QString& path, const QByteArray& head, qint64 size,
                    const std::function<QByteArray()>& makeLine) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(head);
    QByteArray block;
    qint64 written = head.size();
    while (written < size) {
        block.clear();
        while (block.size() < megabyte)
            block += makeLine();
        file.write(block);
        written += block.size();
    }
}

// The fixture up to and with its "[DATA QEFS]" title: every section a file needs, so that
// what follows decides the outcome.
QByteArray headUpToParameters() {
    const QByteArray bytes = fixture("fan_pa_m3h_euro.KVX");
    const QByteArray title = "[DATA QEFS]\r\n";
    return bytes.left(bytes.indexOf(title) + title.size());
}

// The fixture with count copies of line inserted after its first parameter line.
QByteArray withLines(const QByteArray& line, int count) {
    QByteArray lines;
    for (int i = 0; i < count; ++i)
        lines += line + "\r\n";
    QByteArray bytes = fixture("fan_pa_m3h_euro.KVX");
    const qsizetype at = bytes.indexOf("P001=");
    return bytes.insert(bytes.indexOf('\n', at) + 1, lines);
}

void report(const char* what, const OpenResult& result, qint64 bytes) {
    qInfo("%s: %lld MB in %lld ms, peak memory +%lld MB, %s, %lld messages", what, bytes / megabyte,
          result.milliseconds, result.memoryGrowthKb / 1024, result.opened ? "opened" : "refused",
          static_cast<qint64>(result.messages.size()));
}

} // namespace

class TestReaderRobustness : public QObject {
    Q_OBJECT
private slots:
    void truncatedFixtures_data();
    void truncatedFixtures();
    void randomBinary_data();
    void randomBinary();
    void hugeLine_data();
    void hugeLine();
    void nulsAndInvalidBytes_data();
    void nulsAndInvalidBytes();
    void unitIndexOfAnotherApplication_data();
    void unitIndexOfAnotherApplication();
    void textsThatReadAsSectionTitles_data();
    void textsThatReadAsSectionTitles();
    void aCarriageReturnBeforeATitleInACostLine();
    void questionsAboutLinesStopAtTheirLimit_data();
    void questionsAboutLinesStopAtTheirLimit();
    void fiftyMegabytesOfGarbage_data();
    void fiftyMegabytesOfGarbage();
    void fiftyMegabytesOfBadParameterLines_data();
    void fiftyMegabytesOfBadParameterLines();
};

void TestReaderRobustness::truncatedFixtures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Policy>("policy");
    const QStringList names = QDir(QStringLiteral(WATTMERE_TEST_DATA))
                                  .entryList({QStringLiteral("*.KVX")}, QDir::Files, QDir::Name);
    QVERIFY(names.size() >= 4);
    for (const QString& name : names) {
        for (Policy policy : {Policy::Safe, Policy::AnswerYes})
            QTest::addRow("%s, %s", qPrintable(name), qPrintable(policyName(policy)))
                << name << policy;
    }
}

// Cut between the CR and the LF of every line end, after the LF, and at a spread of offsets in
// between: each piece is opened or refused with a message, and a piece that opens saves a file
// that reads back whole.
void TestReaderRobustness::truncatedFixtures() {
    QFETCH(QString, name);
    QFETCH(Policy, policy);
    const QByteArray whole = fixture(qPrintable(name));
    QList<qsizetype> offsets;
    for (qsizetype at = 0; at < whole.size(); at += 29)
        offsets << at;
    for (qsizetype at = whole.indexOf('\n'); at >= 0; at = whole.indexOf('\n', at + 1))
        offsets << at << at + 1;
    int opened = 0;
    for (qsizetype offset : std::as_const(offsets)) {
        const QByteArray piece = whole.left(offset);
        const OpenResult result = openBytes(piece, policy, true);
        const QString fault = faultOf(result);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("%1 at %2").arg(fault).arg(offset)));
        if (!result.savedAgain.isEmpty()) {
            const AnalysisFileContents again = parseAnalysisFile(result.savedAgain);
            QVERIFY2(!refusalOf(again) && again.malformedLines.isEmpty(),
                     qPrintable(QStringLiteral("saved file unreadable, cut at %1").arg(offset)));
        }
        opened += result.opened ? 1 : 0;
    }
    // The whole file opens, and the empty piece does not.
    QVERIFY(openBytes(whole, policy).opened);
    QVERIFY(openBytes({}, policy).refusedWithMessage());
    QVERIFY(opened < offsets.size());
}

void TestReaderRobustness::randomBinary_data() {
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<quint32>("seed");
    for (qsizetype size : {qsizetype(1), qsizetype(13), qsizetype(1000), qsizetype(64 * 1024),
                           qsizetype(megabyte), qsizetype(8 * megabyte)}) {
        for (quint32 seed : {1u, 2u, 3u})
            QTest::addRow("%lld bytes, seed %u", static_cast<long long>(size), seed)
                << size << seed;
    }
}

void TestReaderRobustness::randomBinary() {
    QFETCH(qsizetype, size);
    QFETCH(quint32, seed);
    const QByteArray bytes = randomBytes(size, seed);
    const AnalysisFileContents contents = parseAnalysisFile(bytes);
    QCOMPARE(refusalOf(contents).value_or(QString()), QStringLiteral("IDS_9"));
    for (Policy policy : {Policy::Safe, Policy::AnswerYes}) {
        const OpenResult result = openBytes(bytes, policy);
        QVERIFY(result.refusedWithMessage());
        QCOMPARE(result.lastId(), QStringLiteral("IDS_9"));
        QCOMPARE(result.application, Application::None);
    }
}

void TestReaderRobustness::hugeLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opensWithYes");
    const qsizetype huge = 20 * megabyte;
    const QByteArray fan = fixture("fan_pa_m3h_euro.KVX");
    QTest::newRow("20 MB of one letter") << QByteArray(huge, 'x') << false;
    QTest::newRow("20 MB of blanks, then a title")
        << QByteArray(huge, ' ') + "[APPLICATION]\r\nFAN\r\n"
        << false;
    QTest::newRow("20 MB of CR") << QByteArray(huge, '\r') << false;
    QTest::newRow("a 20 MB project name")
        << setSectionValue(fan, "[PROJECT NAME]", QByteArray(huge, 'n')) << true;
    QTest::newRow("a 20 MB customer line")
        << editLines(fan, "[CUSTOMER INFO]", QByteArray(huge, 'c'), true) << true;
    QTest::newRow("a 20 MB parameter value")
        << editLines(fan, "[DATA QEFS]", "P004=A1-04=" + QByteArray(huge, '1') + ';', true) << true;
    QTest::newRow("a 20 MB section title")
        << editLines(fan, "[DATA QEFS]", '[' + QByteArray(huge, 'D') + ']', true) << true;
}

void TestReaderRobustness::hugeLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opensWithYes);
    const OpenResult safe = openBytes(bytes, Policy::Safe);
    const OpenResult yes = openBytes(bytes, Policy::AnswerYes);
    for (const OpenResult& result : {safe, yes}) {
        QVERIFY2(faultOf(result).isEmpty(), qPrintable(faultOf(result)));
        QVERIFY2(result.milliseconds < largeFileMilliseconds,
                 qPrintable(QString::number(result.milliseconds)));
        QVERIFY2(result.memoryGrowthKb < largeFileMemoryKb,
                 qPrintable(QString::number(result.memoryGrowthKb)));
    }
    QCOMPARE(yes.opened, opensWithYes);
    report("huge line, Yes to all", yes, bytes.size());
}

void TestReaderRobustness::nulsAndInvalidBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opensWithSafeAnswers");
    QTest::addColumn<bool>("opensWithYes");
    QTest::addColumn<QString>("refusal"); // the last message of a refused open with Yes to all
    const QByteArray fan = fixture("fan_pa_m3h_euro.KVX");
    const QByteArray nul(1, '\0');
    // Bytes Windows-1252 leaves undefined, and the rest of the upper half.
    const QByteArray undefined("\x81\x8d\x8f\x90\x9d\xff\xfe\x80", 8);

    QTest::newRow("NUL after the application")
        << setSectionValue(fan, "[APPLICATION]", "FAN" + nul) << false << false << "IDS_9";
    QTest::newRow("NUL in a section title")
        << editLines(fan, "[CURVE]", "[CUR" + nul + "VE]") << false << false << "IDS_10";
    QTest::newRow("NUL in the project name")
        << setSectionValue(fan, "[PROJECT NAME]", "Plant" + nul + "4") << true << true << "";
    QTest::newRow("NUL in a parameter value")
        << editLines(fan, "[DATA QEFS]", "P004=A1-04=0.1" + nul + ";", true) << false << true << "";
    QTest::newRow("NULs as a whole line")
        << editLines(fan, "[DATA QEFS]", QByteArray(40, '\0'), true) << true << true << "";
    QTest::newRow("undefined bytes in the texts")
        << editLines(setSectionValue(fan, "[PROJECT NAME]", undefined), "[CUSTOMER INFO]",
                     undefined + undefined, true)
        << true << true << "";
    QTest::newRow("undefined bytes as the pressure unit")
        << setSectionValue(fan, "[PRESSURE]", undefined) << false << false << "IDS_11";
    QTest::newRow("undefined bytes as a tag")
        << editLines(fan, "[DATA QEFS]", "P004=\x81\x8d-04=0.1;", true) << true << true << "";
    QTest::newRow("line ends CR only")
        << QByteArray(fan).replace("\r\n", "\r") << false << false << "IDS_9";
    QTest::newRow("line ends LF only")
        << QByteArray(fan).replace("\r\n", "\n") << true << true << "";
    QString utf16 = QString::fromLatin1(fan);
    QByteArray wide(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);
    QTest::newRow("UTF-16") << QByteArray("\xff\xfe", 2) + wide << false << false << "IDS_9";
}

void TestReaderRobustness::nulsAndInvalidBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opensWithSafeAnswers);
    QFETCH(bool, opensWithYes);
    QFETCH(QString, refusal);
    const OpenResult safe = openBytes(bytes, Policy::Safe);
    const OpenResult yes = openBytes(bytes, Policy::AnswerYes, true);
    QVERIFY2(faultOf(safe).isEmpty(), qPrintable(faultOf(safe)));
    QVERIFY2(faultOf(yes).isEmpty(), qPrintable(faultOf(yes)));
    QCOMPARE(safe.opened, opensWithSafeAnswers);
    QCOMPARE(yes.opened, opensWithYes);
    if (!yes.opened)
        QCOMPARE(yes.lastId(), refusal);
    else
        QVERIFY(!refusalOf(parseAnalysisFile(yes.savedAgain)));
}

void TestReaderRobustness::unitIndexOfAnotherApplication_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal");
    // Each unit line is read while the first application stands, and fits it; the file then
    // names another application, whose units have no such index.
    const QByteArray pump = fixture("pump_bar_ls_system5.KVX");
    const QByteArray fan = fixture("fan_pa_m3h_euro.KVX");
    const QByteArray fanLater = "[APPLICATION]\r\nFAN\r\n";
    const QByteArray pumpLater = "[APPLICATION]\r\nPUMP\r\n";
    QTest::newRow("pump pressure 5, then a fan")
        << setSectionValue(pump, "[PRESSURE]", "5") + fanLater << "IDS_11";
    QTest::newRow("fan flow 5, then a pump")
        << setSectionValue(fan, "[FLOW]", "5") + pumpLater << "IDS_12";
    QTest::newRow("fan units, then a cooling tower") << fan + "[APPLICATION]\r\nCOOLING TOWER\r\n"
                                                     << "IDS_11";
    QTest::newRow("older layout, pump unit 5, then a fan")
        << setSectionValue(setSectionValue(fixture("older_units_fan.KVX"), "[APPLICATION]", "PUMP"),
                           "[UNITS]", "5") +
               fanLater
        << "IDS_11";
}

// Such a file would open with a unit the program does not have, and be written back with it,
// so that it could not be opened again; it is refused before anything changes.
void TestReaderRobustness::unitIndexOfAnotherApplication() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QCOMPARE(refusalOf(parseAnalysisFile(bytes)).value_or(QString()), refusal);
    FilesSession session;
    const UnitSettings unitsBefore = session.model().units();
    const QString path = session.path(QStringLiteral("mixed.KVX"));
    QVERIFY(writeBytes(path, bytes));
    QVERIFY(!session.files.openFile(path));
    QCOMPARE(session.messages(), QStringList{refusal});
    QCOMPARE(session.model().units(), unitsBefore);
    QCOMPARE(session.model().application(), Application::None);
}

void TestReaderRobustness::textsThatReadAsSectionTitles_data() {
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("project name") << Field::QNUM << "[FLOW]";
    QTest::newRow("customer name") << Field::PREPFOR << "[APPLICATION]";
    QTest::newRow("customer, blanks around") << Field::Companyfor << "  [DATA QEFS] ";
    QTest::newRow("customer, a tab after") << Field::Telfor << "[INFO]\t";
    QTest::newRow("city line") << Field::ZipFor << "[PRESSURE]";
    QTest::newRow("cost description") << Field::OTHER2_ANU_D << "[SYSTEM]";
    QTest::newRow("not quite a title") << Field::EmailFor << "[FLOW]x";
}

// Texts a user may type that read as section titles: each comes back as typed, and the
// sections after it are read as sections still. A pump's "[APPLICATION]" then "PUMP" in the
// customer lines would otherwise turn a fan analysis into a pump.
void TestReaderRobustness::textsThatReadAsSectionTitles() {
    QFETCH(Field, field);
    QFETCH(QString, text);
    FilesSession source;
    source.startFan();
    source.type(Field::Titlefor, QStringLiteral("PUMP"));
    // Lines that would be read as values of the sections named before them.
    source.type(Field::AddressFor, QStringLiteral("P001=A1-01=1;"));
    source.type(Field::CountryFor, QStringLiteral("5"));
    source.window().setText(field, text);
    QVERIFY(source.saveAs(QStringLiteral("titles.KVX")));

    const QByteArray bytes = fileBytes(source.path(QStringLiteral("titles.KVX")));
    const AnalysisFileContents contents = parseAnalysisFile(bytes);
    QVERIFY(!refusalOf(contents));
    QCOMPARE(contents.application(), Application::Fan);

    FilesSession opened;
    QVERIFY(opened.files.openFile(source.path(QStringLiteral("titles.KVX"))));
    QCOMPARE(opened.messages(), QStringList());
    QCOMPARE(opened.model().application(), Application::Fan);
    QCOMPARE(opened.text(field), text);
    QCOMPARE(opened.text(Field::Titlefor), QStringLiteral("PUMP"));
    QCOMPARE(opened.text(Field::CountryFor), QStringLiteral("5"));
    QCOMPARE(opened.text(Field::A101), source.text(Field::A101));
    QCOMPARE(opened.text(Field::A122), source.text(Field::A122));
}

// A CR at the start of a cost line is no line end; the writer turns it into a blank, which
// must not make the line a section title in the file it writes.
void TestReaderRobustness::aCarriageReturnBeforeATitleInACostLine() {
    QByteArray bytes = fixture("pump_bar_ls_system5.KVX");
    bytes = editLines(bytes, "[COST INFO]", "\r[APPLICATION]\r\nFAN", true);
    const OpenResult first = openBytes(bytes, Policy::Safe, true);
    QVERIFY(first.opened);
    QCOMPARE(first.application, Application::Pump);
    const OpenResult again = openBytes(first.savedAgain, Policy::Safe, true);
    QVERIFY(again.opened);
    QCOMPARE(again.application, Application::Pump);
    QCOMPARE(again.savedAgain, first.savedAgain);
}

void TestReaderRobustness::questionsAboutLinesStopAtTheirLimit_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("shown");
    const int limit = ReaderMessages::maxLineQuestions;
    QTest::newRow("malformed, fewer than the limit") << QByteArray("P004=A1-04=;") << 60 << 60;
    QTest::newRow("malformed, the limit") << QByteArray("P004=A1-04=;") << limit << limit;
    QTest::newRow("malformed, more") << QByteArray("P004=A1-04=;") << limit + 50 << limit;
    QTest::newRow("out of range, more") << QByteArray("P010=A1-10=999;") << limit + 50 << limit;
    QTest::newRow("unknown tag, more") << QByteArray("P004=A1-00=1;") << limit + 50 << limit;
    QTest::newRow("line number above the slots, more")
        << QByteArray("P099=A1-04=1;") << limit + 50 << limit;
}

// Every question of a damaged file is shown up to the limit; beyond it the open goes on as the
// user has answered each of them, and the good lines still count.
void TestReaderRobustness::questionsAboutLinesStopAtTheirLimit() {
    QFETCH(QByteArray, line);
    QFETCH(int, count);
    QFETCH(int, shown);
    const QByteArray bytes = withLines(line, count);

    const OpenResult yes = openBytes(bytes, Policy::AnswerYes);
    QVERIFY(yes.opened);
    QCOMPARE(yes.messages.size(), shown);
    for (const PromptMessage& message : yes.messages)
        QCOMPARE(message.buttons, PromptButtons::YesCancel);

    // The safe answer ends the open at the first question.
    const OpenResult safe = openBytes(bytes, Policy::Safe);
    QVERIFY(!safe.opened);
    QCOMPARE(safe.messages.size(), 1);

    // The limit is for one open: the next one asks again.
    FilesSession session;
    session.prompter = ScriptedPrompter(Policy::AnswerYes);
    const QString path = session.path(QStringLiteral("bad.KVX"));
    QVERIFY(writeBytes(path, bytes));
    QVERIFY(session.files.openFile(path));
    QVERIFY(session.files.openFile(path));
    QCOMPARE(session.prompter.messages().size(), 2 * shown);
    // The good lines around the bad ones were applied: the fixture's 16 hours a day.
    QCOMPARE(session.text(Field::A101), QStringLiteral("16"));
}

void TestReaderRobustness::fiftyMegabytesOfGarbage_data() {
    QTest::addColumn<Policy>("policy");
    QTest::newRow("safe answers") << Policy::Safe;
    QTest::newRow("Yes to all") << Policy::AnswerYes;
}

void TestReaderRobustness::fiftyMegabytesOfGarbage() {
    QFETCH(Policy, policy);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("garbage.KVX"));
    // Printable and upper-half bytes in lines of up to 200, some with brackets and digits.
    QRandomGenerator random(50);
    writeLargeFile(path, {}, 50 * megabyte, [&random] {
        QByteArray line(random.bounded(200), Qt::Uninitialized);
        for (char& ch : line)
            ch = static_cast<char>(random.bounded(32, 256));
        return line + "\r\n";
    });
    const OpenResult result = openPath(path, policy);
    report(qPrintable(QStringLiteral("garbage, ") + policyName(policy)), result,
           QFileInfo(path).size());
    QVERIFY(result.refusedWithMessage());
    QCOMPARE(result.lastId(), QStringLiteral("IDS_9"));
    QVERIFY2(result.milliseconds < largeFileMilliseconds,
             qPrintable(QString::number(result.milliseconds)));
    QVERIFY2(result.memoryGrowthKb < largeFileMemoryKb,
             qPrintable(QString::number(result.memoryGrowthKb)));
}

void TestReaderRobustness::fiftyMegabytesOfBadParameterLines_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<Policy>("policy");
    for (Policy policy : {Policy::Safe, Policy::AnswerYes}) {
        const QString name = policyName(policy);
        QTest::addRow("malformed, %s", qPrintable(name))
            << QByteArray("P004=A1-04=0.25 ;") << policy;
        QTest::addRow("out of range, %s", qPrintable(name))
            << QByteArray("P010=A1-10=999;") << policy;
        QTest::addRow("unknown tag, %s", qPrintable(name)) << QByteArray("P004=A1-00=1;") << policy;
    }
}

// Each line would ask whether to go on. The safe answer ends the open at the first; Yes to all
// reads the file to its end with no more questions than the limit, and opens it with the
// fixture's values.
void TestReaderRobustness::fiftyMegabytesOfBadParameterLines() {
    QFETCH(QByteArray, line);
    QFETCH(Policy, policy);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bad lines.KVX"));
    const QByteArray lineWithEnd = line + "\r\n";
    writeLargeFile(path, headUpToParameters() + "P001=A1-01=16;\r\n", 50 * megabyte,
                   [&lineWithEnd] { return lineWithEnd; });
    const OpenResult result = openPath(path, policy);
    report(qPrintable(QStringLiteral("bad parameter lines, ") + policyName(policy)), result,
           QFileInfo(path).size());
    QVERIFY2(faultOf(result).isEmpty(), qPrintable(faultOf(result)));
    if (policy == Policy::Safe) {
        QVERIFY(!result.opened);
        QCOMPARE(result.messages.size(), 1);
    } else {
        QVERIFY(result.opened);
        QCOMPARE(result.messages.size(), ReaderMessages::maxLineQuestions);
    }
    QVERIFY2(result.milliseconds < largeFileMilliseconds,
             qPrintable(QString::number(result.milliseconds)));
    QVERIFY2(result.memoryGrowthKb < largeFileMemoryKb,
             qPrintable(QString::number(result.memoryGrowthKb)));
}

QTEST_GUILESS_MAIN(TestReaderRobustness)
#include "tst_readerrobustness.moc"
