#pragma once
// Numbers as the user types and reads them: field text to number with the program's separator
// pair, and number to text with fixed decimals and thousands grouping.

#include <QString>
#include <QStringView>

#include "params/SeparatorPair.h"

namespace wattmere {

// A small value type: the caller owns the program-wide separator pair and makes a NumberText
// from it wherever text and numbers meet. No locale of the C library or of Qt is consulted.
class NumberText {
public:
    explicit NumberText(SeparatorPair separators = {}) : m_separators(separators) {}

    SeparatorPair separators() const { return m_separators; }

    // The program's ParseNumber in its three result types. The decimal separator reads as the
    // decimal point and the thousands separator is ignored; then the leading decimal number
    // is read (leading blanks, sign, digits, "." and digits, exponent). Text that does not
    // start with a number (empty text, "inf", "nan", "abc") gives 0; anything after the
    // leading number is ignored. A value beyond the range of the result gives the largest
    // finite value with its sign, a value too small for it gives 0.
    double parseDouble(QStringView text) const;
    float parseSingle(QStringView text) const;
    // Reads only the leading whole number ("12.5" gives 12) and saturates at the int limits.
    int parseInteger(QStringView text) const;

    // x with exactly d decimals (d below 0 counts as 0), the decimal separator, and the
    // thousands separator before the last 3, 6 and 9 digits of the whole part when the
    // unrounded |x| reaches 1e3, 1e6 and 1e9 (never more than three). A negative x gets a "-"
    // in front. A value that is not finite has no number to show and gives an empty text.
    QString FormatDecimals(double x, int d) const;
    // x rounded to a whole number and grouped: FormatDecimals(x, 0).
    QString FormatGrouped(double x) const;
    // Reads text as a plain number ("." as decimal point, no separators) and formats it as
    // FormatDecimals does.
    QString ReformatNumberText(QStringView text, int d) const;

private:
    SeparatorPair m_separators;
};

} // namespace wattmere
