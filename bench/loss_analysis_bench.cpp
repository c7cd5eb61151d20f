// The loss and heating analysis of one calculated design, and the search for its optimum.
#include <benchmark/benchmark.h>

#include "calc/analysis/loss_analysis.h"
#include "calc/analysis/loss_optimum.h"

namespace {

void BM_AnalyseDefaultDesign(benchmark::State& state) {
    const toroglav::DesignRecord record;
    const toroglav::DesignResult design(record);
    const toroglav::FerriteMaterial& material = toroglav::MaterialOfDesign(record.m_nMaterial);
    for (auto _ : state) benchmark::DoNotOptimize(toroglav::AnalyseLosses(design, material));
}
BENCHMARK(BM_AnalyseDefaultDesign);

void BM_FindOptimumOfDefaultDesign(benchmark::State& state) {
    const toroglav::DesignRecord record;
    const toroglav::stages::Inputs inputs = toroglav::stages::ConvertInputs(record);
    const toroglav::FerriteMaterial& material = toroglav::MaterialOfDesign(record.m_nMaterial);
    for (auto _ : state) benchmark::DoNotOptimize(toroglav::FindLossOptimum(inputs, material));
}
BENCHMARK(BM_FindOptimumOfDefaultDesign)->Unit(benchmark::kMillisecond);

}  // namespace
