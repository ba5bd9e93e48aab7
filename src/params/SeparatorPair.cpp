#include "params/SeparatorPair.h"

namespace wattmere {

SeparatorPair separatorsForNotation(int notation, const QLocale& locale) {
    switch (notation) {
    case 1:
        return {u'.', u','};
    case 2:
        return {u',', u'.'};
    default: {
        // The locale's separators may be longer than one character (some locales use a
        // narrow no-break space); the program works with the first character of each.
        const QString decimal = locale.decimalPoint();
        const QString group = locale.groupSeparator();
        const QChar decimalChar = decimal.isEmpty() ? QChar(u'.') : decimal.front();
        const QChar groupChar = group.isEmpty() ? QChar(u',') : group.front();
        if (decimalChar == groupChar)
            return {u'.', u','};
        return {decimalChar, groupChar};
    }
    }
}

} // namespace wattmere
