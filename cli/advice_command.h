#pragma once
// "--advise [FAMILY] [--max-rise DEGREES] [--rank volume|loss]": the catalogue cores that carry
// the design, a header line of the adviser's column headings, then one line per core, best first,
// its cells (calc/analysis/advice_columns.h) in UTF-8, separated by tabs. When none is kept,
// standard error says which criterion failed most often.

#include <string>
#include <string_view>

#include "calc/analysis/core_adviser.h"
#include "cli/calculated_design.h"

namespace toroglav::cli {

std::string ListAdvice(const Advice& advice);

// Why no core was kept: the criterion that failed most often, in words.
std::string FailedCriterionText(const Advice& advice);

int RunAdvice(const DesignRequest& request, const CalculatedDesign& design, const Streams& streams);

}  // namespace toroglav::cli
