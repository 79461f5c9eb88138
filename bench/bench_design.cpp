// One design run, and the whole pipeline of the batch command (read, clean,
// classify, design, write) on a 4000-reading sounding of 260 ft with a 14-inch
// square pile, and the same for a 50 000-reading sounding read as a plain file
// and as GEF. Medians over repetitions are the figures to quote.
#include "classification/Classification.h"
#include "design/DesignRun.h"
#include "input/Cleaning.h"
#include "input/Reader.h"
#include "pipeline/Pipeline.h"
#include "pipeline/SoundingRead.h"
#include "project/Memory.h"
#include "screenlogic/PileChecks.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

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

// One output file per process, removed at exit: benchmarks of several
// checkouts may run at once on a shared machine.
std::string OutputPath()
{
    // Never destroyed, so that the exit handler can still read it.
    static const std::string* const path =
        new std::string((std::filesystem::temp_directory_path() /
                         ("quarvex-bench-design-output-" + std::to_string(::getpid()) + ".dat"))
                            .string());
    static const int removed = std::atexit([] {
        std::error_code ec;
        std::filesystem::remove(*path, ec);
    });
    (void)removed;
    return *path;
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

// The per-run figure: one whole run of the batch command on the 4000-reading
// sounding (read, clean, classify, design, write the output file), in a fresh
// project each time. The CPU column is the figure to quote (its median): it
// holds the system's share of reading and writing the files, while the real
// time also waits on a busy machine.
//
// BM_WholeRun4000 writes a new output file each run, as a site run does (one
// file per sounding); the file is removed outside the timed part.
// BM_WholeRun4000Replacing writes over the file of the run before, as a
// repeated single run does; on ext4 replacing a file by renaming over it also
// starts the writing of the new file's data to disk, which the system does in
// the run's time.
// BM_WholeRun4000KeepingMemory is BM_WholeRun4000 with the allocator keeping
// freed memory for the next run, as quarvex-batch site sets it: the per-run
// figure of a site's worker. It sets that for the rest of the process, so it
// is registered after the other two, and the benchmarks that run after it
// (the trace benchmarks) run with it too.
void WholeRun4000(benchmark::State& state, bool replacing)
{
    const std::string output = OutputPath();
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    for (auto _ : state) {
        Project p;
        if (!WholePipeline(p)) {
            state.SkipWithError("pipeline failed");
            return;
        }
        benchmark::DoNotOptimize(p.AvgUltimate.data());
        if (!replacing) {
            state.PauseTiming();
            std::error_code ec;
            std::filesystem::remove(output, ec);
            state.ResumeTiming();
        }
    }
    state.counters["readings"] = 4000;
    // Page faults per run: memory the allocator had given back and takes again.
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    state.counters["faults"] = benchmark::Counter(static_cast<double>(after.ru_minflt - before.ru_minflt),
                                                  benchmark::Counter::kAvgIterations);
}

void BM_WholeRun4000(benchmark::State& state)
{
    WholeRun4000(state, false);
}

void BM_WholeRun4000Replacing(benchmark::State& state)
{
    WholeRun4000(state, true);
}

void BM_WholeRun4000KeepingMemory(benchmark::State& state)
{
    KeepFreedMemoryForReuse();
    WholeRun4000(state, false);
}

double Smallest(const std::vector<double>& v)
{
    return *std::min_element(v.begin(), v.end());
}

BENCHMARK(BM_WholeRun4000Replacing)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ComputeStatistics("min", Smallest)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_WholeRun4000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ComputeStatistics("min", Smallest)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_WholeRun4000KeepingMemory)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ComputeStatistics("min", Smallest)
    ->ReportAggregatesOnly(true);

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

namespace {

// A modern sounding of 50 000 readings every 1.6 mm to 80 m (about 262 ft, as
// deep as the 4000-reading one), in the plain format (ft, tsf) and as GEF (m, MPa).
constexpr int kLongReadings = 50000;

double LongTip(int k, double depthM)
{
    const double base =
        depthM < 24 ? 1.2 + depthM * 0.03 : (depthM < 52 ? 9 + depthM * 0.1 : 3 + depthM * 0.02);
    return base + 1.5 * ((k * 37) % 101) / 100.0;
}

double LongSleeve(int k, double depthM)
{
    return (depthM < 24 ? 0.05 : 0.03) + ((k * 53) % 89) / 2000.0;
}

std::string LongPlainPath()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "quarvex-bench-long-sounding.txt";
        std::ofstream out(file, std::ios::binary);
        for (int t = 1; t <= 10; ++t)
            out << "Long benchmark sounding title " << t << "\r\n";
        char line[96];
        for (int k = 1; k <= kLongReadings; ++k) {
            const double m = k * 0.0016;
            std::snprintf(line, sizeof line, "%9.5f, %9.4f, %7.5f\r\n", m / 0.3048, LongTip(k, m) * 10.4427,
                          LongSleeve(k, m) * 10.4427);
            out << line;
        }
        return file.string();
    }();
    return path;
}

std::string LongGefPath()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "quarvex-bench-long-sounding.gef";
        std::ofstream out(file, std::ios::binary);
        out << "#GEFID= 1, 1, 0\r\n#COLUMN= 3\r\n"
               "#COLUMNINFO= 1, m, penetration length, 1\r\n"
               "#COLUMNINFO= 2, MPa, cone resistance, 2\r\n"
               "#COLUMNINFO= 3, MPa, local friction, 3\r\n"
               "#TESTID= BENCH-50K\r\n#ZID= 31000, 1.50\r\n#EOH=\r\n";
        char line[96];
        for (int k = 1; k <= kLongReadings; ++k) {
            const double m = k * 0.0016;
            std::snprintf(line, sizeof line, "%.4f %.4f %.5f\r\n", m, LongTip(k, m), LongSleeve(k, m));
            out << line;
        }
        return file.string();
    }();
    return path;
}

// After the read, what the batch command does next: project information, cleaning,
// step table, the design screen's defaults, the checks and the run with its file.
bool DesignReadSounding(Pipeline& pipeline)
{
    Project& p = pipeline.project();
    pipeline.ConvertSI();
    pipeline.AcceptProjectInformation();
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

void BM_WholePipelineLongPlain(benchmark::State& state)
{
    for (auto _ : state) {
        Project p;
        Pipeline pipeline(p);
        pipeline.Read(LongPlainPath(), 10, kUnitsEnglish);
        if (p.ReadError != False || p.NumReadings != kLongReadings || !DesignReadSounding(pipeline)) {
            state.SkipWithError("pipeline failed");
            return;
        }
        benchmark::DoNotOptimize(p.AvgUltimate.data());
        state.counters["steps"] = p.NumSteps;
    }
}
BENCHMARK(BM_WholePipelineLongPlain)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_WholePipelineLongGef(benchmark::State& state)
{
    for (auto _ : state) {
        Project p;
        Pipeline pipeline(p);
        const SoundingFile file = ReadSounding(LongGefPath());
        if (file.Plain() || !file.Outcome.Ok() || file.Outcome.Soundings.size() != 1) {
            state.SkipWithError("the GEF sounding was not read");
            return;
        }
        pipeline.OpenFileDefaults();
        pipeline.ChooseFile(LongGefPath());
        pipeline.UseSounding(file.Outcome.Soundings.front());
        if (p.NumReadings != kLongReadings || !DesignReadSounding(pipeline)) {
            state.SkipWithError("pipeline failed");
            return;
        }
        benchmark::DoNotOptimize(p.AvgUltimate.data());
        state.counters["steps"] = p.NumSteps;
    }
}
BENCHMARK(BM_WholePipelineLongGef)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

namespace {

// The reads alone, the batch run's first share.
void BM_ReadLongPlain(benchmark::State& state)
{
    for (auto _ : state) {
        Project p;
        Pipeline(p).Read(LongPlainPath(), 10, kUnitsEnglish);
        benchmark::DoNotOptimize(p.NumReadings);
    }
}
BENCHMARK(BM_ReadLongPlain)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_ReadLongGef(benchmark::State& state)
{
    for (auto _ : state) {
        const SoundingFile file = ReadSounding(LongGefPath());
        benchmark::DoNotOptimize(file.Outcome.Soundings.size());
    }
}
BENCHMARK(BM_ReadLongGef)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
