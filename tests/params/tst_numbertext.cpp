// Field text to number and number to display text with the separators of each notation.

#include <QTest>
#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

#include "params/NumberText.h"

using namespace wattmere;

namespace {

// Notation 0 ("Automatic") follows the locale; German gives "," and ".", which differs from
// the default pair and so shows that the locale's pair is used.
NumberText numberText(int notation) {
    return NumberText(separatorsForNotation(notation, QLocale(QLocale::German, QLocale::Germany)));
}

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void formatDecimals_data();
    void formatDecimals();
    void formatGroupedIsZeroDecimals_data();
    void formatGroupedIsZeroDecimals();
    void largestValueFormatsInFull();
    void reformatNumberText_data();
    void reformatNumberText();
};

void TestNumberText::parse_data() {
    QTest::addColumn<int>("notation");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("real");
    QTest::addColumn<float>("single");
    QTest::addColumn<int>("whole");

    const double dmax = std::numeric_limits<double>::max();
    const float fmax = std::numeric_limits<float>::max();
    // clang-format off
    QTest::newRow("empty")               << 1 << ""              << 0.0       << 0.0f       << 0;
    QTest::newRow("grouped notation 1")  << 1 << "1,234.5"       << 1234.5    << 1234.5f    << 1234;
    QTest::newRow("grouped notation 2")  << 2 << "1.234,5"       << 1234.5    << 1234.5f    << 1234;
    QTest::newRow("grouped automatic")   << 0 << "1.234,5"       << 1234.5    << 1234.5f    << 1234;
    QTest::newRow("point is thousands")  << 2 << "12.5"          << 125.0     << 125.0f     << 125;
    QTest::newRow("comma is decimal")    << 2 << "12,5"          << 12.5      << 12.5f      << 12;
    QTest::newRow("leading whole")       << 1 << "12.5"          << 12.5      << 12.5f      << 12;
    QTest::newRow("comma is thousands")  << 1 << "12,5"          << 125.0     << 125.0f     << 125;
    QTest::newRow("millions notation 2") << 2 << "1.234.567,89"  << 1234567.89 << 1234567.89f << 1234567;
    QTest::newRow("blanks and sign")     << 1 << "  -7.25"       << -7.25     << -7.25f     << -7;
    QTest::newRow("tab")                 << 1 << "\t42"          << 42.0      << 42.0f      << 42;
    QTest::newRow("plus sign")           << 1 << "+3.5"          << 3.5       << 3.5f       << 3;
    QTest::newRow("exponent")            << 1 << "1.5e3"         << 1500.0    << 1500.0f    << 1;
    QTest::newRow("negative exponent")   << 1 << "1.5E-2"        << 0.015     << 0.015f     << 1;
    QTest::newRow("exponent plus")       << 1 << "2E+2"          << 200.0     << 200.0f     << 2;
    QTest::newRow("exponent no digits")  << 1 << "2e"            << 2.0       << 2.0f       << 2;
    QTest::newRow("exponent sign only")  << 1 << "2e+"           << 2.0       << 2.0f       << 2;
    QTest::newRow("fraction only")       << 1 << ".5"            << 0.5       << 0.5f       << 0;
    QTest::newRow("negative fraction")   << 1 << "-.5"           << -0.5      << -0.5f      << 0;
    QTest::newRow("trailing point")      << 1 << "5."            << 5.0       << 5.0f       << 5;
    QTest::newRow("two points")          << 1 << "1.2.3"         << 1.2       << 1.2f       << 1;
    QTest::newRow("two decimal commas")  << 2 << "1,2,3"         << 1.2       << 1.2f       << 1;
    QTest::newRow("trailing letters")    << 1 << "12abc"         << 12.0      << 12.0f      << 12;
    QTest::newRow("inner blank")         << 1 << "1 000"         << 1.0       << 1.0f       << 1;
    QTest::newRow("letters")             << 1 << "abc"           << 0.0       << 0.0f       << 0;
    QTest::newRow("sign only")           << 1 << "-"             << 0.0       << 0.0f       << 0;
    QTest::newRow("point only")          << 1 << "."             << 0.0       << 0.0f       << 0;
    QTest::newRow("hex")                 << 1 << "0x1A"          << 0.0       << 0.0f       << 0;
    QTest::newRow("inf")                 << 1 << "inf"           << 0.0       << 0.0f       << 0;
    QTest::newRow("minus infinity")      << 1 << "-infinity"     << 0.0       << 0.0f       << 0;
    QTest::newRow("nan")                 << 1 << "nan"           << 0.0       << 0.0f       << 0;
    QTest::newRow("arabic digit")        << 1 << QString(QChar(0x0663)) << 0.0 << 0.0f     << 0;
    QTest::newRow("huge")                << 1 << "1e400"         << dmax      << fmax       << 1;
    QTest::newRow("huge negative")       << 1 << "-1e400"        << -dmax     << -fmax      << -1;
    QTest::newRow("huge by fraction")    << 1 << "0.001e312"     << dmax      << fmax       << 0;
    QTest::newRow("beyond single")       << 1 << "1e39"          << 1e39      << fmax       << 1;
    QTest::newRow("tiny")                << 1 << "1e-400"        << 0.0       << 0.0f       << 1;
    QTest::newRow("tiny by digits")      << 1 << "12345e-400"    << 0.0       << 0.0f       << 12345;
    QTest::newRow("huge exponent")       << 1 << "5e99999999999999999999" << dmax << fmax << 5;
    QTest::newRow("above int")           << 1 << "99999999999"   << 99999999999.0 << 99999999999.0f << INT_MAX;
    QTest::newRow("below int")           << 1 << "-99999999999"  << -99999999999.0 << -99999999999.0f << INT_MIN;
    QTest::newRow("int max")             << 1 << "2147483647"    << 2147483647.0 << 2147483647.0f << INT_MAX;
    QTest::newRow("int min")             << 1 << "-2147483648"   << -2147483648.0 << -2147483648.0f << INT_MIN;
    QTest::newRow("zero exponent huge")  << 1 << "0e99999"       << 0.0       << 0.0f       << 0;
    // clang-format on
}

void TestNumberText::parse() {
    QFETCH(int, notation);
    QFETCH(QString, text);
    QFETCH(double, real);
    QFETCH(float, single);
    QFETCH(int, whole);

    const NumberText numbers = numberText(notation);
    QCOMPARE(numbers.parseDouble(text), real);
    QCOMPARE(numbers.parseSingle(text), single);
    QCOMPARE(numbers.parseInteger(text), whole);
}

void TestNumberText::formatDecimals_data() {
    QTest::addColumn<int>("notation");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    QTest::newRow("millions notation 1")   << 1 << 1234567.891 << 2 << "1,234,567.89";
    QTest::newRow("millions notation 2")   << 2 << 1234567.891 << 2 << "1.234.567,89";
    QTest::newRow("millions automatic")    << 0 << 1234567.891 << 2 << "1.234.567,89";
    QTest::newRow("negative thousands")    << 1 << -1234.0     << 0 << "-1,234";
    QTest::newRow("negative notation 2")   << 2 << -1234.0     << 0 << "-1.234";
    QTest::newRow("below thousand")        << 1 << 999.0       << 0 << "999";
    QTest::newRow("rounds up to thousand") << 1 << 999.6       << 0 << "1000";
    QTest::newRow("exact thousand")        << 1 << 1000.0      << 0 << "1,000";
    QTest::newRow("rounds up to million")  << 1 << 999999.6    << 0 << "1000,000";
    QTest::newRow("billions")              << 1 << 1234567890.0 << 0 << "1,234,567,890";
    QTest::newRow("three separators most") << 1 << 1234567890123.0 << 0 << "1234,567,890,123";
    QTest::newRow("1e20")                  << 1 << 1e20        << 0 << "100000000000,000,000,000";
    QTest::newRow("padded decimals")       << 1 << 0.5         << 3 << "0.500";
    QTest::newRow("padded notation 2")     << 2 << 0.5         << 3 << "0,500";
    QTest::newRow("rounded decimals")      << 1 << 1234.5678   << 3 << "1,234.568";
    QTest::newRow("zero")                  << 1 << 0.0         << 0 << "0";
    QTest::newRow("negative zero")         << 1 << -0.0        << 2 << "0.00";
    QTest::newRow("small negative")        << 1 << -0.26       << 1 << "-0.3";
    // The sign is taken before rounding, so a negative value that rounds to zero keeps it.
    QTest::newRow("negative rounds to 0")  << 1 << -0.4        << 0 << "-0";
    QTest::newRow("negative decimals")     << 1 << -5.0        << -1 << "-5";
    QTest::newRow("nan")                   << 1 << std::nan("") << 2 << "";
    QTest::newRow("infinity")              << 1 << inf         << 0 << "";
    QTest::newRow("minus infinity")        << 1 << -inf        << 0 << "";
    // clang-format on
}

void TestNumberText::formatDecimals() {
    QFETCH(int, notation);
    QFETCH(double, x);
    QFETCH(int, decimals);
    QFETCH(QString, text);

    QCOMPARE(numberText(notation).FormatDecimals(x, decimals), text);
}

void TestNumberText::formatGroupedIsZeroDecimals_data() {
    QTest::addColumn<int>("notation");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("text");

    QTest::newRow("notation 1") << 1 << 1234567.5001 << "1,234,568";
    QTest::newRow("notation 2") << 2 << -98765.4 << "-98.765";
    QTest::newRow("below thousand") << 1 << 999.6 << "1000";
}

void TestNumberText::formatGroupedIsZeroDecimals() {
    QFETCH(int, notation);
    QFETCH(double, x);
    QFETCH(QString, text);

    QCOMPARE(numberText(notation).FormatGrouped(x), text);
}

void TestNumberText::largestValueFormatsInFull() {
    const QString text = numberText(1).FormatDecimals(std::numeric_limits<double>::max(), 2);
    QCOMPARE(text.size(), 309 + 3 + 3);
    QVERIFY(text.startsWith(QStringLiteral("179769313486231570")));
    QVERIFY(text.endsWith(QStringLiteral("04026184,124,858,368.00")));
}

void TestNumberText::reformatNumberText_data() {
    QTest::addColumn<int>("notation");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("result");

    // clang-format off
    QTest::newRow("notation 1")           << 1 << "1234567.891" << 2 << "1,234,567.89";
    QTest::newRow("notation 2")           << 2 << "1234567.891" << 2 << "1.234.567,89";
    // The text is read without the separators: a comma ends the number, even in notation 2.
    QTest::newRow("comma not decimal")    << 2 << "1,5"         << 1 << "1,0";
    QTest::newRow("grouped text")         << 1 << "1,234"       << 0 << "1";
    QTest::newRow("negative")             << 1 << "-1234"       << 0 << "-1,234";
    QTest::newRow("exponent")             << 1 << "2.5e3"       << 1 << "2,500.0";
    QTest::newRow("padded")               << 1 << "0.5"         << 3 << "0.500";
    QTest::newRow("empty")                << 1 << ""            << 2 << "0.00";
    QTest::newRow("letters")              << 2 << "abc"         << 1 << "0,0";
    // clang-format on
}

void TestNumberText::reformatNumberText() {
    QFETCH(int, notation);
    QFETCH(QString, text);
    QFETCH(int, decimals);
    QFETCH(QString, result);

    QCOMPARE(numberText(notation).ReformatNumberText(text, decimals), result);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
