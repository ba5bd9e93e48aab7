#pragma once
// What the writer and the reader of analysis files ("KVX") share: the section titles, the
// signature, the order of the customer and cost-description lines and the lengths the reader
// keeps.

#include "app/ModelTypes.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace wattmere {

inline constexpr char analysisFileSignature[] = "ORVEK ENERGY FILE";
inline constexpr char analysisFileVersion[] = "1.5";
inline constexpr char analysisFileExtension[] = "KVX";

// The one message of a file that cannot be opened, read or written.
inline constexpr char fileErrorText[] = "FILE ERROR !";

enum class FileSection {
    FileInfo,
    Application,
    SystemDataSelection,
    Curve,
    Pressure,
    Units, // the older layout's single unit section; read as Pressure
    Flow,
    Power,
    Currency,
    CurrencyC1,
    FlowLock,
    System,
    ProjectName,
    CustomerInfo,
    CostInfo,
    DataQefs,
    Info,
};

// "[FILE INFO]", "[APPLICATION]", ...
QString sectionTitle(FileSection section);
// The section a line names: exact and case-sensitive, after the blanks around it are removed.
std::optional<FileSection> sectionOfTitle(QStringView trimmedLine);
// The line without the blanks around it; tabs stay.
QStringView trimBlanks(QStringView line);

// A text of the user's (a customer line, a cost description, the project name) as the line
// that holds it. A text that reads as a section title (a company named "[FLOW]") would end its
// section early, so it gets a tab after it; textOfLine takes that tab off again.
QString textLine(const QString& text);
QStringView textOfLine(QStringView line);

// The customer block of "[CUSTOMER INFO]" is customerFields; the shorter one of the "[INFO]"
// trailer leaves out the second address line.
inline constexpr std::array<Field, 9> trailerCustomerFields{
    Field::PREPFOR,    Field::Titlefor, Field::Companyfor, Field::AddressFor, Field::ZipFor,
    Field::CountryFor, Field::Telfor,   Field::Faxfor,     Field::EmailFor};

// What the reader keeps of the free-text sections. A cost description keeps the 25
// characters its field accepts, so a saved description comes back whole.
inline constexpr int maxCustomerLinesKept = 14;
inline constexpr int maxCustomerLineLength = 60;
inline constexpr int maxCostLinesKept = 10;
inline constexpr int maxCostDescriptionLength = 25;
inline constexpr int maxCurrencySymbolLength = 10;
// The line numbers of malformed parameter lines kept, so that a file of millions of them needs
// no more memory than a damaged one.
inline constexpr int maxMalformedLinesKept = 1000;

// The application codes of the "[APPLICATION]" line.
inline constexpr int fanApplicationCode = 1;
inline constexpr int pumpApplicationCode = 2;
inline constexpr int coolingTowerApplicationCode = 3;

} // namespace wattmere
