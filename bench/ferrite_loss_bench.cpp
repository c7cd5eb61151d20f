// One loss-density evaluation of the ferrite library, sine and rectangular wave, at operating
// points that walk across the data (between temperatures, inside and beyond the frequencies), so
// neither the compiler nor the caches see the same point twice in a row.
#include <benchmark/benchmark.h>

#include <array>

#include "calc/magnetics/core_loss_density.h"
#include "calc/magnetics/ferrite_material.h"
#include "calc/magnetics/rectangular_wave_loss.h"

namespace {

struct OperatingPoint {
    double frequencyHz, fluxDensityPeakT, temperatureC;
};

constexpr std::array<OperatingPoint, 8> kPoints = {{{20e3, 0.20, 80},
                                                    {40e3, 0.15, 100},
                                                    {65e3, 0.12, 62.5},
                                                    {100e3, 0.10, 90},
                                                    {150e3, 0.08, 45},
                                                    {210e3, 0.06, 97},
                                                    {330e3, 0.05, 71},
                                                    {450e3, 0.04, 100}}};

void BM_SineLossDensity(benchmark::State& state) {
    const toroglav::FerriteMaterial& n87 = *toroglav::FindFerriteMaterial("N87");
    std::size_t i = 0;
    for (auto _ : state) {
        const OperatingPoint& p = kPoints[i++ % kPoints.size()];
        benchmark::DoNotOptimize(
            toroglav::SineLossDensity(n87, p.frequencyHz, p.fluxDensityPeakT, p.temperatureC));
    }
}
BENCHMARK(BM_SineLossDensity);

void BM_RectangularWaveLossDensity(benchmark::State& state) {
    const toroglav::FerriteMaterial& n87 = *toroglav::FindFerriteMaterial("N87");
    std::size_t i = 0;
    for (auto _ : state) {
        const OperatingPoint& p = kPoints[i++ % kPoints.size()];
        benchmark::DoNotOptimize(toroglav::RectangularWaveLossDensity(
            n87, p.frequencyHz, p.fluxDensityPeakT, p.temperatureC, 0.9));
    }
}
BENCHMARK(BM_RectangularWaveLossDensity);

}  // namespace
