// Which keys the numeric and project-name fields take, and which filter each field has.

#include <QTest>

#include "params/KeyFilters.h"

using namespace wattmere;

Q_DECLARE_METATYPE(wattmere::KeyFilter)

namespace {

// Notation 0 follows the locale: French writes "," and a narrow no-break space, so "." is no
// separator there.
SeparatorPair separators(int notation) {
    return separatorsForNotation(notation, QLocale(QLocale::French, QLocale::France));
}

} // namespace

class TestKeyFilters : public QObject {
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void fieldFilters_data();
    void fieldFilters();
    void numericFieldCount();
};

void TestKeyFilters::keys_data() {
    QTest::addColumn<KeyFilter>("filter");
    QTest::addColumn<int>("notation");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<bool>("accepted");

    const struct {
        char16_t key;
        const char* name;
        bool numeric;     // taken by a numeric field in notations 1 and 2
        bool projectName; // taken by a project-name field
    } keys[] = {
        {8, "backspace", true, true},
        {9, "tab", false, true},
        {13, "enter", false, true},
        {27, "escape", false, true},
        {u'0', "0", true, true},
        {u'5', "5", true, true},
        {u'9', "9", true, true},
        {u'/', "slash", false, false},
        {u':', "colon", false, false},
        {u'.', "point", true, true},
        {u',', "comma", true, true},
        {u'-', "minus", false, true},
        {u'+', "plus", false, true},
        {u'E', "E", false, true},
        {u'e', "e", false, true},
        {u'a', "a", false, true},
        {u' ', "blank", false, true},
        {u'\'', "apostrophe", false, true},
        {u'_', "underscore", false, true},
        {u'\x00e4', "a umlaut", false, true},
        {u'"', "double quote", false, false},
        {u'*', "asterisk", false, false},
        {u'<', "less than", false, false},
        {u'>', "greater than", false, false},
        {u'?', "question mark", false, false},
        {u'\\', "backslash", false, false},
        {u'|', "vertical bar", false, false},
    };
    for (const auto& k : keys) {
        for (const int notation : {1, 2})
            QTest::addRow("numeric %d %s", notation, k.name)
                << KeyFilter::Numeric << notation << QChar(k.key) << k.numeric;
        QTest::addRow("project name %s", k.name)
            << KeyFilter::ProjectName << 1 << QChar(k.key) << k.projectName;
        QTest::addRow("none %s", k.name) << KeyFilter::None << 1 << QChar(k.key) << true;
    }
    const SeparatorPair french = separators(0);
    QTest::newRow("numeric automatic decimal") << KeyFilter::Numeric << 0 << french.decimal << true;
    QTest::newRow("numeric automatic thousands")
        << KeyFilter::Numeric << 0 << french.thousands << true;
    QTest::newRow("numeric automatic point") << KeyFilter::Numeric << 0 << QChar(u'.') << false;
}

void TestKeyFilters::keys() {
    QFETCH(KeyFilter, filter);
    QFETCH(int, notation);
    QFETCH(QChar, key);
    QFETCH(bool, accepted);

    QCOMPARE(keyAccepted(filter, key, separators(notation)), accepted);
    if (filter == KeyFilter::Numeric)
        QCOMPARE(numericKeyAccepted(key, separators(notation)), accepted);
    if (filter == KeyFilter::ProjectName)
        QCOMPARE(projectNameKeyAccepted(key), accepted);
}

void TestKeyFilters::fieldFilters_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<KeyFilter>("filter");

    const auto numeric = KeyFilter::Numeric;
    const auto projectName = KeyFilter::ProjectName;
    const auto none = KeyFilter::None;
    const struct {
        const char* field;
        KeyFilter filter;
    } fields[] = {
        {"A100", none},    {"A101", numeric}, {"A105", numeric},     {"A110", numeric},
        {"A120", numeric}, {"A123", numeric}, {"A124", none},        {"A125", numeric},
        {"A126", none},    {"A130", none},    {"A143", none},        {"A144", numeric},
        {"A152", numeric}, {"A159", numeric}, {"A160", numeric},     {"A169", numeric},
        {"A176", numeric}, {"A177", none},    {"A199", none},        {"A102A", numeric},
        {"A101A", none},   {"A103A", none},   {"QNUM", projectName}, {"QNUM1", projectName},
        {"QNUM2", none},   {"qnum", none},    {"a105", none},        {"", none},
        {"A1", none},      {"A12", none},     {"A1050", none},       {"A1x5", none},
        {"B105", none},    {"A205", none},    {"PREPFOR", none},
    };
    for (const auto& f : fields)
        QTest::newRow(*f.field ? f.field : "empty") << QString::fromLatin1(f.field) << f.filter;
}

void TestKeyFilters::fieldFilters() {
    QFETCH(QString, field);
    QFETCH(KeyFilter, filter);

    QCOMPARE(keyFilterForField(field), filter);
}

void TestKeyFilters::numericFieldCount() {
    // A101-A123, A125 and A144-A176 of the parameter fields A100-A199.
    int numeric = 0;
    for (int order = 0; order <= 99; ++order) {
        const QString field = QStringLiteral("A1%1").arg(order, 2, 10, QLatin1Char('0'));
        if (keyFilterForField(field) == KeyFilter::Numeric)
            ++numeric;
    }
    QCOMPARE(numeric, 23 + 1 + 33);
}

QTEST_APPLESS_MAIN(TestKeyFilters)
#include "tst_keyfilters.moc"
