// One full energy calculation (drive and every comparison system, two-speed solver and limit
// line included) on the inputs of a default fan analysis.

#include "EnergyFixtures.h"
#include "calc/EnergyCalculation.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace wattmere;

static void energyPass(benchmark::State& state) {
    EnergyInputs in = testing::defaultFanInputs();
    in.TwoSpeed.Selected = true;
    in.CurveStartFlow = 0.5 * in.DesignFlow;
    in.SurgeStartPressure = 1.1625 * in.DesignHead;
    const DutyCycle duty = testing::defaultDuty();
    const auto scratch = std::make_unique<EnergyResults>();
    for (auto _ : state) {
        const EnergyOutcome outcome = runEnergyCalculation(in, duty, {}, *scratch);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(scratch->Drive.AnnualEnergy);
        benchmark::ClobberMemory();
    }
    if (runEnergyCalculation(in, duty, {}, *scratch) != EnergyOutcome::Completed)
        state.SkipWithError("the energy calculation did not complete");
}
BENCHMARK(energyPass)->Repetitions(15)->ReportAggregatesOnly(true);
