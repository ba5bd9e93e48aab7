#pragma once
// One numbered parameter slot: its tag, name, unit text, limits, step, default and the current
// value of the analysis. The registry keeps two tables of these records (live and shadow).

#include <QString>
#include <QtGlobal>

namespace wattmere {

inline constexpr int maxParameterNameLength = 38;
inline constexpr int maxParameterUnitLength = 10;

// Decimals a value of the given step is shown with: 1 -> 0, 10 -> 1, 100 -> 2, 1000 -> 3,
// and 4 above 1000.
int decimalsForStep(float step);

// The tag of a slot as fields and files name it: letter, group digit and the order number as
// two digits ("A104").
QString tagText(char letter, char group, int orderNumber);

struct ParameterRecord {
    quint16 slotNumber = 0;
    char tagLetter = 'A';
    char tagGroup = '1';
    quint16 orderNumber = 0;
    QString name;     // at most maxParameterNameLength characters
    QString unitText; // at most maxParameterUnitLength characters
    float defaultValue = 0.0f;
    float currentValue = 0.0f;
    float minimum = 0.0f;
    float maximum = 0.0f;
    float step = 1.0f;
    quint8 editKind = 0; // 0 = numeric entry field, 1 = list field

    int decimals() const { return decimalsForStep(step); }

    // Letter, group digit and the order number as two digits: "A120".
    QString tag() const { return tagText(tagLetter, tagGroup, orderNumber); }

    bool operator==(const ParameterRecord&) const = default;
};

} // namespace wattmere
