#include "params/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace wattmere {

namespace {

// The text as plain ASCII. With separators, the decimal separator becomes "." and the
// thousands separator is dropped. Characters outside ASCII cannot belong to a number and
// become a character that ends it.
std::string plainText(QStringView text, const SeparatorPair* separators) {
    std::string plain;
    plain.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (separators && c == separators->decimal)
            plain += '.';
        else if (separators && c == separators->thousands)
            continue;
        else
            plain += c.unicode() < 128 ? static_cast<char>(c.unicode()) : '?';
    }
    return plain;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The leading decimal number of a plain text, split so that std::from_chars can read it
// (which takes neither leading blanks nor a "+" sign).
struct LeadingNumber {
    bool negative = false;
    std::string real;  // "-", digits, ".", digits, exponent; empty when the text has no number
    std::string whole; // "-" and the digits before anything else; empty without such digits
    bool atLeastOne = false; // the magnitude is 1 or more: tells overflow from underflow
};

LeadingNumber scanLeadingNumber(std::string_view text) {
    LeadingNumber number;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    const std::size_t wholeStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const std::string_view wholeDigits = text.substr(wholeStart, i - wholeStart);
    std::string_view fractionDigits;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        fractionDigits = text.substr(fractionStart, i - fractionStart);
    }
    if (wholeDigits.empty() && fractionDigits.empty())
        return {};

    // An exponent counts only with at least one digit; "2e" and "2e+" read as 2.
    long long exponent = 0;
    std::string_view exponentText;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponentNegative = text[j] == '-';
            ++j;
        }
        const std::size_t digitsStart = j;
        constexpr long long saturated = 1'000'000'000'000LL;
        while (j < text.size() && isDigit(text[j])) {
            exponent = std::min(saturated, exponent * 10 + (text[j] - '0'));
            ++j;
        }
        if (j > digitsStart) {
            exponentText = text.substr(i, j - i);
            if (exponentNegative)
                exponent = -exponent;
        }
    }

    const std::string sign = number.negative ? "-" : "";
    number.real = sign + (wholeDigits.empty() ? std::string("0") : std::string(wholeDigits)) + '.' +
                  std::string(fractionDigits);
    for (const char c : exponentText)
        if (c != '+')
            number.real += c;
    if (!wholeDigits.empty())
        number.whole = sign + std::string(wholeDigits);

    // The decimal exponent of the first significant digit; its sign is all that is needed
    // when the value is beyond the range of the result type.
    const std::size_t firstWhole = wholeDigits.find_first_not_of('0');
    const std::size_t firstFraction = fractionDigits.find_first_not_of('0');
    if (firstWhole != std::string_view::npos) {
        const auto wholeLength = static_cast<long long>(wholeDigits.size() - firstWhole);
        number.atLeastOne = wholeLength - 1 + exponent >= 0;
    } else if (firstFraction != std::string_view::npos) {
        number.atLeastOne = -static_cast<long long>(firstFraction + 1) + exponent >= 0;
    }
    return number;
}

template <typename T> T readReal(const LeadingNumber& number) {
    if (number.real.empty())
        return T(0);
    T value{};
    const char* begin = number.real.data();
    const auto [end, error] = std::from_chars(begin, begin + number.real.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (!number.atLeastOne)
            return T(0);
        constexpr T largest = std::numeric_limits<T>::max();
        return number.negative ? -largest : largest;
    }
    return error == std::errc() ? value : T(0);
}

int readWhole(const LeadingNumber& number) {
    if (number.whole.empty())
        return 0;
    int value = 0;
    const char* begin = number.whole.data();
    const auto [end, error] = std::from_chars(begin, begin + number.whole.size(), value);
    if (error == std::errc::result_out_of_range)
        return number.negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    return error == std::errc() ? value : 0;
}

} // namespace

double NumberText::parseDouble(QStringView text) const {
    return readReal<double>(scanLeadingNumber(plainText(text, &m_separators)));
}

float NumberText::parseSingle(QStringView text) const {
    return readReal<float>(scanLeadingNumber(plainText(text, &m_separators)));
}

int NumberText::parseInteger(QStringView text) const {
    return readWhole(scanLeadingNumber(plainText(text, &m_separators)));
}

QString NumberText::FormatDecimals(double x, int d) const {
    if (!std::isfinite(x))
        return {};
    d = std::max(d, 0);
    const bool negative = x < 0;
    x = std::fabs(x); // also -0.0, which has no "-" to show

    // Room for the whole part of the largest double, the point and the decimals.
    std::string buffer(std::numeric_limits<double>::max_exponent10 + 3 + d, '\0');
    char* const begin = buffer.data();
    const auto [end, error] =
        std::to_chars(begin, begin + buffer.size(), x, std::chars_format::fixed, d);
    if (error != std::errc())
        return {};
    QString text = QString::fromLatin1(begin, end - begin);

    const qsizetype point = d > 0 ? text.indexOf(u'.') : text.size();
    if (d > 0)
        text[point] = m_separators.decimal;
    // The unrounded value decides the grouping, and three separators at most are written.
    // Each separator goes left of the ones already in place, so their positions hold.
    if (x >= 1e3)
        text.insert(point - 3, m_separators.thousands);
    if (x >= 1e6)
        text.insert(point - 6, m_separators.thousands);
    if (x >= 1e9)
        text.insert(point - 9, m_separators.thousands);

    return negative ? QLatin1Char('-') + text : text;
}

QString NumberText::FormatGrouped(double x) const {
    return FormatDecimals(x, 0);
}

QString NumberText::ReformatNumberText(QStringView text, int d) const {
    return FormatDecimals(readReal<double>(scanLeadingNumber(plainText(text, nullptr))), d);
}

} // namespace wattmere
