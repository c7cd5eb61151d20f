// The catalogue's look-ups: a name found, the closest names to an unknown one (the usage error of
// toroglav-calc), and the filter the catalogue window runs on every keystroke.
#include <benchmark/benchmark.h>

#include "calc/core_catalogue.h"

namespace {

void BM_FindCore(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(toroglav::FindCore("etd39"));
}
BENCHMARK(BM_FindCore);

void BM_ClosestCores(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(toroglav::ClosestCores("ETD 40"));
}
BENCHMARK(BM_ClosestCores);

void BM_CoresMatching(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(toroglav::CoresMatching("R 25"));
}
BENCHMARK(BM_CoresMatching);

}  // namespace
