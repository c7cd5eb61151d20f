#pragma once
// The adviser's list as the command line and the window show it, column by column: the heading
// (the command line's; the window captions a column by it) and the text of a core's cell, cp1251
// with a decimal comma. The columns of the loss analysis take their unit, scale and key from
// loss_figures.h.

#include <functional>
#include <span>
#include <string>

#include "calc/analysis/core_adviser.h"

namespace toroglav {

struct AdviceColumn {
    std::string heading;
    std::function<Text(const CoreAdvice&)> text;
};

std::span<const AdviceColumn> AdviceColumns();

}  // namespace toroglav
