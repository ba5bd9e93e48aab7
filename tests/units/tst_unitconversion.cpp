// Unit tables, conversions to and from the base units, and the unit texts of the labels.

#include <QTest>
#include <cfloat>
#include <cmath>
#include <limits>

#include "units/UnitConversion.h"
#include "units/UnitTables.h"

using namespace wattmere;

Q_DECLARE_METATYPE(wattmere::Application)
Q_DECLARE_METATYPE(wattmere::Quantity)
Q_DECLARE_METATYPE(wattmere::UnitQuantity)

namespace {

// Every setting on a unit other than the base unit, so a conversion that reads the wrong
// setting shows; then the setting under test gets its index.
UnitSettings settingsWith(Application application, Quantity quantity, int index) {
    UnitSettings units;
    units.fanPressure = 3;
    units.fanFlow = 2;
    units.pumpPressure = 4;
    units.pumpFlow = 3;
    units.power = 1;
    if (quantity == Quantity::Power)
        units.power = index;
    else if (application == Application::Fan)
        (quantity == Quantity::Pressure ? units.fanPressure : units.fanFlow) = index;
    else
        (quantity == Quantity::Pressure ? units.pumpPressure : units.pumpFlow) = index;
    return units;
}

// Distance of two doubles in units of the last place of the expected one.
double ulps(double actual, double expected) {
    const double ulp = std::nextafter(std::fabs(expected), HUGE_VAL) - std::fabs(expected);
    return std::fabs(actual - expected) / ulp;
}

constexpr UnitQuantity allQuantities[] = {UnitQuantity::FanPressure, UnitQuantity::FanFlow,
                                          UnitQuantity::PumpPressure, UnitQuantity::PumpFlow,
                                          UnitQuantity::Power};

} // namespace

class TestUnitConversion : public QObject {
    Q_OBJECT

private slots:
    void toBase_data();
    void toBase();
    void fromBase_data();
    void fromBase();
    void roundTripKeepsDoublePrecision();
    void reciprocalsAreExtendedPrecision();
    void unitTexts_data();
    void unitTexts();
    void tableSizesMatchSettingRanges();
    void outOfRangeIndexIsFirstUnit();
    void activeTexts_data();
    void activeTexts();
    void noApplicationPassesPressureAndFlowThrough();
    void currencyPerPowerText_data();
    void currencyPerPowerText();
};

void TestUnitConversion::toBase_data() {
    QTest::addColumn<Application>("application");
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("display");
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("tolerance");

    const auto fan = Application::Fan;
    const auto pump = Application::Pump;
    const auto pressure = Quantity::Pressure;
    const auto flow = Quantity::Flow;
    // The expected digits are stated to the last digit shown; the tolerance is half of it.
    QTest::newRow("10 cm.wg") << fan << pressure << 1 << 10.0 << 3.937007874 << 5e-10;
    QTest::newRow("1000 Pa") << fan << pressure << 2 << 1000.0 << 4.01474213 << 5e-9;
    QTest::newRow("1 kPa fan") << fan << pressure << 3 << 1.0 << 4.01474213 << 5e-9;
    QTest::newRow("1 mBar") << fan << pressure << 4 << 1.0 << 0.401474213 << 5e-10;
    QTest::newRow("2.5 in.wg") << fan << pressure << 0 << 2.5 << 2.5 << 0.0;
    QTest::newRow("1 PSI") << pump << pressure << 0 << 1.0 << 2.306658747 << 5e-10;
    QTest::newRow("80 ft.wg") << pump << pressure << 1 << 80.0 << 80.0 << 0.0;
    QTest::newRow("1 m.wg") << pump << pressure << 2 << 1.0 << 3.2800005 << 5e-8;
    QTest::newRow("1 kPa pump") << pump << pressure << 3 << 1.0 << 0.334887210 << 5e-10;
    QTest::newRow("1 MPa") << pump << pressure << 4 << 1.0 << 334.88721 << 5e-6;
    QTest::newRow("1 Bar") << pump << pressure << 5 << 1.0 << 33.488721 << 5e-7;
    QTest::newRow("500 cfm") << fan << flow << 0 << 500.0 << 500.0 << 0.0;
    QTest::newRow("1 M3/min") << fan << flow << 1 << 1.0 << 35.335689 << 5e-7;
    QTest::newRow("1.699 M3/h") << fan << flow << 2 << 1.699 << 1.0 << 1e-15;
    QTest::newRow("0.4719 l/s fan") << fan << flow << 3 << 0.4719 << 1.0 << 1e-15;
    QTest::newRow("28.3168 l/min fan") << fan << flow << 4 << 28.3168 << 1.0 << 1e-15;
    QTest::newRow("1 M3/s") << fan << flow << 5 << 1.0 << 2118.8802 << 5e-5;
    QTest::newRow("40 GPM") << pump << flow << 0 << 40.0 << 40.0 << 0.0;
    QTest::newRow("0.0038 M3/min pump") << pump << flow << 1 << 0.0038 << 1.0 << 1e-15;
    QTest::newRow("0.2271 M3/h pump") << pump << flow << 2 << 0.2271 << 1.0 << 1e-15;
    QTest::newRow("0.0631 l/s pump") << pump << flow << 3 << 0.0631 << 1.0 << 1e-15;
    QTest::newRow("1 l/min pump") << pump << flow << 4 << 1.0 << 0.26417985 << 5e-9;
    QTest::newRow("75 kW") << fan << Quantity::Power << 1 << 75.0 << 100.5362 << 5e-5;
    QTest::newRow("75 kW pump") << pump << Quantity::Power << 1 << 75.0 << 100.5362 << 5e-5;
    QTest::newRow("75 HP") << pump << Quantity::Power << 0 << 75.0 << 75.0 << 0.0;
    QTest::newRow("-10 cm.wg") << fan << pressure << 1 << -10.0 << -3.937007874 << 5e-10;
}

void TestUnitConversion::toBase() {
    QFETCH(Application, application);
    QFETCH(Quantity, quantity);
    QFETCH(int, index);
    QFETCH(double, display);
    QFETCH(double, base);
    QFETCH(double, tolerance);

    const double actual = wattmere::toBase(quantity, display, application,
                                           settingsWith(application, quantity, index));
    QVERIFY2(std::fabs(actual - base) <= tolerance, qPrintable(QString::number(actual, 'g', 17)));
}

void TestUnitConversion::fromBase_data() {
    QTest::addColumn<Application>("application");
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("display");

    QTest::newRow("1 in.wg in Pa") << Application::Fan << Quantity::Pressure << 2 << 1.0 << 249.082;
    QTest::newRow("2 in.wg in cm.wg") << Application::Fan << Quantity::Pressure << 1 << 2.0 << 5.08;
    QTest::newRow("1000 cfm in M3/min")
        << Application::Fan << Quantity::Flow << 1 << 1000.0 << 28.3;
    QTest::newRow("1 cfm in M3/s")
        << Application::Fan << Quantity::Flow << 5 << 1.0 << 0.0004719474;
    QTest::newRow("10 ft.wg in m.wg")
        << Application::Pump << Quantity::Pressure << 2 << 10.0 << 3.04878;
    QTest::newRow("1 ft.wg in PSI")
        << Application::Pump << Quantity::Pressure << 0 << 1.0 << 0.4335275;
    QTest::newRow("100 GPM in l/min")
        << Application::Pump << Quantity::Flow << 4 << 100.0 << 378.53;
    QTest::newRow("100 HP in kW") << Application::Fan << Quantity::Power << 1 << 100.0 << 74.6;
    QTest::newRow("100 HP in HP") << Application::Fan << Quantity::Power << 0 << 100.0 << 100.0;
}

void TestUnitConversion::fromBase() {
    QFETCH(Application, application);
    QFETCH(Quantity, quantity);
    QFETCH(int, index);
    QFETCH(double, base);
    QFETCH(double, display);

    const double actual =
        wattmere::fromBase(quantity, base, application, settingsWith(application, quantity, index));
    QVERIFY2(ulps(actual, display) <= 1.0, qPrintable(QString::number(actual, 'g', 17)));
}

void TestUnitConversion::roundTripKeepsDoublePrecision() {
    // A value entered, converted to the base unit and shown again must come back as entered
    // to within the last place of a double, for every unit of every quantity.
    const struct {
        Application application;
        Quantity quantity;
        int maxIndex;
    } cases[] = {
        {Application::Fan, Quantity::Pressure, maxFanPressureIndex},
        {Application::Fan, Quantity::Flow, maxFanFlowIndex},
        {Application::Pump, Quantity::Pressure, maxPumpPressureIndex},
        {Application::Pump, Quantity::Flow, maxPumpFlowIndex},
        {Application::Fan, Quantity::Power, maxPowerIndex},
    };
    for (const auto& c : cases) {
        for (int index = 0; index <= c.maxIndex; ++index) {
            const UnitSettings units = settingsWith(c.application, c.quantity, index);
            for (int step = -3000; step <= 3000; ++step) {
                // Typed-looking values (steps of 0.001 up to 3) and widely spread magnitudes.
                for (const double value : {step * 0.001, step * 1.37e3, step * 7.1e-7}) {
                    if (value == 0.0)
                        continue;
                    const double base = wattmere::toBase(c.quantity, value, c.application, units);
                    const double back = wattmere::fromBase(c.quantity, base, c.application, units);
                    if (ulps(back, value) > 1.0)
                        QFAIL(qPrintable(QStringLiteral("%1 in unit %2 came back as %3")
                                             .arg(value, 0, 'g', 17)
                                             .arg(index)
                                             .arg(back, 0, 'g', 17)));
                }
            }
        }
    }
}

void TestUnitConversion::reciprocalsAreExtendedPrecision() {
    if constexpr (std::numeric_limits<long double>::digits <= std::numeric_limits<double>::digits)
        QSKIP("long double is no wider than double here");
    const long double epsilon = std::numeric_limits<long double>::epsilon();
    const long double cmReciprocal =
        unitDefinition(UnitQuantity::FanPressure, 1).toBaseFactor; // cm.wg
    QVERIFY(std::fabs(cmReciprocal - 0.39370078740157480316L) <= 2 * epsilon * cmReciprocal);
    for (const UnitQuantity quantity : allQuantities) {
        for (const UnitDefinition& unit : unitTable(quantity))
            QVERIFY2(std::fabs(unit.factor * unit.toBaseFactor - 1.0L) <= 2 * epsilon,
                     qPrintable(QString(unit.text)));
    }
}

void TestUnitConversion::unitTexts_data() {
    QTest::addColumn<UnitQuantity>("quantity");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("factor");

    const struct {
        UnitQuantity quantity;
        const char* name;
        QStringList texts;
        QStringList captions;
        QList<double> factors;
    } tables[] = {
        {UnitQuantity::FanPressure,
         "FPU",
         {"in.wg", "cm.wg", "Pa", "kPa", "mBar"},
         {"in wg", "cm wg", "Pa", "kPa", "mBar"},
         {1, 2.54, 249.082, 0.249082, 2.49082}},
        {UnitQuantity::FanFlow,
         "FFU",
         {"cfm", "M3/min", "M3/h", "l/s", "l/min", "M3/s"},
         {"cfm", "m3/min", "m3/h", "l/s", "l/min", "m3/s"},
         {1, 0.0283, 1.699, 0.4719, 28.3168, 0.0004719474}},
        {UnitQuantity::PumpPressure,
         "PPU",
         {"PSI", "ft.wg", "m.wg", "kPa", "MPa", "Bar"},
         {"PSI", "ft wg", "m wg", "kPa", "MPa", "Bar"},
         {0.4335275, 1, 0.304878, 2.98608, 0.00298608, 0.0298608}},
        {UnitQuantity::PumpFlow,
         "PFU",
         {"GPM", "M3/min", "M3/h", "l/s", "l/min"},
         {"GPM", "m3/min", "m3/h", "l/s", "l/min"},
         {1, 0.0038, 0.2271, 0.0631, 3.7853}},
        {UnitQuantity::Power, "PWU", {"HP", "kW"}, {"HP", "kW"}, {1, 0.746}},
    };
    for (const auto& table : tables) {
        for (int index = 0; index < table.texts.size(); ++index)
            QTest::addRow("%s %d", table.name, index)
                << table.quantity << index << table.texts[index] << table.captions[index]
                << table.factors[index];
    }
}

void TestUnitConversion::unitTexts() {
    QFETCH(UnitQuantity, quantity);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QFETCH(double, factor);

    const UnitDefinition& unit = unitDefinition(quantity, index);
    QCOMPARE(QString(unit.text), text);
    QCOMPARE(QString(unit.caption), caption);
    QCOMPARE(static_cast<double>(unit.factor), factor);
}

void TestUnitConversion::tableSizesMatchSettingRanges() {
    QCOMPARE(unitTable(UnitQuantity::FanPressure).size(), std::size_t(maxFanPressureIndex + 1));
    QCOMPARE(unitTable(UnitQuantity::FanFlow).size(), std::size_t(maxFanFlowIndex + 1));
    QCOMPARE(unitTable(UnitQuantity::PumpPressure).size(), std::size_t(maxPumpPressureIndex + 1));
    QCOMPARE(unitTable(UnitQuantity::PumpFlow).size(), std::size_t(maxPumpFlowIndex + 1));
    QCOMPARE(unitTable(UnitQuantity::Power).size(), std::size_t(maxPowerIndex + 1));
}

void TestUnitConversion::outOfRangeIndexIsFirstUnit() {
    for (const UnitQuantity quantity : allQuantities) {
        const auto size = static_cast<int>(unitTable(quantity).size());
        for (const int index : {-1, size, 99})
            QCOMPARE(&unitDefinition(quantity, index), &unitTable(quantity)[0]);
    }
    UnitSettings units;
    units.fanPressure = 7;
    QCOMPARE(wattmere::toBase(Quantity::Pressure, 3.0, Application::Fan, units), 3.0);
}

void TestUnitConversion::activeTexts_data() {
    QTest::addColumn<Application>("application");
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");

    QTest::newRow("fan pressure Pa") << Application::Fan << Quantity::Pressure << 2 << "Pa"
                                     << "Pa";
    QTest::newRow("fan pressure in.wg") << Application::Fan << Quantity::Pressure << 0 << "in wg"
                                        << "in.wg";
    QTest::newRow("fan flow m3/s") << Application::Fan << Quantity::Flow << 5 << "m3/s"
                                   << "M3/s";
    QTest::newRow("pump pressure ft.wg") << Application::Pump << Quantity::Pressure << 1 << "ft wg"
                                         << "ft.wg";
    QTest::newRow("pump flow m3/min") << Application::Pump << Quantity::Flow << 1 << "m3/min"
                                      << "M3/min";
    QTest::newRow("power kW") << Application::Pump << Quantity::Power << 1 << "kW"
                              << "kW";
    QTest::newRow("no application pressure") << Application::None << Quantity::Pressure << 2 << ""
                                             << "";
    QTest::newRow("no application flow") << Application::None << Quantity::Flow << 1 << ""
                                         << "";
    QTest::newRow("no application power") << Application::None << Quantity::Power << 1 << "kW"
                                          << "kW";
}

void TestUnitConversion::activeTexts() {
    QFETCH(Application, application);
    QFETCH(Quantity, quantity);
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, text);

    UnitSettings units;
    units.fanPressure = units.fanFlow = units.pumpPressure = units.pumpFlow = units.power = index;
    QCOMPARE(activeCaption(quantity, application, units), caption);
    QCOMPARE(activeUnitText(quantity, application, units), text);
}

void TestUnitConversion::noApplicationPassesPressureAndFlowThrough() {
    UnitSettings units;
    units.fanPressure = 2;
    units.pumpPressure = 4;
    units.fanFlow = units.pumpFlow = 1;
    for (const Quantity quantity : {Quantity::Pressure, Quantity::Flow}) {
        QCOMPARE(wattmere::toBase(quantity, 12.5, Application::None, units), 12.5);
        QCOMPARE(wattmere::fromBase(quantity, 12.5, Application::None, units), 12.5);
        QVERIFY(!unitQuantity(quantity, Application::None).has_value());
    }
}

void TestUnitConversion::currencyPerPowerText_data() {
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("customCurrency");
    QTest::addColumn<int>("power");
    QTest::addColumn<QString>("text");

    QTest::newRow("dollar HP") << 0 << "" << 0 << "$/HP";
    QTest::newRow("pound kW") << 1 << "" << 1 << QStringLiteral("£ /kW");
    QTest::newRow("euro HP") << 2 << "" << 0 << QStringLiteral("€/HP");
    QTest::newRow("CHF HP") << 3 << "CHF" << 0 << "CHF/HP";
    QTest::newRow("CHF kW") << 3 << "CHF" << 1 << "CHF/kW";
    QTest::newRow("user text cut") << 3 << "FRANKEN" << 1 << "FRAN/kW";
}

void TestUnitConversion::currencyPerPowerText() {
    QFETCH(int, currency);
    QFETCH(QString, customCurrency);
    QFETCH(int, power);
    QFETCH(QString, text);

    UnitSettings units;
    units.currency = currency;
    units.customCurrency = customCurrency;
    units.power = power;
    QCOMPARE(wattmere::currencyPerPowerText(units), text);
}

QTEST_APPLESS_MAIN(TestUnitConversion)
#include "tst_unitconversion.moc"
