// A site run of 2000 generated soundings (1000 readings each, 65 ft, plain
// ft/tsf files) with a 14-inch square pile, on one worker and on one per core:
// soundings per second of wall-clock time (the CPU column is that of every
// thread of the process). Medians over repetitions are the figures to quote;
// the two rates show how the site run scales with cores.
#include "batch/BatchOptions.h"
#include "batch/Site.h"
#include "project/Memory.h"
#include "results/CsvExport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

using namespace quarvex;
using namespace quarvex::batch;

namespace {

constexpr int kSoundings = 2000;
constexpr int kReadings = 1000;

const std::filesystem::path& SiteFolder()
{
    static const std::filesystem::path dir = [] {
        const auto d = std::filesystem::temp_directory_path() / "quarvex-bench-site";
        std::filesystem::create_directories(d / "soundings");
        char line[96];
        for (int s = 0; s < kSoundings; ++s) {
            char name[32];
            std::snprintf(name, sizeof name, "CPT%04d.txt", s + 1);
            const auto file = d / "soundings" / name;
            if (std::filesystem::exists(file))
                continue;
            std::ofstream out(file, std::ios::binary);
            out << "Generated site sounding " << s + 1 << "\r\nBenchmark\r\n";
            // Soft clay over sand, each sounding a little stronger or weaker.
            const double strength = 0.7 + 0.6 * ((s * 7919) % 1000) / 1000.0;
            for (int k = 1; k <= kReadings; ++k) {
                const double depth = k * 0.065;
                const double base = depth < 30 ? 10 + depth * 0.2 : 60 + depth * 0.8;
                const double tip = strength * (base + 12 * ((k * 37 + s) % 101) / 100.0);
                const double sleeve = (depth < 30 ? 0.5 : 0.3) + ((k * 53 + s) % 89) / 200.0;
                std::snprintf(line, sizeof line, "%7.3f, %8.3f, %6.4f\r\n", depth, tip, sleeve);
                out << line;
            }
        }
        return d;
    }();
    return dir;
}

void BM_Site(benchmark::State& state)
{
    quarvex::KeepFreedMemoryForReuse(); // as quarvex-batch site does
    const int jobs = static_cast<int>(state.range(0));
    const std::filesystem::path dir = SiteFolder();
    std::string error;
    const auto options = ParseOptions({"site", (dir / "soundings").string(), "--title-lines", "2",
                                       "--output-dir", (dir / "out").string(), "--size", "14"},
                                      error);
    if (!options) {
        state.SkipWithError(error.c_str());
        return;
    }
    const auto soundings = ListSiteSoundings(*options, error);
    if (!soundings || soundings->size() != static_cast<std::size_t>(kSoundings)) {
        state.SkipWithError("the generated soundings were not listed");
        return;
    }
    std::filesystem::create_directories(dir / "out");
    const CorrelationFactors factors = SiteFactors(*options);
    for (auto _ : state) {
        const SiteResult site = RunSite(*options, *soundings, jobs);
        const bool written =
            WriteFileReplacing((dir / "out" / kSiteCsvName).string(), SiteCsvText(site, factors, false)) &&
            WriteFileReplacing((dir / "out" / kSiteProfileName).string(), SiteProfileText(site, factors));
        if (!written || !site.rows.back().ok) {
            state.SkipWithError("the site run failed");
            return;
        }
    }
    state.counters["soundings"] =
        benchmark::Counter(static_cast<double>(kSoundings) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["jobs"] = jobs;
}
BENCHMARK(BM_Site)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1U, std::thread::hardware_concurrency())))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
