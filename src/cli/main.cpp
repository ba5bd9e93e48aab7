// wattmere-cli: the headless front end for batch work. Every analysis is worked by the same
// model and workflow as the desktop program, through scripted answers to its dialogs.

#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/JsonReport.h"
#include "cli/TextReport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace wattmere;

namespace {

enum ExitCode { Done = 0, Refused = 1, Usage = 2 };

// Works one analysis (a file, or a new one when file is empty) and prints or saves it.
bool runOne(const CliOptions& options, const QString& file, const QString& settingsFile, QFile& out,
            QTextStream& err) {
    if (!file.isEmpty() && !QFileInfo(file).isFile()) {
        err << "wattmere-cli: " << file << ": no such file\n";
        return false;
    }
    CliSession session(options, settingsFile, err);
    const bool opened = file.isEmpty() ? session.startNew() : session.open(file);
    if (!opened) {
        err << "wattmere-cli: " << (file.isEmpty() ? QStringLiteral("the new analysis") : file)
            << ": the analysis was refused\n";
        return false;
    }
    session.applyEditsAndShowSavings();
    if (options.command == CliCommand::Save) {
        if (!session.saveAs(options.output)) {
            err << "wattmere-cli: " << options.output << ": the analysis was not written\n";
            return false;
        }
        return true;
    }
    if (options.format == CliFormat::Json) {
        out.write(analysisToJson(session.analysis(), session.messages()) + '\n');
    } else {
        const QString title =
            file.isEmpty() ? QStringLiteral("New analysis") : QFileInfo(file).fileName();
        out.write((analysisToText(session.analysis(), title) + u'\n').toUtf8());
    }
    out.flush();
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wattmere-cli"));
    // Results go out as bytes: the JSON is UTF-8 already.
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) {
        std::fputs("wattmere-cli: cannot write to standard output\n", stderr);
        return Refused;
    }
    QTextStream err(stderr);

    const CliParseResult parsed = parseCliArguments(QCoreApplication::arguments().mid(1));
    if (!parsed.error.isEmpty()) {
        err << "wattmere-cli: " << parsed.error << "\n\n" << cliUsage();
        return Usage;
    }
    const CliOptions& options = parsed.options;
    switch (options.command) {
    case CliCommand::Help:
        out.write(cliUsage().toUtf8());
        return Done;
    case CliCommand::Version:
        out.write("wattmere-cli " WATTMERE_VERSION "\n");
        return Done;
    case CliCommand::Calc:
    case CliCommand::Save:
        break;
    }

    // Whatever a session writes to its settings goes to a folder removed at the end of the
    // run: the user's own settings are never read or touched.
    QTemporaryDir settingsFolder;
    if (!settingsFolder.isValid()) {
        err << "wattmere-cli: cannot create a temporary folder: " << settingsFolder.errorString()
            << '\n';
        return Refused;
    }
    const QString settingsFile = settingsFolder.filePath(QStringLiteral("settings.ini"));
    bool allDone = true;
    const QStringList files = options.files.isEmpty() ? QStringList{QString()} : options.files;
    for (const QString& file : files)
        allDone = runOne(options, file, settingsFile, out, err) && allDone;
    return allDone ? Done : Refused;
}
