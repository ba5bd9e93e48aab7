// The energy calculation runs on fixed-size records only: counts every heap allocation made
// while it runs. On glibc the test interposes malloc itself, which also sees the allocations
// of Qt's containers and strings; elsewhere it counts through the global operator new.

#include "EnergyFixtures.h"
#include "calc/EnergyCalculation.h"

#include <QTest>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

#if defined(__GLIBC__)
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void __libc_free(void* p);

void* malloc(std::size_t size) noexcept {
    ++allocations;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) noexcept {
    ++allocations;
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size) noexcept {
    ++allocations;
    return __libc_realloc(p, size);
}
void free(void* p) noexcept {
    __libc_free(p);
}
}
#else
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#endif

using namespace wattmere;

class TestEnergyAllocation : public QObject {
    Q_OBJECT
private slots:
    void passAllocatesNothing_data();
    void passAllocatesNothing();
};

void TestEnergyAllocation::passAllocatesNothing_data() {
    QTest::addColumn<int>("analysis");
    QTest::newRow("fan") << int(Application::Fan);
    QTest::newRow("pump") << int(Application::Pump);
}

void TestEnergyAllocation::passAllocatesNothing() {
    QFETCH(int, analysis);
    EnergyInputs in = testing::defaultFanInputs();
    in.Analysis = static_cast<Application>(analysis);
    in.TwoSpeed.Selected = true;
    in.CurveStartFlow = 0.5 * in.DesignFlow;
    in.SurgeStartPressure = 1.1625 * in.DesignHead;
    const DutyCycle duty = testing::defaultDuty();
    const auto scratch = std::make_unique<EnergyResults>();

    const long before = allocations.load();
    const EnergyOutcome outcome = runEnergyCalculation(in, duty, {}, *scratch);
    const long during = allocations.load() - before;
    QCOMPARE(outcome, EnergyOutcome::Completed);
    QCOMPARE(during, 0L);

    // The counter does count.
    const long beforeProbe = allocations.load();
    const QString probe = QString::number(during).repeated(100);
    QVERIFY(allocations.load() > beforeProbe);
    QVERIFY(!probe.isEmpty());
}

QTEST_APPLESS_MAIN(TestEnergyAllocation)
#include "tst_energyallocation.moc"
