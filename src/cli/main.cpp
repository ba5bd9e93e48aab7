// wattmere-cli: the headless front end for batch work.

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

const char* const usageText = R"(Usage: wattmere-cli [--help | --version]

Orvek Wattmere, headless: energy savings of a variable-speed drive for an HVAC fan or pump.

Options:
  --help      show this text and exit
  --version   show the program version and exit

Example:
  wattmere-cli --version
)";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);

    if (arguments == QStringList{QStringLiteral("--version")}) {
        out << "wattmere-cli " << WATTMERE_VERSION << "\n";
        return 0;
    }
    if (arguments.isEmpty() || arguments == QStringList{QStringLiteral("--help")}) {
        out << usageText;
        return 0;
    }
    err << "wattmere-cli: unknown arguments: " << arguments.join(u' ') << "\n" << usageText;
    return 2;
}
