#include "cli/CliOptions.h"

#include "app/ModelTypes.h"

namespace wattmere {

namespace {

// The controls a --click may name: the choices whose click handlers a user can run.
bool isClickable(Choice id) {
    return groupOf(id) != ChoiceGroup::Report;
}

std::optional<UnitSettings> parseUnits(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 6)
        return std::nullopt;
    const int maxima[] = {maxFanPressureIndex, maxFanFlowIndex, maxPumpPressureIndex,
                          maxPumpFlowIndex,    maxPowerIndex,   maxCurrencyIndex};
    int values[6] = {};
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || values[i] < 0 || values[i] > maxima[i])
            return std::nullopt;
    }
    UnitSettings units;
    units.fanPressure = values[0];
    units.fanFlow = values[1];
    units.pumpPressure = values[2];
    units.pumpFlow = values[3];
    units.power = values[4];
    units.currency = values[5];
    units.customCurrency = QStringLiteral("-");
    return units;
}

} // namespace

QString cliUsage() {
    return QStringLiteral(R"(Usage:
  wattmere-cli calc (FILE.KVX ... | --new fan|pump) [--units FPU,FFU,PPU,PFU,PWU,CRU]
               [--set FIELD=TEXT | --click CONTROL]... [--format json|text] [--yes]
  wattmere-cli save (FILE.KVX | --new fan|pump) [--units ...] [--set FIELD=TEXT |
               --click CONTROL]... [--yes] -o OUT.KVX
  wattmere-cli --help | --version

Orvek Wattmere, headless: the energy and money a variable-speed drive saves on an HVAC fan or
pump, computed exactly as the desktop program does.

calc   Opens each analysis file (or starts a new fan or pump analysis), applies the edits in
       the order given, moves to the "Energy Savings" page and prints the results: one JSON
       object per analysis (JSON Lines for several files) or a readable summary.
save   The same edits, then writes the analysis to OUT.KVX.

Options:
  --new fan|pump     start a new analysis with the application's defaults
  --units LIST       unit settings of a new analysis: fan pressure (0-4), fan flow (0-5),
                     pump pressure (0-5), pump flow (0-4), power (0 HP, 1 kW),
                     currency (0 $, 1 £, 2 €); a file brings its own units
  --set FIELD=TEXT   type TEXT into the entry field FIELD (A101 ... A176, QNUM1, PREPFOR, ...)
                     and leave it, so its checks and calculations run
  --click CONTROL    click S1-S4, R1-R5, HORIZ, LOCKA144, LOCKA149 or SELECTION_MTR_01-03
  --format FORMAT    json (default) or text
  --yes              answer the program's questions with Yes/Continue (default: the safe
                     choice Abort/Cancel/No)
  -o OUT.KVX         the file the save command writes

Numbers are typed with "." as the decimal point and "," as the thousands separator.
Messages the program shows go to standard error (and into the JSON output).
Exit codes: 0 done; 1 an analysis was refused or a file could not be read or written;
2 wrong usage.

Examples:
  wattmere-cli calc --new fan --set A104=0.12 --set A105=60 --set A125=60 --set A109=15000 \
               --set A122=50 --click R4 --format text
  wattmere-cli calc plant1.KVX plant2.KVX > results.jsonl
  wattmere-cli save plant1.KVX --set A104=0.15 -o plant1-new-tariff.KVX
)");
}

CliParseResult parseCliArguments(const QStringList& arguments) {
    CliParseResult result;
    CliOptions& options = result.options;
    const auto fail = [&result](const QString& error) {
        result.error = error;
        return result;
    };
    if (arguments.isEmpty() || arguments.front() == u"--help" || arguments.front() == u"-h")
        return result;
    if (arguments.front() == u"--version") {
        options.command = CliCommand::Version;
        return result;
    }
    if (arguments.front() == u"calc")
        options.command = CliCommand::Calc;
    else if (arguments.front() == u"save")
        options.command = CliCommand::Save;
    else
        return fail(QStringLiteral("unknown command \"%1\"").arg(arguments.front()));

    bool formatGiven = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const auto value = [&](QString& target) {
            if (i + 1 >= arguments.size())
                return false;
            target = arguments[++i];
            return true;
        };
        QString text;
        if (argument == u"--help" || argument == u"-h") {
            options.command = CliCommand::Help;
            return result;
        } else if (argument == u"--new") {
            if (!value(text))
                return fail(QStringLiteral("--new needs fan or pump"));
            if (text == u"fan")
                options.newApplication = Application::Fan;
            else if (text == u"pump")
                options.newApplication = Application::Pump;
            else
                return fail(QStringLiteral("--new needs fan or pump, not \"%1\"").arg(text));
        } else if (argument == u"--units") {
            if (!value(text) || !(options.units = parseUnits(text)))
                return fail(QStringLiteral("--units needs six indices FPU,FFU,PPU,PFU,PWU,CRU "
                                           "within their ranges"));
        } else if (argument == u"--set") {
            const qsizetype equals = value(text) ? text.indexOf(u'=') : -1;
            if (equals <= 0)
                return fail(QStringLiteral("--set needs FIELD=TEXT"));
            const QString field = text.left(equals);
            if (!fieldByName(field))
                return fail(QStringLiteral("--set: unknown field \"%1\"").arg(field));
            options.edits.push_back(SetField{field, text.mid(equals + 1)});
        } else if (argument == u"--click") {
            if (!value(text))
                return fail(QStringLiteral("--click needs a control"));
            const std::optional<Choice> choice = choiceByName(text);
            if (!choice || !isClickable(*choice))
                return fail(QStringLiteral("--click: unknown control \"%1\"").arg(text));
            options.edits.push_back(ClickChoice{text});
        } else if (argument == u"--format") {
            if (!value(text) || (text != u"json" && text != u"text"))
                return fail(QStringLiteral("--format needs json or text"));
            options.format = text == u"json" ? CliFormat::Json : CliFormat::Text;
            formatGiven = true;
        } else if (argument == u"--yes") {
            options.answerYes = true;
        } else if (argument == u"-o" || argument == u"--output") {
            if (!value(options.output))
                return fail(QStringLiteral("-o needs a file name"));
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            return fail(QStringLiteral("unknown option \"%1\"").arg(argument));
        } else {
            options.files.append(argument);
        }
    }

    const bool isNew = options.newApplication != Application::None;
    if (isNew == !options.files.isEmpty())
        return fail(QStringLiteral("name analysis files or --new fan|pump (one of the two)"));
    if (options.command == CliCommand::Save) {
        if (options.output.isEmpty())
            return fail(QStringLiteral("save needs -o OUT.KVX"));
        if (options.files.size() > 1)
            return fail(QStringLiteral("save works on one analysis"));
        if (formatGiven)
            return fail(QStringLiteral("save writes a file; --format belongs to calc"));
    } else if (!options.output.isEmpty()) {
        return fail(QStringLiteral("-o belongs to save"));
    }
    if (options.units && !isNew)
        return fail(QStringLiteral("--units applies to --new; a file brings its own units"));
    return result;
}

} // namespace wattmere
