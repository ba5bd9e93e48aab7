#pragma once
// The command line of wattmere-cli: commands, analyses to work on, edits and output choices.

#include "core/Application.h"
#include "units/UnitSettings.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace wattmere {

enum class CliCommand { Help, Version, Calc, Save };
enum class CliFormat { Json, Text };

// One user action applied to the analysis, in the order given.
struct SetField {
    QString field;
    QString text;
};
struct ClickChoice {
    QString control;
};
using CliEdit = std::variant<SetField, ClickChoice>;

struct CliOptions {
    CliCommand command = CliCommand::Help;
    QStringList files;                              // analyses to open, in order
    Application newApplication = Application::None; // --new fan|pump instead of files
    std::optional<UnitSettings> units;              // --units FPU,FFU,PPU,PFU,PWU,CRU
    std::vector<CliEdit> edits;                     // --set and --click, in order
    CliFormat format = CliFormat::Json;
    bool answerYes = false; // --yes: questions get Yes/Continue
    QString output;         // save: -o OUT.KVX
};

struct CliParseResult {
    CliOptions options;
    QString error; // empty when the command line is usable
};

CliParseResult parseCliArguments(const QStringList& arguments);

// The text of --help: every command with an example.
QString cliUsage();

} // namespace wattmere
