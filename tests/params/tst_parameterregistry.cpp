#include "core/Application.h"
#include "core/FatalError.h"
#include "params/FieldTags.h"
#include "params/ParameterRecord.h"
#include "params/ParameterRegistry.h"
#include "params/ParameterTable.h"
#include "units/UnitSettings.h"

#include <QList>
#include <QPair>
#include <QtTest>

#include <optional>

using namespace wattmere;

Q_DECLARE_METATYPE(wattmere::Application)

namespace {

// Thrown by the test's fatal error handler so that the text can be checked.
struct FatalErrorRaised {
    QString text;
};

// The text of the fatal error the call raises, or none.
template <typename Call> std::optional<QString> fatalErrorOf(Call&& call) {
    try {
        call();
    } catch (const FatalErrorRaised& error) {
        return error.text;
    }
    return std::nullopt;
}

// Slot values are single precision and must equal the table literals exactly.
#define COMPARE_EXACT(actual, expected)                                                            \
    QVERIFY2(float(actual) == float(expected), qPrintable(QStringLiteral("%1 is %2, expected %3")  \
                                                              .arg(QStringLiteral(#actual))        \
                                                              .arg(double(actual), 0, 'g', 12)     \
                                                              .arg(double(expected), 0, 'g', 12)))

struct Expected {
    int slot;
    const char* name;
    const char* unit;
    float minimum;
    float maximum;
    float step;
    float defaultValue;
};

// The whole table as the fan defines it in in.wg and cfm.
const QList<Expected> fanBaseTable{
    {1, "Hours per day", "", 1.0f, 24.0f, 1.0f, 24.0f},
    {2, "Days per week", "", 1.0f, 7.0f, 10.0f, 7.0f},
    {3, "Weeks per year", "", 1.0f, 52.0f, 1.0f, 52.0f},
    {4, "Electricity cost", "ct", 0.0f, 1000.0f, 1000.0f, 0.1f},
    {5, "Motor Power", "", 0.2f, 5000.0f, 10.0f, 50.0f},
    {6, "Motor Efficiency", "%", 50.0f, 100.0f, 10.0f, 90.0f},
    {7, "Drive Efficiency", "%", 50.0f, 100.0f, 10.0f, 96.0f},
    {8, "Utility Incentive", "", 0.0f, 999999.0f, 1.0f, 0.0f},
    {9, "Drive Cost", "", 0.0f, 100000000.0f, 1.0f, 15000.0f},
    {10, "% Time @ 100%", "%", 0.0f, 100.0f, 1.0f, 0.0f},
    {11, "% Time @ 90%", "%", 0.0f, 100.0f, 1.0f, 3.0f},
    {12, "% Time @ 80%", "%", 0.0f, 100.0f, 1.0f, 9.0f},
    {13, "% Time @ 70%", "%", 0.0f, 100.0f, 1.0f, 21.0f},
    {14, "% Time @ 60%", "%", 0.0f, 100.0f, 1.0f, 23.0f},
    {15, "% Time @ 50%", "%", 0.0f, 100.0f, 1.0f, 23.0f},
    {16, "% Time @ 40%", "%", 0.0f, 100.0f, 1.0f, 16.0f},
    {17, "% Time @ 30%", "%", 0.0f, 100.0f, 1.0f, 5.0f},
    {18, "% Time @ 20%", "%", 0.0f, 100.0f, 1.0f, 0.0f},
    {19, "% Time @ 10%", "%", 0.0f, 100.0f, 1.0f, 0.0f},
    {20, "Design Head", "in.wg", 0.01f, 999.9f, 100.0f, 4.0f},
    {21, "Static Setpoint Head", "in.wg", 0.0f, 999.9f, 100.0f, 0.8f},
    {22, "Shaft HP", "", 0.2f, 5000.0f, 10.0f, 50.0f},
    {23, "Removed Pressure Drop with Drive", "in.wg", 0.0f, 50.0f, 100.0f, 0.4f},
    {24, "Fan Curve Efficiency", "", 50.0f, 100.0f, 10.0f, 86.0f},
    {25, "Drive HP", "", 0.2f, 5000.0f, 10.0f, 50.0f},
    {26, "Installation CI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {27, "Startup CI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {28, "Equipment CI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {29, "Other 1 CI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {30, "Other 2 CI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {31, "Installation DI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {32, "Startup DI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {33, "Equipment DI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {34, "Other 1 DI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {35, "Other 2 DI", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {36, "Maintencance CA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {37, "Other 1 CA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {38, "Other 2 CA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {39, "Other 3 CA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {40, "Maintencance CA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {41, "Other 1 DA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {42, "Other 2 DA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {43, "Other 3 DA", "$", 0.0f, 1000000.0f, 1.0f, 0.0f},
    {44, "Fan curve eff. @ design point", "", 1.0f, 100.0f, 10.0f, 86.0f},
    {45, "Fan curve eff. @ Peak eff. point", "", 1.0f, 100.0f, 10.0f, 86.0f},
    {46, "Fan curve eff. @ Add .Peak eff. point", "", 1.0f, 100.0f, 10.0f, 68.0f},
    {47, "Fan curve eff. @ Control Curve Eff.", "", 1.0f, 100.0f, 10.0f, 86.0f},
    {48, "Fan curve eff. @ Add. Control Curve", "", 1.0f, 100.0f, 10.0f, 76.5f},
    {49, "Design Point Flow", "cfm", 0.0f, 90000000.0f, 100.0f, 67596.0f},
    {50, "Peak Eff Point Flow", "cfm", 0.0f, 90000000.0f, 100.0f, 67596.0f},
    {51, "Add Eff Point Flow", "cfm", 0.0f, 90000000.0f, 100.0f, 33798.0f},
    {52, "At Peak Pressure Flow", "cfm", 0.0f, 90000000.0f, 100.0f, 0.0f},
    {53, "Design Point Flow", "cfm", 0.0f, 90000000.0f, 100.0f, 67596.0f},
    {54, "Add Curve Flow", "cfm", 0.0f, 90000000.0f, 100.0f, 135193.0f},
    {55, "At Peak Pressure Pressure", "in.wg", 0.0f, 9000.0f, 100.0f, 4.8f},
    {56, "Design Point Pressure", "in.wg", 0.0f, 9000.0f, 100.0f, 4.0f},
    {57, "Add Curve Pressure", "in.wg", 0.0f, 9000.0f, 100.0f, 0.0f},
    {58, "Curve Start Point", "cfm", 0.0f, 90000000.0f, 100.0f, 0.0f},
    {59, "Curve End Point", "cfm", 0.0f, 90000000.0f, 100.0f, 135193.0f},
    {60, "% Flow 100", "%", 1.0f, 100.0f, 1.0f, 100.0f},
    {61, "% Flow 90", "%", 1.0f, 100.0f, 1.0f, 90.0f},
    {62, "% Flow 80", "%", 1.0f, 100.0f, 1.0f, 80.0f},
    {63, "% Flow 70", "%", 1.0f, 100.0f, 1.0f, 70.0f},
    {64, "% Flow 60", "%", 1.0f, 100.0f, 1.0f, 60.0f},
    {65, "% Flow 50", "%", 1.0f, 100.0f, 1.0f, 50.0f},
    {66, "% Flow 40", "%", 1.0f, 100.0f, 1.0f, 40.0f},
    {67, "% Flow 30", "%", 1.0f, 100.0f, 1.0f, 30.0f},
    {68, "% Flow 20", "%", 1.0f, 100.0f, 1.0f, 20.0f},
    {69, "% Flow 10", "%", 1.0f, 100.0f, 1.0f, 10.0f},
    {70, "High Speed Eff", "%", 50.0f, 100.0f, 10.0f, 90.0f},
    {71, "Low Speed Eff", "%", 50.0f, 100.0f, 10.0f, 85.0f},
    {72, "Time at Full Speed", "%", 0.0f, 100.0f, 10.0f, 50.0f},
    {73, "Time at High Speed", "%", 0.0f, 100.0f, 10.0f, 50.0f},
    {74, "Fan curve eff. @ design point", "", 1.0f, 100.0f, 10.0f, 86.0f},
    {75, "Design Point Flow", "cfm", 0.0f, 90000000.0f, 100.0f, 67596.0f},
    {76, "Time stopped", "%", 0.0f, 100.0f, 10.0f, 0.0f},
};

// Minimum, maximum and default of one unit-dependent slot.
struct Limits {
    int slot;
    float minimum;
    float maximum;
    float defaultValue;
};

struct UnitRow {
    const char* unit;
    QList<Limits> limits;
};

// One pressure row, given by the columns of the unit tables: slot 20 minimum, max/default of
// slots 20, 21 and 23, the maximum of 55..57, the defaults of 55, 56, 57, the minimum of
// 21, 55 and 56.
UnitRow pressureRow(const char* unit, float headMin, float headMax, float headDefault, float setMax,
                    float setDefault, float dropMax, float dropDefault, float curveMax, float d55,
                    float d56, float d57, float raisedMin = 0.0f) {
    return {unit,
            {{20, headMin, headMax, headDefault},
             {21, raisedMin, setMax, setDefault},
             {23, 0.0f, dropMax, dropDefault},
             {55, raisedMin, curveMax, d55},
             {56, raisedMin, curveMax, d56},
             {57, 0.0f, curveMax, d57}}};
}

// One flow row: the maximum (and slot 53's own), the defaults of 49/50/75, 51, 53, 54/59.
UnitRow flowRow(const char* unit, float max, float max53, float designDefault, float d51, float d53,
                float endDefault) {
    return {unit,
            {{49, 0.0f, max, designDefault},
             {50, 0.0f, max, designDefault},
             {51, 0.0f, max, d51},
             {52, 0.0f, max, 0.0f},
             {53, 0.0f, max53, d53},
             {54, 0.0f, max, endDefault},
             {58, 0.0f, max, 0.0f},
             {59, 0.0f, max, endDefault},
             {75, 0.0f, max, designDefault}}};
}

const QList<UnitRow> fanPressureRows{
    pressureRow("in.wg", 0.01f, 999.9f, 4.0f, 999.9f, 0.8f, 50.0f, 0.4f, 9000.0f, 4.8f, 4.0f, 0.0f),
    pressureRow("cm.wg", 0.01f, 2539.746f, 10.16f, 2539.746f, 2.032f, 127.0f, 1.016f, 22860.0f,
                12.192f, 10.16f, 0.0f),
    pressureRow("Pa", 0.01f, 249057.1f, 996.328f, 249057.1f, 199.2656f, 12454.1f, 99.6328f,
                2241738.0f, 1195.5936f, 996.328f, 0.0f),
    pressureRow("kPa", 0.01f, 249.0571f, 0.996328f, 249.0571f, 0.1992656f, 12.4541f, 0.0996328f,
                2241.738f, 1.1955936f, 0.996328f, 0.0f),
    pressureRow("mBar", 0.01f, 2490.5708f, 9.96328f, 2490.5708f, 1.992656f, 124.541f, 0.996328f,
                22417.38f, 11.955936f, 9.96328f, 0.0f),
};

const QList<UnitRow> fanFlowRows{
    flowRow("cfm", 90000000.0f, 90000000.0f, 67596.0f, 33798.0f, 67596.0f, 135193.0f),
    flowRow("M3/min", 2547000.0f, 2547000.0f, 1912.9668f, 956.4834f, 1912.9668f, 3825.962f),
    flowRow("M3/h", 152910000.0f, 90000000.0f, 114845.6f, 57422.8f, 114845.6f, 229692.9f),
    flowRow("l/s", 42471000.0f, 42471000.0f, 31898.553f, 15949.276f, 31898.553f, 63797.58f),
    flowRow("l/min", 2548512000.0f, 2548512000.0f, 1914102.375f, 957051.1875f, 1914102.375f,
            3828233.25f),
    flowRow("M3/s", 42475.266f, 90000000.0f, 31.901756f, 15.950878f, 31.901756f, 63.803986f),
};

const QList<UnitRow> pumpPressureRows{
    pressureRow("PSI", 0.01f, 433.48416f, 1.73411f, 433.48416f, 0.346822f, 21.676374f, 0.173411f,
                3901.7476f, 2.080932f, 1.73411f, 0.0f),
    pressureRow("ft.wg", 0.01f, 999.9f, 4.0f, 999.9f, 0.8f, 50.0f, 0.4f, 9000.0f, 4.8f, 4.0f, 0.0f),
    pressureRow("m.wg", 0.01f, 304.8475f, 1.219512f, 304.8475f, 0.2439024f, 15.2439f, 0.1219512f,
                2743.902f, 1.4634144f, 1.219512f, 0.0f),
    pressureRow("kPa", 0.01f, 2985.7815f, 11.94432f, 2985.7815f, 2.388864f, 149.304f, 1.194432f,
                26874.72f, 14.333184f, 11.94432f, 0.0f),
    pressureRow("MPa", 0.5f, 10.0f, 2.0f, 10.0f, 0.5f, 10.0f, 0.0f, 10.0f, 2.0f, 1.0f, 0.0f, 0.5f),
    pressureRow("Bar", 0.01f, 29.857815f, 0.1194432f, 29.857815f, 0.02388864f, 1.49304f,
                0.01194432f, 268.7472f, 0.14333184f, 0.1194432f, 0.0f),
};

const QList<UnitRow> pumpFlowRows{
    flowRow("GPM", 90000000.0f, 90000000.0f, 42075.0f, 21037.0f, 42169.0f, 84338.0f),
    flowRow("M3/min", 342000.0f, 342000.0f, 159.885f, 79.9406f, 160.2422f, 320.4844f),
    flowRow("M3/h", 20439000.0f, 20439000.0f, 9555.232f, 4777.503f, 9576.58f, 19153.16f),
    flowRow("l/s", 5679000.0f, 5679000.0f, 2654.9326f, 1327.4347f, 2660.864f, 5321.728f),
    flowRow("l/min", 340676992.0f, 340676992.0f, 159266.5f, 79631.36f, 159622.3125f, 319244.625f),
};

UnitSettings fanUnits(int pressure, int flow) {
    UnitSettings units;
    units.fanPressure = pressure;
    units.fanFlow = flow;
    return units;
}

UnitSettings pumpUnits(int pressure, int flow) {
    UnitSettings units;
    units.pumpPressure = pressure;
    units.pumpFlow = flow;
    return units;
}

void defineStartup(ParameterRegistry& registry) {
    DefineParameterTable(registry, false, Application::None, UnitSettings{});
}

// Compares one record with its expected definition, and its shadow with the record.
void verifySlot(const ParameterRegistry& registry, const Expected& expected) {
    const ParameterRecord* record = registry.live(expected.slot);
    QVERIFY2(record, qPrintable(QStringLiteral("slot %1 undefined").arg(expected.slot)));
    QCOMPARE(record->slotNumber, quint16(expected.slot));
    QCOMPARE(record->tagLetter, 'A');
    QCOMPARE(record->tagGroup, '1');
    QCOMPARE(record->orderNumber, quint16(expected.slot));
    QCOMPARE(record->name, QString::fromLatin1(expected.name));
    QCOMPARE(record->unitText, QString::fromLatin1(expected.unit));
    COMPARE_EXACT(record->minimum, expected.minimum);
    COMPARE_EXACT(record->maximum, expected.maximum);
    COMPARE_EXACT(record->step, expected.step);
    COMPARE_EXACT(record->defaultValue, expected.defaultValue);
    COMPARE_EXACT(record->currentValue, expected.defaultValue);
    QCOMPARE(record->editKind, quint8(0));

    const ParameterRecord* shadow = registry.shadow(expected.slot);
    QVERIFY(shadow);
    QVERIFY(shadow != record);
    QVERIFY(*shadow == *record);
}

// The expected table of a variant: the fan base table with the unit rows laid over it.
QList<Expected> expectedTable(const UnitRow& pressure, const UnitRow& flow) {
    QList<Expected> table = fanBaseTable;
    for (const UnitRow* row : {&pressure, &flow}) {
        for (const Limits& limits : row->limits) {
            Expected& entry = table[limits.slot - 1];
            entry.unit = row->unit;
            entry.minimum = limits.minimum;
            entry.maximum = limits.maximum;
            entry.defaultValue = limits.defaultValue;
        }
    }
    return table;
}

class RecordingSink : public FieldTagSink {
public:
    void setFieldTag(const QString& field, int slotNumber) override {
        tags.append({field, slotNumber});
    }
    void setUnitLabel(const QString& label, const QString& text) override {
        labels.append({label, text});
    }

    QList<QPair<QString, int>> tags;
    QList<QPair<QString, QString>> labels;
};

} // namespace

class TestParameterRegistry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_previousHandler =
            setFatalErrorHandler([](const QString& text) { throw FatalErrorRaised{text}; });
    }
    void cleanupTestCase() { setFatalErrorHandler(m_previousHandler); }

    void fanBaseTableSlots_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < fanBaseTable.size(); ++i)
            QTest::addRow("slot %d %s", fanBaseTable[i].slot, fanBaseTable[i].name) << i;
    }
    void fanBaseTableSlots() {
        QFETCH(int, index);
        ParameterRegistry registry;
        defineStartup(registry);
        DefineParameterTable(registry, true, Application::Fan, fanUnits(0, 0));
        QCOMPARE(registry.count(), parameterTableSlots);
        verifySlot(registry, fanBaseTable[index]);
    }

    void startupVariant() {
        ParameterRegistry registry;
        defineStartup(registry);
        QCOMPARE(registry.count(), 76);

        QList<Expected> expected = fanBaseTable;
        for (int slot : {49, 50, 51, 59, 75})
            expected[slot - 1].minimum = 1.0f;
        for (int slot : {55, 56})
            expected[slot - 1].defaultValue = 0.0f;
        for (const Expected& entry : expected)
            verifySlot(registry, entry);
    }

    void everyVariant_data() {
        QTest::addColumn<Application>("application");
        QTest::addColumn<int>("pressureIndex");
        QTest::addColumn<int>("flowIndex");
        for (int p = 0; p <= maxFanPressureIndex; ++p)
            for (int f = 0; f <= maxFanFlowIndex; ++f)
                QTest::addRow("fan %s %s", fanPressureRows[p].unit, fanFlowRows[f].unit)
                    << Application::Fan << p << f;
        for (int p = 0; p <= maxPumpPressureIndex; ++p)
            for (int f = 0; f <= maxPumpFlowIndex; ++f)
                QTest::addRow("pump %s %s", pumpPressureRows[p].unit, pumpFlowRows[f].unit)
                    << Application::Pump << p << f;
    }
    void everyVariant() {
        QFETCH(Application, application);
        QFETCH(int, pressureIndex);
        QFETCH(int, flowIndex);
        const bool fan = application == Application::Fan;
        const UnitSettings units =
            fan ? fanUnits(pressureIndex, flowIndex) : pumpUnits(pressureIndex, flowIndex);
        const QList<Expected> expected =
            fan ? expectedTable(fanPressureRows[pressureIndex], fanFlowRows[flowIndex])
                : expectedTable(pumpPressureRows[pressureIndex], pumpFlowRows[flowIndex]);

        ParameterRegistry registry;
        defineStartup(registry);
        DefineParameterTable(registry, true, application, units);
        QCOMPARE(registry.count(), 76);
        for (const Expected& entry : expected)
            verifySlot(registry, entry);
    }

    // Cases quoted literally, independent of the row tables above.
    void variantSpotChecks_data() {
        QTest::addColumn<Application>("application");
        QTest::addColumn<UnitSettings>("units");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<float>("minimum");
        QTest::addColumn<float>("maximum");
        QTest::addColumn<float>("defaultValue");

        const auto pump = Application::Pump;
        const auto fan = Application::Fan;
        QTest::newRow("MPa design head")
            << pump << pumpUnits(4, 0) << 20 << "MPa" << 0.5f << 10.0f << 2.0f;
        QTest::newRow("MPa setpoint")
            << pump << pumpUnits(4, 0) << 21 << "MPa" << 0.5f << 10.0f << 0.5f;
        QTest::newRow("MPa removed drop")
            << pump << pumpUnits(4, 0) << 23 << "MPa" << 0.0f << 10.0f << 0.0f;
        QTest::newRow("MPa peak pressure")
            << pump << pumpUnits(4, 0) << 55 << "MPa" << 0.5f << 10.0f << 2.0f;
        QTest::newRow("MPa design pressure")
            << pump << pumpUnits(4, 0) << 56 << "MPa" << 0.5f << 10.0f << 1.0f;
        QTest::newRow("MPa add pressure")
            << pump << pumpUnits(4, 0) << 57 << "MPa" << 0.0f << 10.0f << 0.0f;
        QTest::newRow("Bar design head")
            << pump << pumpUnits(5, 0) << 20 << "Bar" << 0.01f << 29.857815f << 0.1194432f;
        QTest::newRow("M3/h design flow")
            << fan << fanUnits(0, 2) << 49 << "M3/h" << 0.0f << 152910000.0f << 114845.6f;
        QTest::newRow("M3/h curve design flow")
            << fan << fanUnits(0, 2) << 53 << "M3/h" << 0.0f << 90000000.0f << 114845.6f;
        QTest::newRow("M3/s design flow")
            << fan << fanUnits(0, 5) << 75 << "M3/s" << 0.0f << 42475.266f << 31.901756f;
        QTest::newRow("M3/s curve design flow")
            << fan << fanUnits(0, 5) << 53 << "M3/s" << 0.0f << 90000000.0f << 31.901756f;
        QTest::newRow("M3/s curve end")
            << fan << fanUnits(0, 5) << 59 << "M3/s" << 0.0f << 42475.266f << 63.803986f;
        QTest::newRow("l/min pump curve design flow")
            << pump << pumpUnits(1, 4) << 53 << "l/min" << 0.0f << 340676992.0f << 159622.3125f;
        QTest::newRow("l/min pump design flow")
            << pump << pumpUnits(1, 4) << 49 << "l/min" << 0.0f << 340676992.0f << 159266.5f;
        QTest::newRow("GPM curve design flow")
            << pump << pumpUnits(1, 0) << 53 << "GPM" << 0.0f << 90000000.0f << 42169.0f;
        QTest::newRow("GPM add flow")
            << pump << pumpUnits(1, 0) << 51 << "GPM" << 0.0f << 90000000.0f << 21037.0f;
        QTest::newRow("Pa peak pressure")
            << fan << fanUnits(2, 0) << 55 << "Pa" << 0.0f << 2241738.0f << 1195.5936f;
        QTest::newRow("out-of-range FPU counts as in.wg")
            << fan << fanUnits(9, 0) << 20 << "in.wg" << 0.01f << 999.9f << 4.0f;
        QTest::newRow("out-of-range PFU counts as GPM")
            << pump << pumpUnits(1, -1) << 75 << "GPM" << 0.0f << 90000000.0f << 42075.0f;
    }
    void variantSpotChecks() {
        QFETCH(Application, application);
        QFETCH(UnitSettings, units);
        QFETCH(int, slot);
        QFETCH(QString, unit);
        QFETCH(float, minimum);
        QFETCH(float, maximum);
        QFETCH(float, defaultValue);

        ParameterRegistry registry;
        defineStartup(registry);
        DefineParameterTable(registry, true, application, units);
        const ParameterRecord* record = registry.live(slot);
        QVERIFY(record);
        QCOMPARE(record->unitText, unit);
        COMPARE_EXACT(record->minimum, minimum);
        COMPARE_EXACT(record->maximum, maximum);
        COMPARE_EXACT(record->defaultValue, defaultValue);
        QVERIFY(*registry.shadow(slot) == *record);
    }

    void redefinitionResetsValuesAndKeepsRecords() {
        ParameterRegistry registry;
        defineStartup(registry);
        QList<const ParameterRecord*> liveRecords;
        QList<const ParameterRecord*> shadowRecords;
        for (int slot = 1; slot <= 76; ++slot) {
            liveRecords.append(registry.live(slot));
            shadowRecords.append(registry.shadow(slot));
        }

        const QList<QPair<Application, UnitSettings>> sequence{
            {Application::Fan, fanUnits(0, 0)}, {Application::Pump, pumpUnits(4, 2)},
            {Application::Fan, fanUnits(3, 5)}, {Application::Pump, pumpUnits(0, 4)},
            {Application::Fan, fanUnits(2, 1)}, {Application::Pump, pumpUnits(1, 0)},
            {Application::Fan, fanUnits(4, 3)}, {Application::Pump, pumpUnits(5, 1)},
            {Application::Fan, fanUnits(1, 4)}, {Application::Pump, pumpUnits(2, 3)},
        };
        for (const auto& [application, units] : sequence) {
            // Values typed into the analysis since the last definition.
            for (int slot = 1; slot <= 76; ++slot) {
                registry.live(slot)->currentValue = registry.live(slot)->maximum;
                registry.shadow(slot)->currentValue = registry.shadow(slot)->minimum;
            }
            DefineParameterTable(registry, true, application, units);
            QCOMPARE(registry.count(), 76);
            for (int slot = 1; slot <= 76; ++slot) {
                const ParameterRecord* record = registry.live(slot);
                QCOMPARE(record, liveRecords[slot - 1]);
                QCOMPARE(registry.shadow(slot), shadowRecords[slot - 1]);
                COMPARE_EXACT(record->currentValue, record->defaultValue);
                QVERIFY(*registry.shadow(slot) == *record);
            }
            QVERIFY(registry.live(77) == nullptr);
        }
    }

    void redefinitionWithoutApplicationDefinesNothing() {
        ParameterRegistry registry;
        defineStartup(registry);
        DefineParameterTable(registry, true, Application::Pump, pumpUnits(4, 0));
        registry.live(20)->currentValue = 7.0f;

        DefineParameterTable(registry, true, Application::None, fanUnits(2, 2));
        QCOMPARE(registry.count(), 76);
        COMPARE_EXACT(registry.live(20)->currentValue, 7.0f);
        QCOMPARE(registry.live(20)->unitText, QStringLiteral("MPa"));
    }

    void definitionErrors_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("definedBefore");
        QTest::addColumn<bool>("redefine");
        QTest::addColumn<int>("editKind");
        QTest::addColumn<float>("step");
        QTest::addColumn<float>("maximum");
        QTest::addColumn<float>("minimum");
        QTest::addColumn<float>("defaultValue");
        QTest::addColumn<QString>("message");

        QTest::newRow("min equal to max") << 20 << false << false << 0 << 100.0f << 5.0f << 5.0f
                                          << 5.0f << "PARAMETER LIST ERROR MIN>=MAX LIST NO. :20";
        QTest::newRow("min above max") << 7 << false << false << 0 << 10.0f << 50.0f << 100.0f
                                       << 90.0f << "PARAMETER LIST ERROR MIN>=MAX LIST NO. :7";
        QTest::newRow("step 0") << 3 << false << false << 0 << 0.0f << 52.0f << 1.0f << 52.0f
                                << "RANGE STEP LIST ERROR LIST NO. :3";
        QTest::newRow("step 0.5") << 45 << false << false << 0 << 0.5f << 100.0f << 1.0f << 86.0f
                                  << "RANGE STEP LIST ERROR LIST < 1 NO. :45";
        QTest::newRow("negative step") << 8 << false << false << 0 << -1.0f << 100.0f << 0.0f
                                       << 0.0f << "RANGE STEP LIST ERROR LIST < 1 NO. :8";
        QTest::newRow("default below min") << 9 << false << false << 0 << 1.0f << 100.0f << 1.0f
                                           << 0.5f << "DEFAULT VALUE VF not in Range LIST NO :9";
        QTest::newRow("default above max") << 1 << false << false << 0 << 1.0f << 24.0f << 1.0f
                                           << 25.0f << "DEFAULT VALUE VF not in Range LIST NO :1";
        QTest::newRow("edit kind 2") << 76 << false << false << 2 << 10.0f << 100.0f << 0.0f << 0.0f
                                     << "EDIT TYPE is not 0/1 LIST NO :76";
        QTest::newRow("edit kind -1") << 12 << false << false << -1 << 1.0f << 100.0f << 0.0f
                                      << 9.0f << "EDIT TYPE is not 0/1 LIST NO :12";
        // The first failing test decides the message.
        QTest::newRow("min>=max before step")
            << 4 << false << false << 0 << 0.0f << 1.0f << 1.0f << 1.0f
            << "PARAMETER LIST ERROR MIN>=MAX LIST NO. :4";
        QTest::newRow("step before default") << 5 << false << false << 0 << 0.0f << 10.0f << 1.0f
                                             << 20.0f << "RANGE STEP LIST ERROR LIST NO. :5";
        QTest::newRow("step < 1 before edit kind")
            << 6 << false << false << 3 << 0.5f << 10.0f << 1.0f << 2.0f
            << "RANGE STEP LIST ERROR LIST < 1 NO. :6";
        QTest::newRow("default before edit kind")
            << 10 << false << false << 3 << 1.0f << 10.0f << 1.0f << 20.0f
            << "DEFAULT VALUE VF not in Range LIST NO :10";
        QTest::newRow("three-digit slot") << 300 << false << false << 0 << 0.0f << 10.0f << 1.0f
                                          << 2.0f << "RANGE STEP LIST ERROR LIST NO. :300";
        QTest::newRow("faulty redefinition")
            << 20 << true << true << 0 << 100.0f << 0.5f << 0.5f << 0.5f
            << "PARAMETER LIST ERROR MIN>=MAX LIST NO. :20";
        // Definitions that would write outside the tables or through a missing record.
        QTest::newRow("slot 0") << 0 << false << false << 0 << 1.0f << 10.0f << 1.0f << 2.0f
                                << "PARAMETER SLOT OUT OF RANGE LIST NO. :0";
        QTest::newRow("slot 301") << 301 << false << false << 0 << 1.0f << 10.0f << 1.0f << 2.0f
                                  << "PARAMETER SLOT OUT OF RANGE LIST NO. :301";
        QTest::newRow("redefinition of an undefined slot")
            << 5 << false << true << 0 << 1.0f << 10.0f << 1.0f << 2.0f
            << "PARAMETER NOT DEFINED LIST NO. :5";
        QTest::newRow("second first definition") << 5 << true << false << 0 << 1.0f << 10.0f << 1.0f
                                                 << 2.0f << "PARAMETER ALREADY DEFINED LIST NO. :5";
    }
    void definitionErrors() {
        QFETCH(int, slot);
        QFETCH(bool, definedBefore);
        QFETCH(bool, redefine);
        QFETCH(int, editKind);
        QFETCH(float, step);
        QFETCH(float, maximum);
        QFETCH(float, minimum);
        QFETCH(float, defaultValue);
        QFETCH(QString, message);

        ParameterRegistry registry;
        if (definedBefore)
            registry.DefineParameter(slot, 'A', '1', false, 0, 1.0f, 10.0f, 0.0f, 1.0f, "", "x",
                                     slot);
        const auto error = fatalErrorOf([&] {
            registry.DefineParameter(slot, 'A', '1', redefine, editKind, step, maximum, minimum,
                                     defaultValue, "", "Faulty", slot);
        });
        QVERIFY(error.has_value());
        QCOMPARE(*error, message);
    }

    void countAbove300() {
        ParameterRegistry registry;
        for (int slot = 1; slot <= 300; ++slot)
            registry.DefineParameter(slot, 'A', '1', false, 0, 1.0f, 10.0f, 0.0f, 1.0f, "", "",
                                     slot);
        QCOMPARE(registry.count(), 300);
        QVERIFY(registry.live(300) && registry.shadow(300));

        const auto error = fatalErrorOf([&] {
            registry.DefineParameter(301, 'A', '1', false, 0, 1.0f, 10.0f, 0.0f, 1.0f, "", "", 301);
        });
        QVERIFY(error.has_value());
        QCOMPARE(*error, QStringLiteral("Maximum number of parameters exceeded !"));
    }

    void acceptedDefinitions_data() {
        QTest::addColumn<int>("editKind");
        QTest::addColumn<float>("step");
        QTest::addColumn<float>("maximum");
        QTest::addColumn<float>("minimum");
        QTest::addColumn<float>("defaultValue");

        QTest::newRow("default at maximum") << 0 << 1.0f << 24.0f << 1.0f << 24.0f;
        QTest::newRow("default at minimum") << 0 << 1.0f << 24.0f << 1.0f << 1.0f;
        QTest::newRow("step exactly 1") << 0 << 1.0f << 2.0f << 1.0f << 1.5f;
        QTest::newRow("list field") << 1 << 10.0f << 100.0f << 0.0f << 50.0f;
    }
    void acceptedDefinitions() {
        QFETCH(int, editKind);
        QFETCH(float, step);
        QFETCH(float, maximum);
        QFETCH(float, minimum);
        QFETCH(float, defaultValue);

        ParameterRegistry registry;
        const auto error = fatalErrorOf([&] {
            registry.DefineParameter(1, 'A', '1', false, editKind, step, maximum, minimum,
                                     defaultValue, "h", "Hours per day", 1);
            registry.DefineParameter(1, 'A', '1', true, editKind, step, maximum, minimum,
                                     defaultValue, "h", "Hours per day", 1);
        });
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
        QCOMPARE(registry.count(), 1);
        const ParameterRecord* record = registry.live(1);
        QVERIFY(record);
        COMPARE_EXACT(record->defaultValue, defaultValue);
        COMPARE_EXACT(record->currentValue, defaultValue);
        QCOMPARE(record->editKind, quint8(editKind));
        QVERIFY(*registry.shadow(1) == *record);
    }

    void nameAndUnitAreCut() {
        ParameterRegistry registry;
        const QString name =
            QStringLiteral("A name that is much longer than thirty-eight characters");
        registry.DefineParameter(7, 'B', '2', false, 0, 1.0f, 10.0f, 0.0f, 1.0f,
                                 QStringLiteral("millimetres"), name, 9);
        const ParameterRecord* record = registry.live(7);
        QVERIFY(record);
        QCOMPARE(record->name, name.left(38));
        QCOMPARE(record->unitText, QStringLiteral("millimetre"));
        QCOMPARE(record->tagLetter, 'B');
        QCOMPARE(record->tagGroup, '2');
        QCOMPARE(record->orderNumber, quint16(9));
        QCOMPARE(record->slotNumber, quint16(7));
    }

    void undefinedSlots() {
        ParameterRegistry registry;
        defineStartup(registry);
        for (int slot : {-1, 0, 77, 300, 301}) {
            QVERIFY(registry.live(slot) == nullptr);
            QVERIFY(registry.shadow(slot) == nullptr);
        }
        const ParameterRegistry& constRegistry = registry;
        QVERIFY(constRegistry.live(76) != nullptr);
        QVERIFY(constRegistry.live(0) == nullptr);
    }

    void decimals_data() {
        QTest::addColumn<float>("step");
        QTest::addColumn<int>("decimals");
        QTest::newRow("1") << 1.0f << 0;
        QTest::newRow("1.5") << 1.5f << 1;
        QTest::newRow("10") << 10.0f << 1;
        QTest::newRow("10.5") << 10.5f << 2;
        QTest::newRow("100") << 100.0f << 2;
        QTest::newRow("101") << 101.0f << 3;
        QTest::newRow("1000") << 1000.0f << 3;
        QTest::newRow("1001") << 1001.0f << 4;
        QTest::newRow("100000") << 100000.0f << 4;
    }
    void decimals() {
        QFETCH(float, step);
        QFETCH(int, decimals);
        ParameterRecord record;
        record.step = step;
        QCOMPARE(record.decimals(), decimals);
    }

    void tagText_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<char>("group");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("tag");
        QTest::newRow("first") << 'A' << '1' << 1 << "A101";
        QTest::newRow("design head") << 'A' << '1' << 20 << "A120";
        QTest::newRow("last") << 'A' << '1' << 76 << "A176";
        QTest::newRow("other group") << 'B' << '2' << 7 << "B207";
    }
    void tagText() {
        QFETCH(char, letter);
        QFETCH(char, group);
        QFETCH(int, order);
        QFETCH(QString, tag);
        ParameterRecord record;
        record.tagLetter = letter;
        record.tagGroup = group;
        record.orderNumber = quint16(order);
        QCOMPARE(record.tag(), tag);
    }

    void fieldAndLabelNames_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("label");
        QTest::newRow("1") << 'A' << 1 << "A101"
                           << "";
        QTest::newRow("20") << 'A' << 20 << "A120"
                            << "A120Ext";
        QTest::newRow("22") << 'A' << 22 << "A122"
                            << "";
        QTest::newRow("23") << 'A' << 23 << "A123"
                            << "A123Ext";
        QTest::newRow("24") << 'A' << 24 << ""
                            << "";
        QTest::newRow("25") << 'A' << 25 << "A125"
                            << "";
        QTest::newRow("48") << 'A' << 48 << "A148"
                            << "";
        QTest::newRow("49") << 'A' << 49 << "A149"
                            << "A149Ext";
        QTest::newRow("59") << 'A' << 59 << "A159"
                            << "A159Ext";
        QTest::newRow("60") << 'A' << 60 << "A160"
                            << "";
        QTest::newRow("75") << 'A' << 75 << "A175"
                            << "";
        QTest::newRow("76") << 'A' << 76 << "A176"
                            << "";
        QTest::newRow("0") << 'A' << 0 << ""
                           << "";
        QTest::newRow("77") << 'A' << 77 << ""
                            << "";
        QTest::newRow("other letter") << 'B' << 20 << ""
                                      << "";
    }
    void fieldAndLabelNames() {
        QFETCH(char, letter);
        QFETCH(int, order);
        QFETCH(QString, field);
        QFETCH(QString, label);
        ParameterRecord record;
        record.tagLetter = letter;
        record.orderNumber = quint16(order);
        QCOMPARE(fieldNameOfSlot(record).value_or(QString()), field);
        QCOMPARE(unitLabelOfSlot(record).value_or(QString()), label);
    }

    void assignFieldTags_data() {
        QTest::addColumn<Application>("application");
        QTest::addColumn<UnitSettings>("units");
        QTest::addColumn<QString>("pressureUnit");
        QTest::addColumn<QString>("flowUnit");
        QTest::newRow("start-up") << Application::None << UnitSettings{} << "in.wg"
                                  << "cfm";
        QTest::newRow("fan Pa M3/s") << Application::Fan << fanUnits(2, 5) << "Pa"
                                     << "M3/s";
        QTest::newRow("pump MPa l/min") << Application::Pump << pumpUnits(4, 4) << "MPa"
                                        << "l/min";
    }
    void assignFieldTags() {
        QFETCH(Application, application);
        QFETCH(UnitSettings, units);
        QFETCH(QString, pressureUnit);
        QFETCH(QString, flowUnit);

        ParameterRegistry registry;
        defineStartup(registry);
        if (application != Application::None)
            DefineParameterTable(registry, true, application, units);
        RecordingSink sink;
        AssignFieldTags(registry, sink);

        QList<QPair<QString, int>> expectedTags;
        for (int slot = 1; slot <= 76; ++slot) {
            if (slot != 24)
                expectedTags.append(
                    {QStringLiteral("A1%1").arg(slot, 2, 10, QLatin1Char('0')), slot});
        }
        QCOMPARE(sink.tags, expectedTags);

        const QList<QPair<QString, QString>> expectedLabels{
            {"A120Ext", pressureUnit}, {"A121Ext", pressureUnit}, {"A123Ext", pressureUnit},
            {"A149Ext", flowUnit},     {"A150Ext", flowUnit},     {"A151Ext", flowUnit},
            {"A152Ext", flowUnit},     {"A153Ext", flowUnit},     {"A154Ext", flowUnit},
            {"A155Ext", pressureUnit}, {"A156Ext", pressureUnit}, {"A157Ext", pressureUnit},
            {"A158Ext", flowUnit},     {"A159Ext", flowUnit},
        };
        QCOMPARE(sink.labels, expectedLabels);
    }

    void assignFieldTagsErrors_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("message");
        QTest::newRow("order 77") << 'A' << 77 << "TAG NUMBER A1 NOT FOUND! 77";
        QTest::newRow("order 0") << 'A' << 0 << "TAG NUMBER A1 NOT FOUND! 0";
        QTest::newRow("other letter passed over") << 'B' << 99 << "";
    }
    void assignFieldTagsErrors() {
        QFETCH(char, letter);
        QFETCH(int, order);
        QFETCH(QString, message);

        ParameterRegistry registry;
        registry.DefineParameter(1, 'A', '1', false, 0, 1.0f, 24.0f, 1.0f, 24.0f, "", "", 1);
        registry.DefineParameter(2, letter, '1', false, 0, 1.0f, 24.0f, 1.0f, 24.0f, "", "", order);
        RecordingSink sink;
        const auto error = fatalErrorOf([&] { AssignFieldTags(registry, sink); });
        QCOMPARE(error.value_or(QString()), message);
        const QList<QPair<QString, int>> expectedTags{{"A101", 1}};
        QCOMPARE(sink.tags, expectedTags);
        QVERIFY(sink.labels.isEmpty());
    }

private:
    FatalErrorHandler m_previousHandler;
};

QTEST_APPLESS_MAIN(TestParameterRegistry)
#include "tst_parameterregistry.moc"
