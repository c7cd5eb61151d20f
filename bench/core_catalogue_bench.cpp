// The catalogue's look-ups: a name found, the closest names to an unknown one (the usage error of
// toroglav-calc), the filter the catalogue window runs on every keystroke, and advice over every
// core of the catalogue with the loss analysis of each, which the adviser window runs whenever its
// family or its order changes.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/analysis/core_adviser.h"
#include "calc/catalogue/core_catalogue.h"

namespace {

void BM_FindCore(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(toroglav::FindCore("etd39"));
}
BENCHMARK(BM_FindCore);

void BM_ClosestCores(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(toroglav::ClosestCores("ETD 40"));
}
BENCHMARK(BM_ClosestCores);

// A name pasted by mistake, far longer than any in the catalogue.
void BM_ClosestCoresToAVeryLongName(benchmark::State& state) {
    const std::string name(100000, 'e');
    for (auto _ : state) benchmark::DoNotOptimize(toroglav::ClosestCores(name));
}
BENCHMARK(BM_ClosestCoresToAVeryLongName)->Unit(benchmark::kMillisecond);

void BM_CoresMatching(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(toroglav::CoresMatching("R 25"));
}
BENCHMARK(BM_CoresMatching);

void BM_AdviseEveryCore(benchmark::State& state) {
    const toroglav::DesignRecord design;
    const auto candidates = toroglav::AdviceCandidates(toroglav::AdviceFamily::All);
    for (auto _ : state) benchmark::DoNotOptimize(toroglav::AdviseCores(design, candidates));
    state.counters["cores"] = static_cast<double>(candidates.size());
}
BENCHMARK(BM_AdviseEveryCore)->Unit(benchmark::kMillisecond);

}  // namespace
