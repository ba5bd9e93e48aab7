#pragma once
// The program's decimal and thousands separators, chosen by the number notation "NTU".

#include <QChar>
#include <QLocale>

namespace wattmere {

struct SeparatorPair {
    QChar decimal = u'.';
    QChar thousands = u',';

    bool operator==(const SeparatorPair&) const = default;
};

// Notation 0 "Automatic" takes the locale's pair (or "." and "," when the locale gives the
// same character for both); 1 is "999,999.99"; 2 is "999.999,99". Other values count as 0.
SeparatorPair separatorsForNotation(int notation, const QLocale& locale = QLocale::system());

} // namespace wattmere
