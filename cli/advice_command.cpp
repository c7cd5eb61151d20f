#include "cli/advice_command.h"

#include "calc/analysis/advice_columns.h"
#include "calc/text/cp1251.h"
#include "calc/text/joined_text.h"

namespace toroglav::cli {

namespace {

// A line of cells separated by tabs.
template <class Cell>
std::string TabbedLine(Cell&& cell) {
    std::string line;
    std::string_view separator;
    for (const AdviceColumn& column : AdviceColumns()) {
        AppendJoined(line, {separator, cell(column)});
        separator = "\t";
    }
    return line + '\n';
}

}  // namespace

std::string ListAdvice(const Advice& advice) {
    std::string out = TabbedLine([](const AdviceColumn& column) { return column.heading; });
    for (const CoreAdvice& core : advice.cores)
        out += TabbedLine(
            [&core](const AdviceColumn& column) { return Cp1251ToUtf8(column.text(core)); });
    return out;
}

std::string FailedCriterionText(const Advice& advice) {
    switch (advice.MostFailed()) {
        case AdviceCriterion::FiniteResults:
            return "results that are not finite";
        case AdviceCriterion::NoWarning:
            return "a warning of the calculation";
        case AdviceCriterion::WindowFill:
            return "a window fill above the one entered, or windings whose layers do not fit";
        case AdviceCriterion::LossesJudged:
            return Joined({"losses that cannot be judged: ",
                           UnjudgedReason(advice.unjudged, advice.unjudgedOutput)});
        case AdviceCriterion::TemperatureRise:
            return "a temperature rise above the limit, thermal runaway, or a core hotter than "
                   "its ferrite's data";
    }
    return {};
}

int RunAdvice(const DesignRequest& request, const CalculatedDesign& design,
              const Streams& streams) {
    const AdviceFamily family =
        request.adviceFamily.value_or(AdviceFamilyOf(design.typed.m_nCoreType));
    const Advice advice =
        AdviseCores(design.typed, AdviceCandidates(family), request.maxRiseK, request.rank);
    if (advice.cores.empty())
        Print(streams.err,
              Joined({"toroglav-calc: no catalogue core carries this design; most often: ",
                      FailedCriterionText(advice), "\n"}));
    return PrintOutput(streams, ListAdvice(advice));
}

}  // namespace toroglav::cli
