#pragma once
// Identifiers of the analysis window's fields, labels, choices, panels, charts and series, their
// control names, and the plain state records each of them carries.

#include "app/ModelNames.h"

#include <QPointF>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace wattmere {

#define WATTMERE_ENUMERATOR(name) name,

enum class Field : int {
    WATTMERE_NUMERIC_FIELDS(WATTMERE_ENUMERATOR) WATTMERE_TEXT_FIELDS(WATTMERE_ENUMERATOR) Count
};
enum class Label : int { WATTMERE_LABELS(WATTMERE_ENUMERATOR) Count };
enum class Choice : int { WATTMERE_CHOICES(WATTMERE_ENUMERATOR) Count };
enum class Panel : int { WATTMERE_PANELS(WATTMERE_ENUMERATOR) Count };
enum class Chart : int { WATTMERE_CHARTS(WATTMERE_ENUMERATOR) Count };
enum class Series : int { WATTMERE_SERIES(WATTMERE_ENUMERATOR) Count };

#undef WATTMERE_ENUMERATOR

template <typename Id> constexpr int countOf() {
    return static_cast<int>(Id::Count);
}
template <typename Id> constexpr int indexOf(Id id) {
    return static_cast<int>(id);
}

// Control names ("A120", "PAYBACKLABEL", "R3", ...) and the reverse lookup.
QString nameOf(Field id);
QString nameOf(Label id);
QString nameOf(Choice id);
QString nameOf(Panel id);
QString nameOf(Chart id);
QString nameOf(Series id);
std::optional<Field> fieldByName(QStringView name);
std::optional<Label> labelByName(QStringView name);
std::optional<Choice> choiceByName(QStringView name);
std::optional<Panel> panelByName(QStringView name);
std::optional<Series> seriesByName(QStringView name);

// The customer fields of step 1, in the order of the analysis file.
inline constexpr std::array<Field, 10> customerFields{
    Field::PREPFOR, Field::Titlefor,   Field::Companyfor, Field::AddressFor, Field::AddressFor2,
    Field::ZipFor,  Field::CountryFor, Field::Telfor,     Field::Faxfor,     Field::EmailFor};

// The names of the user-named cost rows: initial costs (comparison, drive), then annual costs
// (comparison, drive).
inline constexpr std::array<Field, 10> costDescriptionFields{
    Field::OTHER1_INI_C, Field::OTHER2_INI_C, Field::OTHER1_INI_D, Field::OTHER2_INI_D,
    Field::OTHER1_ANU_C, Field::OTHER2_ANU_C, Field::OTHER3_ANU_C, Field::OTHER1_ANU_D,
    Field::OTHER2_ANU_D, Field::OTHER3_ANU_D};

// The numeric field bound to the parameter of order number 1..76 (A101..A176, none for 24).
std::optional<Field> numericFieldOfOrder(int order);
// True for the fields bound to parameter slots (A101..A176 and the duty screen copies).
bool isNumericField(Field id);

// Radio buttons of one group exclude each other; a tick box is a group of its own.
enum class ChoiceGroup { KnownValue, Comparison, Horizontal, DesignPointLock, SpeedPair, Report };
ChoiceGroup groupOf(Choice id);
bool isRadio(Choice id);

struct Rgb {
    unsigned char r = 0;
    unsigned char g = 0;
    unsigned char b = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colours {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb disabledGrey{230, 230, 230};
} // namespace colours

struct FieldState {
    QString text;
    bool enabled = true;
    Rgb colour = colours::white;
    Rgb textColour = colours::black;
    int tag = 0; // the parameter slot of a numeric field, 0 while unbound
};

struct LabelState {
    QString caption;
    bool visible = true;
    Rgb colour = colours::black;
};

struct ChoiceState {
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    QString caption;
};

enum class BrushStyle { Solid, DiagonalCross };

struct SeriesState {
    QString title;
    Rgb colour = colours::black;
    Rgb brushColour = colours::black;
    BrushStyle brush = BrushStyle::Solid;
    int penWidth = 1;
    bool active = true;
    std::vector<QPointF> points; // in the order added; bars use x as the bar's place
};

struct AxisState {
    QString title;
    bool automaticMinimum = true;
    bool automaticMaximum = true;
    double minimum = 0.0;
    double maximum = 0.0;
};

struct ChartState {
    QStringList titleLines;
    AxisState left;
    AxisState bottom;
};

// The chart a series is drawn in.
Chart chartOf(Series id);

} // namespace wattmere
