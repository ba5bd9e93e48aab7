// One full recalculation of a default fan analysis: fit, duty cycle, both curve chart redraws
// with the 801-row curve table and the surge line, the energy of the drive and every
// comparison system, and the cost totals.

#include "app/Analysis.h"
#include "app/ScriptedPrompter.h"

#include <benchmark/benchmark.h>

using namespace wattmere;

static void recalculateAll(benchmark::State& state) {
    ScriptedPrompter prompter;
    Analysis analysis(prompter);
    analysis.create();
    analysis.setUpNewAnalysis(Application::Fan);
    // The entries a user makes on step 2 of a new fan analysis.
    analysis.enterField(Field::A104, QStringLiteral("0.1"));
    analysis.enterField(Field::A105, QStringLiteral("50"));
    analysis.enterField(Field::A125, QStringLiteral("50"));
    analysis.enterField(Field::A109, QStringLiteral("15000"));
    analysis.enterField(Field::A122, QStringLiteral("50"));
    if (!analysis.SystemDataComplete() || analysis.window().flags().calcError) {
        state.SkipWithError("the default fan analysis is not complete");
        return;
    }
    for (auto _ : state) {
        analysis.RecalculateAll();
        benchmark::DoNotOptimize(analysis.results().Energy.Drive.AnnualEnergy);
        benchmark::ClobberMemory();
    }
    if (analysis.window().flags().calcError)
        state.SkipWithError("the recalculation failed");
}
BENCHMARK(recalculateAll)->Repetitions(15)->ReportAggregatesOnly(true);
