// The winding plan of one calculated design: on a ring, on a catalogue bobbin, and interleaved on
// the mains with its reinforced insulation.
#include <benchmark/benchmark.h>

#include "calc/catalogue/core_catalogue.h"
#include "calc/winding/winding_plan.h"

namespace {

using toroglav::DesignRecord;
using toroglav::DesignResult;

DesignResult On(const char* core, bool mains) {
    DesignRecord record;
    if (core) toroglav::ApplyCore(*toroglav::FindCore(core), record);
    record.m_nSupplyKind = mains ? 1 : 0;
    return DesignResult(record);
}

void Plan(benchmark::State& state, const DesignResult& design,
          const toroglav::winding::PlanOptions& options) {
    for (auto _ : state) benchmark::DoNotOptimize(toroglav::winding::PlanWinding(design, options));
}

void BM_PlanDefaultRing(benchmark::State& state) {
    Plan(state, On(nullptr, false), {});
}
BENCHMARK(BM_PlanDefaultRing);

void BM_PlanOnEtd34Bobbin(benchmark::State& state) {
    Plan(state, On("ETD 34", false), {});
}
BENCHMARK(BM_PlanOnEtd34Bobbin);

void BM_PlanMainsInterleavedOnE42(benchmark::State& state) {
    toroglav::winding::PlanOptions options;
    options.interleave = true;
    Plan(state, On("E 42/21/15", true), options);
}
BENCHMARK(BM_PlanMainsInterleavedOnE42);

}  // namespace
