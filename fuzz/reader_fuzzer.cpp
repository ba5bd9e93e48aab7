// Fuzz target of the analysis file reader: the bytes go to the line parser, then through the
// Open command of a fresh headless analysis (probe, apply, set-up and the results), answering
// the reader's questions with the safe choice and, for inputs of odd length, with Yes to every
// question. An analysis that opened is saved again, and the file it writes must read back
// without a refusal or a malformed line.
//
// Build and run (clang; a temporary folder in memory makes it about twice as fast):
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DWATTMERE_FUZZ=ON
//   cmake --build build-fuzz --target reader_fuzzer
//   mkdir -p corpus
//   export TMPDIR=/dev/shm ASAN_OPTIONS=malloc_context_size=0
//   build-fuzz/fuzz/reader_fuzzer -dict=fuzz/kvx.dict -max_len=8192 corpus tests/data

#include "FilesSession.h"
#include "files/AnalysisFileParser.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace wattmere;

namespace {

// Made when the fuzzer starts and ended by an exit handler registered after them, so that they
// go before the Qt globals they use.
QCoreApplication* application = nullptr;
QTemporaryDir* workFolder = nullptr;

void tearDown() {
    delete workFolder;
    delete application;
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "reader_fuzzer: %s\n", what);
    std::abort();
}

void checkReadsBack(const QByteArray& written) {
    const AnalysisFileContents contents = parseAnalysisFile(written);
    if (refusalOf(contents))
        fail("a saved analysis is refused when read back");
    if (!contents.malformedLines.isEmpty())
        fail("a saved analysis holds a malformed parameter line");
}

void openWholeFile(const QByteArray& bytes, ScriptedPrompter::Policy policy) {
    const QString path = workFolder->filePath(QStringLiteral("input.KVX"));
    if (!testing::writeBytes(path, bytes))
        fail("cannot write the input file");
    testing::FilesSession session;
    // Replaced before any question of the open; the analysis keeps its reference to it.
    session.prompter = ScriptedPrompter(policy);
    if (!session.files.openFile(path))
        return;
    // On to the savings page, as the command line shows an opened analysis.
    session.workflow.selectPage(steppage::savings);
    const QString saved = workFolder->filePath(QStringLiteral("saved.KVX"));
    QFile::remove(saved);
    if (session.files.saveAs(saved))
        checkReadsBack(testing::fileBytes(saved));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    application = new QCoreApplication(*argc, *argv);
    workFolder = new QTemporaryDir;
    if (!workFolder->isValid())
        fail("no temporary folder");
    std::atexit(tearDown);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const AnalysisFileContents contents = parseAnalysisFile(bytes);
    (void)refusalOf(contents);
    (void)unitsOfFile(contents, UnitSettings{});
    openWholeFile(bytes, size % 2 == 0 ? ScriptedPrompter::Policy::Safe
                                       : ScriptedPrompter::Policy::AnswerYes);
    return 0;
}
