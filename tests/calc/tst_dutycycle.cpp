// Yearly hours and band hours of the duty cycle.

#include "calc/DutyCycle.h"

#include <QTest>

#include <limits>

using namespace wattmere;

namespace {

DutyCycleInputs inputsWith(double hours, double days, double weeks) {
    DutyCycleInputs in;
    in.HoursPerDay = hours;
    in.DaysPerWeek = days;
    in.WeeksPerYear = weeks;
    const int shares[] = {0, 0, 0, 5, 16, 23, 23, 21, 9, 3, 0}; // bands 1..10, total 100
    for (int k = 1; k <= bandCount; ++k) {
        in.DutyPercent[k] = shares[k];
        in.BandFlowPercent[k] = 10 * k;
    }
    return in;
}

} // namespace

class TestDutyCycle : public QObject {
    Q_OBJECT
private slots:
    void hoursPerYear_data();
    void hoursPerYear();
    void unusableRunningTimesFail_data();
    void unusableRunningTimesFail();
    void bandsKeepTheirSharesAndFlows();
    void sharesOffTotalStillCompute();
};

void TestDutyCycle::hoursPerYear_data() {
    QTest::addColumn<double>("hours");
    QTest::addColumn<double>("days");
    QTest::addColumn<double>("weeks");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("fullYearFlag");
    // 24 x 7 x 52 = 8736 stands for the whole year; the label still reads "Hrs".
    QTest::newRow("continuous, 52 weeks") << 24.0 << 7.0 << 52.0 << 8760 << false;
    QTest::newRow("office hours") << 12.0 << 5.0 << 52.0 << 3120 << false;
    // Only a product that is itself 8760 makes the label read "Hrs/Year".
    QTest::newRow("product of 8760") << 24.0 << 5.0 << 73.0 << 8760 << true;
    QTest::newRow("rounds to 8736") << 24.0 << 7.0 << 52.002 << 8760 << false;
    QTest::newRow("8736.5 rounds to even") << 8736.5 << 1.0 << 1.0 << 8760 << false;
    QTest::newRow("8737.5 rounds up to even") << 8737.5 << 1.0 << 1.0 << 8738 << false;
    QTest::newRow("half rounds to even below") << 2.5 << 1.0 << 1.0 << 2 << false;
    QTest::newRow("half rounds to even above") << 3.5 << 1.0 << 1.0 << 4 << false;
    QTest::newRow("one decimal of days") << 8.0 << 5.5 << 50.0 << 2200 << false;
}

void TestDutyCycle::hoursPerYear() {
    QFETCH(double, hours);
    QFETCH(double, days);
    QFETCH(double, weeks);
    QFETCH(int, expected);
    QFETCH(bool, fullYearFlag);
    const auto outcome = computeDutyCycle(inputsWith(hours, days, weeks));
    QVERIFY(outcome);
    QCOMPARE(outcome->Cycle.HoursPerYear, expected);
    QCOMPARE(outcome->ProductWasFullYear, fullYearFlag);

    // With shares totalling 100 the band hours add up to the year.
    double sum = 0.0;
    for (int k = 1; k <= bandCount; ++k)
        sum += outcome->Cycle.BandHours[k];
    QCOMPARE(outcome->Cycle.DutyTotal, 100);
    QCOMPARE(sum, double(expected));
}

void TestDutyCycle::unusableRunningTimesFail_data() {
    QTest::addColumn<double>("hours");
    QTest::addColumn<double>("days");
    QTest::addColumn<double>("weeks");
    QTest::newRow("beyond 32 bits") << 1e9 << 7.0 << 52.0;
    QTest::newRow("below 32 bits") << -1e9 << 7.0 << 52.0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 7.0 << 52.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 7.0 << 52.0;
}

void TestDutyCycle::unusableRunningTimesFail() {
    QFETCH(double, hours);
    QFETCH(double, days);
    QFETCH(double, weeks);
    QVERIFY(!computeDutyCycle(inputsWith(hours, days, weeks)));
    // The largest product that still fits is accepted.
    QVERIFY(computeDutyCycle(inputsWith(std::numeric_limits<int>::max(), 1.0, 1.0)));
}

void TestDutyCycle::bandsKeepTheirSharesAndFlows() {
    DutyCycleInputs in = inputsWith(24.0, 7.0, 52.0);
    in.BandFlowPercent[3] = 73;
    const auto outcome = computeDutyCycle(in);
    QVERIFY(outcome);
    const DutyCycle& cycle = outcome->Cycle;
    QCOMPARE(cycle.BandFlowPercent[3], 73);
    QCOMPARE(cycle.BandFlowPercent[10], 100);
    QCOMPARE(cycle.DutyPercent[5], 23);
    // BandHours = HoursPerYear x DutyPercent / 100
    QCOMPARE(cycle.BandHours[5], 8760.0 * 23 / 100);
    QCOMPARE(cycle.BandHours[1], 0.0); // a 0 % band gets no hours
    QCOMPARE(cycle.BandHours[0], 0.0); // element 0 is not a band
}

void TestDutyCycle::sharesOffTotalStillCompute() {
    DutyCycleInputs in = inputsWith(12.0, 5.0, 52.0);
    in.DutyPercent[4] -= 1; // total 99
    const auto outcome = computeDutyCycle(in);
    QVERIFY(outcome);
    QCOMPARE(outcome->Cycle.DutyTotal, 99);
    double sum = 0.0;
    for (int k = 1; k <= bandCount; ++k)
        sum += outcome->Cycle.BandHours[k];
    QCOMPARE(sum, 3120.0 * 99 / 100);

    in.DutyPercent[4] += 2; // total 101
    QCOMPARE(computeDutyCycle(in)->Cycle.DutyTotal, 101);
}

QTEST_APPLESS_MAIN(TestDutyCycle)
#include "tst_dutycycle.moc"
