#include "calc/analysis/loss_optimum.h"

#include <cmath>

#include "calc/analysis/loss_analysis.h"
#include "calc/analysis/window_fill.h"

namespace toroglav {

namespace {

// Without stabilisation nothing holds the outputs at the voltages asked: whole turns move them.
bool OutputsAsAsked(const DesignResult& design) {
    if (design.inputs.stabilization == Stabilization::On) return true;
    for (int i = 0; i < kOutputCount; ++i) {
        const stages::Output& output = design.outputs.each[i];
        const double asked = std::abs(design.inputs.outVoltage[i]);
        if (output.inUse && !(std::abs(std::abs(output.voltage) - asked) <=
                              limits::kOptimumOutputVoltageTolerance * asked))
            return false;
    }
    return true;
}

LossSample SampleAt(stages::Inputs inputs, int milliTesla, const FerriteMaterial& material,
                    double ambientC, double airSpeedMPerS,
                    const winding::PlanOptions& windingOptions) {
    inputs.inductionMax = milliTesla / 1000.0;
    const DesignResult design(inputs);
    const LossAnalysis a = AnalyseLosses(design, material, ambientC, airSpeedMPerS, windingOptions);
    return {.inductionMaxT = inputs.inductionMax,
            .fluxDensityPeakT = a.fluxDensityPeakT,
            .coreLossW = a.coreLossW,
            .copperLossW = a.copperLossW,
            .totalLossW = a.totalLossW,
            .admissible = a.judged && !a.thermalRunaway && std::isfinite(a.totalLossW) &&
                          FillWithin(design.power.windowFill, inputs.windowFill) && a.windingsFit &&
                          a.coreTemperatureC <= material.temperatureC().max &&
                          a.fluxDensityPeakWorstT <=
                              limits::kOptimumLargestShareOfSaturation * a.saturationFluxDensityT &&
                          OutputsAsAsked(design)};
}

}  // namespace

LossOptimum FindLossOptimum(const stages::Inputs& design, const FerriteMaterial& material,
                            double ambientC, double airSpeedMPerS,
                            const winding::PlanOptions& windingOptions) {
    LossOptimum optimum;
    optimum.samples.reserve(limits::kOptimumLastInductionMilliT -
                            limits::kOptimumFirstInductionMilliT + 1);
    for (int milli = limits::kOptimumFirstInductionMilliT;
         milli <= limits::kOptimumLastInductionMilliT; ++milli) {
        const LossSample& s = optimum.samples.emplace_back(
            SampleAt(design, milli, material, ambientC, airSpeedMPerS, windingOptions));
        if (s.admissible && (!optimum.inductionMaxT || s.totalLossW < optimum.totalLossW)) {
            optimum.inductionMaxT = s.inductionMaxT;
            optimum.fluxDensityPeakT = s.fluxDensityPeakT;
            optimum.totalLossW = s.totalLossW;
        }
    }
    return optimum;
}

}  // namespace toroglav
