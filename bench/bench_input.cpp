// Reading and classifying a full sounding of 4000 readings.
#include "classification/Classification.h"
#include "input/Cleaning.h"
#include "input/Reader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace quarvex;

namespace {

// A 4000-reading sounding of about 260 ft in ft-tsf, as a logger would write it.
std::string WriteSounding()
{
    const auto path = std::filesystem::temp_directory_path() / "quarvex-bench-sounding.txt";
    std::ofstream out(path, std::ios::binary);
    for (int t = 1; t <= 10; ++t)
        out << "Benchmark sounding title " << t << "\r\n";
    char line[96];
    for (int k = 1; k <= 4000; ++k) {
        const double depth = k * 0.065;
        const double tip = 40 + 30 * ((k * 37) % 101) / 100.0 + depth * 0.4;
        const double sleeve = 0.2 + ((k * 53) % 89) / 100.0;
        std::snprintf(line, sizeof line, "%8.3f, %9.3f, %7.4f\r\n", depth, tip, sleeve);
        out << line;
    }
    return path.string();
}

void BM_ReadSounding(benchmark::State& state)
{
    const std::string path = WriteSounding();
    for (auto _ : state) {
        Project p;
        p.DataFileName = path;
        p.NumTitleLines = 10;
        benchmark::DoNotOptimize(LoadConeFile(p));
    }
}
BENCHMARK(BM_ReadSounding)->Unit(benchmark::kMicrosecond);

void BM_CleanAndClassify(benchmark::State& state)
{
    Project base;
    base.DataFileName = WriteSounding();
    base.NumTitleLines = 10;
    base.UnitSystem = kUnitsEnglish;
    LoadConeFile(base);
    for (auto _ : state) {
        Project p = base;
        CleanReadings(p);
        benchmark::DoNotOptimize(BuildStepTable(p));
    }
}
BENCHMARK(BM_CleanAndClassify)->Unit(benchmark::kMicrosecond);

} // namespace
