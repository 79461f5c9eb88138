// The working's cost: the methods with no recorder (the design run as it always
// ran), with a recorder asking for one step, and the whole range traced again
// as the Working window and --trace all do.
#include "design/DesignCommon.h"
#include "design/DesignRun.h"
#include "design/Methods.h"
#include "design/Working.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace quarvex;

// 800 steps (262 ft) of varied soil under a 14 inch square pile to 250 ft.
Project Designed()
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> tip(5.0F, 300.0F), sleeve(0.0F, 2.5F), pct(0.0F, 100.0F);
    Project p;
    p.UnitSystem = kUnitsEnglish;
    p.StepSize = 0.328F;
    p.NumSteps = 800;
    for (Array1<Single>* a : {&p.StepDepth, &p.StepTip, &p.StepSleeve, &p.StepElev, &p.StepRatio, &p.PctSand,
                              &p.PctSilt, &p.PctClay})
        a->Redim(p.NumSteps);
    for (int i = 1; i <= p.NumSteps; ++i) {
        p.StepDepth[i] = i == 1 ? p.StepSize / 2 : p.StepDepth[i - 1] + p.StepSize;
        p.StepTip[i] = tip(rng);
        p.StepSleeve[i] = sleeve(rng);
        p.PctSand[i] = pct(rng);
        p.PctSilt[i] = (100 - p.PctSand[i]) / 2;
        p.PctClay[i] = 100 - p.PctSand[i] - p.PctSilt[i];
    }
    p.AutoLayers = True;
    p.PileType = 9;
    p.PileSize = 14.0F / 12;
    p.PileTopDepth = 0;
    p.PileTipDepth = 250;
    ComputePileGeometry(p);
    ExtendTipProfile(p);
    RunMethodsAndAverage(p, DefaultMethods(), 0.0F, 1);
    return p;
}

void BM_MethodsNoRecorder(benchmark::State& state)
{
    Project p = Designed();
    for (auto _ : state) {
        RunMethodsAndAverage(p, DefaultMethods(), 0.0F, 1);
        benchmark::DoNotOptimize(p.AvgUltimate[400]);
    }
}
BENCHMARK(BM_MethodsNoRecorder)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_MethodsRecordingOneStep(benchmark::State& state)
{
    Project p = Designed();
    for (auto _ : state) {
        TraceRecorder rec(std::vector<int>{400});
        RunMethodsAndAverage(p, DefaultMethods(), 0.0F, 1, &rec);
        benchmark::DoNotOptimize(rec.Entries().size());
    }
}
BENCHMARK(BM_MethodsRecordingOneStep)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_TraceWholeRange(benchmark::State& state)
{
    const Project p = Designed();
    std::vector<int> all;
    for (int i = 1; i <= p.NumSteps; ++i)
        all.push_back(i);
    for (auto _ : state) {
        const auto rec = TraceDesign(p, all, DefaultMethods());
        benchmark::DoNotOptimize(rec->Entries().size());
    }
}
BENCHMARK(BM_TraceWholeRange)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
