// One whole calculation run, all result texts included.
#include <benchmark/benchmark.h>

#include "calc/design/calculation.h"

namespace {

void BM_CalculateDefaultDesign(benchmark::State& state) {
    toroglav::DesignRecord record;
    for (auto _ : state) {
        toroglav::CalculateRecord(record, {});
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_CalculateDefaultDesign);

void BM_CalculateFiveOutputs(benchmark::State& state) {
    toroglav::DesignRecord record;
    for (int i = 1; i < toroglav::kOutputCount; ++i) {
        record.m_strOutVoltage[i] = std::to_string(5 * i);
        record.m_strOutCurrent[i] = "1,5";
        record.m_nRectifier[i] = i % 3;
    }
    for (auto _ : state) {
        toroglav::CalculateRecord(record, {});
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_CalculateFiveOutputs);

}  // namespace
