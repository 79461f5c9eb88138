// Loading the two plot screens with a sounding of 4000 readings and with one of
// 50 000: the cleaning or step-table build plus drawing all graphs (offscreen).
// The first paint is measured separately.

#include "project/Project.h"
#include "ui/FakeDialogs.h"
#include "ui/plots/FrmPlotConeData.h"
#include "ui/plots/FrmPlotSoil.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

using namespace quarvex;

namespace {

// 4000 readings every 2 cm (0.0656 ft) to about 262 ft, with layered tips and
// sleeves so that every graph has real shape.
Project FullSounding()
{
    Project p;
    CreateHistoryLists(p);
    ResetOpenFileDefaults(p);
    InitHeader(p);
    p.DataFileName = "generated.txt";
    p.GroundElevation = 12.0F;
    p.NumReadings = kMaxReadings;
    for (int j = 1; j <= kMaxReadings; ++j) {
        const float depth = static_cast<float>(j) * 0.0656F;
        p.DepthData[j] = depth;
        p.TipData[j] = 40.0F + 30.0F * std::sin(depth / 7.0F) + static_cast<float>(j % 17);
        p.SleeveData[j] = 0.4F + 0.3F * std::cos(depth / 5.0F);
    }
    return p;
}

// 50 000 readings every 1.6 mm to about 262 ft: a modern sounding as deep as the
// 4000-reading one, so the soil plot's step table is the same size.
Project LongSounding()
{
    constexpr int n = 50000;
    Project p;
    CreateHistoryLists(p);
    ResetOpenFileDefaults(p);
    InitHeader(p);
    p.DataFileName = "generated-long.gef";
    p.GroundElevation = 12.0F;
    GrowReadings(p, n);
    p.NumReadings = n;
    for (int j = 1; j <= n; ++j) {
        const float depth = static_cast<float>(j) * 0.00525F;
        p.DepthData[j] = depth;
        p.TipData[j] = 40.0F + 30.0F * std::sin(depth / 7.0F) + static_cast<float>(j % 17);
        p.SleeveData[j] = 0.4F + 0.3F * std::cos(depth / 5.0F);
    }
    return p;
}

void BM_LoadConePlotLong(benchmark::State& state)
{
    Project p = LongSounding();
    FakeDialogs dialogs;
    for (auto _ : state) {
        FrmPlotConeData screen(p, dialogs);
        benchmark::DoNotOptimize(screen.PlotCount());
    }
}

void BM_LoadSoilPlotLong(benchmark::State& state)
{
    Project p = LongSounding();
    FakeDialogs dialogs;
    for (auto _ : state) {
        FrmPlotSoil screen(p, dialogs);
        benchmark::DoNotOptimize(p.NumSteps);
    }
}

void BM_ShowConePlotLong(benchmark::State& state)
{
    Project p = LongSounding();
    FakeDialogs dialogs;
    for (auto _ : state) {
        FrmPlotConeData screen(p, dialogs);
        benchmark::DoNotOptimize(screen.grab());
    }
}

void BM_LoadConePlot(benchmark::State& state)
{
    Project p = FullSounding();
    FakeDialogs dialogs;
    for (auto _ : state) {
        FrmPlotConeData screen(p, dialogs);
        benchmark::DoNotOptimize(screen.PlotCount());
    }
}

void BM_LoadSoilPlot(benchmark::State& state)
{
    Project p = FullSounding();
    FakeDialogs dialogs;
    for (auto _ : state) {
        FrmPlotSoil screen(p, dialogs);
        benchmark::DoNotOptimize(p.NumSteps);
    }
}

void BM_ShowConePlot(benchmark::State& state)
{
    Project p = FullSounding();
    FakeDialogs dialogs;
    for (auto _ : state) {
        FrmPlotConeData screen(p, dialogs);
        benchmark::DoNotOptimize(screen.grab());
    }
}

void BM_ShowSoilPlot(benchmark::State& state)
{
    Project p = FullSounding();
    FakeDialogs dialogs;
    for (auto _ : state) {
        FrmPlotSoil screen(p, dialogs);
        benchmark::DoNotOptimize(screen.grab());
    }
}

} // namespace

BENCHMARK(BM_LoadConePlot)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadSoilPlot)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_ShowConePlot)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_ShowSoilPlot)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadConePlotLong)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadSoilPlotLong)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_ShowConePlotLong)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
