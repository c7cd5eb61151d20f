#pragma once
// The maximum induction that gives a design the least total loss (core and copper, at the
// temperature the core settles at), among the values whose windings fit the window.

#include <optional>
#include <vector>

#include "calc/design/stages.h"
#include "calc/limits.h"
#include "calc/magnetics/ferrite_material.h"

namespace toroglav {

// One point of the search: the design recalculated with another maximum induction.
struct LossSample {
    double inductionMaxT = 0;
    double coreLossW = 0;
    double copperLossW = 0;
    double totalLossW = 0;
    bool fits = false;  // finite, no runaway, and the windings fill at most the entered fill
};

struct LossOptimum {
    std::optional<double> inductionMaxT;  // nothing when no value fits
    double totalLossW = 0;
    std::vector<LossSample> samples;  // the coarse steps over the range, in ascending induction
};

// Searches the maximum induction from limits::kOptimumFirstInductionT up to
// limits::kOptimumLastOfSaturation of the material's saturation flux density at 100 C, with
// every other input as `design` holds them.
LossOptimum FindLossOptimum(const stages::Inputs& design, const FerriteMaterial& material,
                            double ambientC = limits::kDefaultAmbientC);

}  // namespace toroglav
