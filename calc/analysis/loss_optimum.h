#pragma once
// The maximum induction a designer may use that gives a design the least total loss (core and
// copper, at the temperature the core settles at, loss_analysis.h).

#include <optional>
#include <vector>

#include "calc/design/stages.h"
#include "calc/limits.h"
#include "calc/magnetics/ferrite_material.h"
#include "calc/winding/winding_plan.h"

namespace toroglav {

// One point of the search: the design recalculated with another maximum induction.
struct LossSample {
    double inductionMaxT = 0;
    double fluxDensityPeakT = 0;  // at nominal supply, as the analysis has it
    double coreLossW = 0;
    double copperLossW = 0;
    double totalLossW = 0;
    // The design may use it: its windings fit the window as the main window judges it and as the
    // winding plan lays them (winding_plan.h, with the options given), its core settles (no
    // runaway) at most at the top temperature of the ferrite's data, with the worst-case peak flux
    // density at most limits::kOptimumLargestShareOfSaturation of the saturation flux density
    // there, and, without stabilisation, every output's nominal voltage within
    // limits::kOptimumOutputVoltageTolerance of the voltage asked.
    bool admissible = false;
};

struct LossOptimum {
    std::optional<double> inductionMaxT;  // nothing when no value is admissible
    double fluxDensityPeakT = 0;
    double totalLossW = 0;
    std::vector<LossSample> samples;  // every thousandth of a tesla of the range, ascending
};

// Calculates the design with every maximum induction from limits::kOptimumFirstInductionMilliT
// to limits::kOptimumLastInductionMilliT thousandths of a tesla, every other input as `design`
// holds them, and takes the admissible one of least total loss (the lowest of equals); the air and
// the winding as AnalyseLosses takes them.
LossOptimum FindLossOptimum(const stages::Inputs& design, const FerriteMaterial& material,
                            double ambientC = limits::kDefaultAmbientC, double airSpeedMPerS = 0,
                            const winding::PlanOptions& windingOptions = {});

}  // namespace toroglav
