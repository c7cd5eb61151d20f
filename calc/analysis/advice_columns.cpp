#include "calc/analysis/advice_columns.h"

#include <algorithm>
#include <vector>

#include "calc/analysis/loss_figures.h"
#include "calc/text/joined_text.h"
#include "calc/text/result_format.h"

namespace toroglav {

namespace {

// A figure of the loss analysis, headed by its key in words and its unit: "total loss, W".
AdviceColumn FigureColumn(const Figure<LossAnalysis>& figure, FixedDecimals decimals) {
    std::string heading(figure.key);
    std::ranges::replace(heading, '_', ' ');
    return {Joined({heading, ", ", UnitText(figure.unit)}),
            [&figure, decimals](const CoreAdvice& a) {
                return FormatFixed(figure.Shown(a.analysis), decimals);
            }};
}

// A text as the design's own result shows it.
AdviceColumn TextColumn(std::string_view heading, Text CoreAdvice::*text) {
    return {std::string(heading), [text](const CoreAdvice& a) { return a.*text; }};
}

}  // namespace

std::span<const AdviceColumn> AdviceColumns() {
    // The calculation's own figures first, then the loss analysis' alone.
    static const std::vector<AdviceColumn> columns = {
        {"name", [](const CoreAdvice& a) { return Text(a.core->name); }},
        {"core type", [](const CoreAdvice& a) { return std::to_string(a.core->coreType()); }},
        {"volume, cm3", [](const CoreAdvice& a) { return FormatFixed(a.volume, 2); }},
        TextColumn("primary turns", &CoreAdvice::primaryTurns),
        TextColumn("window fill", &CoreAdvice::windowFill),
        FigureColumn(figures::kCoreLoss, 2),
        FigureColumn(figures::kCopperLoss, 2),
        FigureColumn(figures::kTotalLoss, 2),
        FigureColumn(figures::kCoreTemperature, 1),
        FigureColumn(figures::kEfficiency, 2),
    };
    return columns;
}

}  // namespace toroglav
