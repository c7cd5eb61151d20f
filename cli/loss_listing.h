#pragma once
// The loss and heating analysis on the command line (--losses): one NAME=VALUE line per figure,
// the numbers with a decimal point and six significant digits, "nan" where the design gives none.

#include <string>

#include "calc/analysis/loss_analysis.h"
#include "calc/magnetics/ferrite_material.h"

namespace toroglav::cli {

std::string ListLosses(const FerriteMaterial& material, double ambientC,
                       const LossAnalysis& analysis, const LossOptimum& optimum);

}  // namespace toroglav::cli
