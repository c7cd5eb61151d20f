#pragma once
// "--losses [--material NAME] [--ambient C]": the losses and heating of the calculated design,
// one NAME=VALUE line per figure of the loss analysis (calc/analysis/loss_figures.h) in its order,
// the windings' figures per winding as NAME[P] and NAME[1] to NAME[5]; the numbers with a
// decimal point and six significant digits, "nan" where the design gives none.

#include <string>

#include "calc/analysis/loss_analysis.h"
#include "calc/analysis/loss_optimum.h"
#include "cli/calculated_design.h"

namespace toroglav::cli {

std::string ListLosses(const FerriteMaterial& material, double ambientC,
                       const LossAnalysis& analysis, const LossOptimum& optimum);

int RunLosses(const DesignRequest& request, const CalculatedDesign& design, const Streams& streams);

}  // namespace toroglav::cli
