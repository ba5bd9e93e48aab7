#pragma once
// The key filters of the entry fields: which typed characters a numeric field or a project-name
// field takes, and which filter each field has by its control name.

#include <QChar>
#include <QStringView>

#include "params/SeparatorPair.h"

namespace wattmere {

enum class KeyFilter {
    None,       // every key is taken (the cost fields, for one)
    Numeric,    // backspace, digits and the two separators of the current notation
    ProjectName // every key but the characters a file name cannot hold
};

// Backspace (8), "0" to "9", the decimal and the thousands separator; nothing else, so not
// "-", "E" or any other control key.
bool numericKeyAccepted(QChar key, const SeparatorPair& separators);

// Every key but " * / : < > ? \ | ; control keys pass.
bool projectNameKeyAccepted(QChar key);

// Whether a field with this filter takes the key; a refused key inserts nothing.
bool keyAccepted(KeyFilter filter, QChar key, const SeparatorPair& separators);

// The filter of an entry field by its control name. Numeric: A101 to A123, A125, A160 to A176,
// A102A, and the curve data fields A144 to A159. ProjectName: QNUM (project bar) and QNUM1
// (step 1). Any other field has none. Every key press on QNUM1, taken or not, also marks the
// analysis modified; that belongs to the analysis model, not to the filter.
KeyFilter keyFilterForField(QStringView controlName);

} // namespace wattmere
