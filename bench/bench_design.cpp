// One design run, and the whole pipeline of the batch command (read, clean,
// classify, design, write) on a 4000-reading sounding of 260 ft with a 14-inch
// square pile. Medians over repetitions are the figures to quote.
#include "classification/Classification.h"
#include "design/DesignRun.h"
#include "input/Cleaning.h"
#include "input/Reader.h"
#include "pipeline/Pipeline.h"
#include "screenlogic/PileChecks.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace quarvex;

namespace {

std::string SoundingPath()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "quarvex-bench-design-sounding.txt";
        std::ofstream out(file, std::ios::binary);
        for (int t = 1; t <= 10; ++t)
            out << "Benchmark sounding title " << t << "\r\n";
        char line[96];
        for (int k = 1; k <= 4000; ++k) {
            const double depth = k * 0.065;
            // Soft clay over sand with layers, so that every soil branch is taken.
            const double base =
                depth < 80 ? 12 + depth * 0.1 : (depth < 170 ? 90 + depth * 0.3 : 30 + depth * 0.05);
            const double tip = base + 15 * ((k * 37) % 101) / 100.0;
            const double sleeve = (depth < 80 ? 0.5 : 0.3) + ((k * 53) % 89) / 200.0;
            std::snprintf(line, sizeof line, "%8.3f, %9.3f, %7.4f\r\n", depth, tip, sleeve);
            out << line;
        }
        return file.string();
    }();
    return path;
}

std::string OutputPath()
{
    return (std::filesystem::temp_directory_path() / "quarvex-bench-design-output.dat").string();
}

class DefaultAnswers : public DesignQuestions {
public:
    bool EnterSoilLayers(Project&) override { return true; }
    void ChooseTipOption(Project& p) override { p.TipOption = 0; }
};

bool WholePipeline(Project& p)
{
    Pipeline pipeline(p);
    pipeline.Read(SoundingPath(), 10, kUnitsEnglish);
    if (p.ReadError != False)
        return false;
    p.Comments = p.FileHeader;
    pipeline.Clean();
    if (pipeline.BuildSteps())
        return false;
    pipeline.LoadDesignScreen(0, OutputPath());
    AnalysisInputs in;
    in.sizeText = "14";
    if (!pipeline.Check(in).ok)
        return false;
    DefaultAnswers answers;
    return pipeline.Design(DesignRunInputs{}, answers).exported;
}

void BM_DesignRun(benchmark::State& state)
{
    Project p;
    if (!WholePipeline(p)) {
        state.SkipWithError("pipeline failed");
        return;
    }
    DefaultAnswers answers;
    for (auto _ : state) {
        const DesignRunResult r = RunDesign(p, DesignRunInputs{}, answers);
        benchmark::DoNotOptimize(r.exported);
    }
    state.counters["steps"] = p.NumSteps;
}
BENCHMARK(BM_DesignRun)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The same run with the file going to /dev/null: computation and text without the
// file system's share.
void BM_DesignRunNoDisk(benchmark::State& state)
{
    Project p;
    if (!WholePipeline(p)) {
        state.SkipWithError("pipeline failed");
        return;
    }
    p.OutputFileName = "/dev/null";
    DefaultAnswers answers;
    for (auto _ : state) {
        const DesignRunResult r = RunDesign(p, DesignRunInputs{}, answers);
        benchmark::DoNotOptimize(r.exported);
    }
}
BENCHMARK(BM_DesignRunNoDisk)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_WholePipeline(benchmark::State& state)
{
    for (auto _ : state) {
        Project p;
        if (!WholePipeline(p)) {
            state.SkipWithError("pipeline failed");
            return;
        }
        benchmark::DoNotOptimize(p.AvgUltimate.data());
    }
}
BENCHMARK(BM_WholePipeline)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

namespace {

// The heaviest run the checks let through: one reading at 6900 ft (21 036 steps)
// and the widest pile accepted, whose zones below the tip are the longest.
void BM_DeepestSoundingWidestPile(benchmark::State& state)
{
    const auto file = std::filesystem::temp_directory_path() / "quarvex-bench-deep-sounding.txt";
    std::ofstream(file, std::ios::binary) << "6900, 100, 1\r\n";
    Project p;
    Pipeline pipeline(p);
    pipeline.Read(file.string(), 0, kUnitsEnglish);
    pipeline.Clean();
    if (p.ReadError != False || pipeline.BuildSteps()) {
        state.SkipWithError("the deep sounding was not read");
        return;
    }
    pipeline.LoadDesignScreen(0, "/dev/null");
    AnalysisInputs in;
    in.sizeText = "120";
    if (!pipeline.Check(in).ok) {
        state.SkipWithError("the widest pile was refused");
        return;
    }
    DefaultAnswers answers;
    for (auto _ : state) {
        const DesignRunResult r = RunDesign(p, DesignRunInputs{}, answers);
        benchmark::DoNotOptimize(r.exported);
    }
    state.counters["steps"] = p.NumSteps;
}
BENCHMARK(BM_DeepestSoundingWidestPile)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
