#pragma once
// "--advise": a header line, then one line per catalogue core that carries the design, best
// first, its fields separated by tabs: the name, the core type number, the volume in cm3 (two
// decimals, a decimal comma), the texts of the primary turns, the window fill, the core loss,
// the overheating band and the efficiency, in UTF-8, and last the loss analysis's core
// temperature in C (one decimal) and total loss in W (two decimals), with a decimal comma.

#include <string>
#include <string_view>

#include "calc/analysis/core_adviser.h"

namespace toroglav::cli {

inline constexpr std::string_view kAdviceHeader =
    "name\tcore type\tvolume, cm3\tprimary turns\twindow fill\tcore loss, W\toverheating, "
    "degrees\tefficiency, %\tcore temperature, C\ttotal loss, W\n";

std::string ListAdvice(const Advice& advice);

// Why no core was kept: the criterion that failed most often, in words.
std::string_view FailedCriterionText(AdviceCriterion criterion);

}  // namespace toroglav::cli
