#include "calc/analysis/loss_optimum.h"

#include <algorithm>
#include <cmath>

#include "calc/analysis/loss_analysis.h"

namespace toroglav {

namespace {

LossSample SampleAt(stages::Inputs inputs, double inductionMaxT, const FerriteMaterial& material,
                    double ambientC) {
    inputs.inductionMax = inductionMaxT;
    const DesignResult design(inputs);
    const LossAnalysis a = AnalyseLosses(design, material, ambientC);
    return {.inductionMaxT = inductionMaxT,
            .coreLossW = a.coreLossW,
            .copperLossW = a.copperLossW,
            .totalLossW = a.totalLossW,
            .fits = a.judged && !a.thermalRunaway && std::isfinite(a.totalLossW) &&
                    design.power.windowFill <= inputs.windowFill};
}

}  // namespace

LossOptimum FindLossOptimum(const stages::Inputs& design, const FerriteMaterial& material,
                            double ambientC) {
    // The induction is typed to the thousandth of a tesla, so the search stays on that grid: the
    // optimum it reports gives the same turns when typed in.
    constexpr int kStep = limits::kOptimumCoarseStepMilliT;
    const int first = static_cast<int>(limits::kOptimumFirstInductionT * 1000);
    const int last = static_cast<int>(
        std::floor(limits::kOptimumLastOfSaturation * material.saturationFluxDensity100CT * 1000));

    LossOptimum optimum;
    auto consider = [&](const LossSample& s) {
        if (s.fits && (!optimum.inductionMaxT || s.totalLossW < optimum.totalLossW)) {
            optimum.inductionMaxT = s.inductionMaxT;
            optimum.totalLossW = s.totalLossW;
        }
    };
    for (int milli = first; milli <= last; milli += kStep) {
        optimum.samples.push_back(SampleAt(design, milli / 1000.0, material, ambientC));
        consider(optimum.samples.back());
    }
    if (optimum.inductionMaxT) {
        const int centre = static_cast<int>(std::lround(*optimum.inductionMaxT * 1000));
        for (int milli = std::max(first, centre - kStep + 1);
             milli <= std::min(last, centre + kStep - 1); ++milli)
            if (milli != centre) consider(SampleAt(design, milli / 1000.0, material, ambientC));
    }
    return optimum;
}

}  // namespace toroglav
