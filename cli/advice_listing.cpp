#include "cli/advice_listing.h"

#include "calc/text/cp1251.h"
#include "calc/text/joined_text.h"
#include "calc/text/result_format.h"

namespace toroglav::cli {

std::string ListAdvice(const Advice& advice) {
    std::string out(kAdviceHeader);
    for (const CoreAdvice& a : advice.cores)
        AppendJoined(out, {a.core->name,
                           "\t",
                           std::to_string(a.core->coreType()),
                           "\t",
                           FormatFixed(a.volume, 2),
                           "\t",
                           Cp1251ToUtf8(a.primaryTurns),
                           "\t",
                           Cp1251ToUtf8(a.windowFill),
                           "\t",
                           Cp1251ToUtf8(a.coreLossText),
                           "\t",
                           Cp1251ToUtf8(a.overheat),
                           "\t",
                           Cp1251ToUtf8(a.efficiency),
                           "\t",
                           FormatFixed(a.coreTemperatureC, 1),
                           "\t",
                           FormatFixed(a.totalLossW, 2),
                           "\n"});
    return out;
}

std::string_view FailedCriterionText(AdviceCriterion criterion) {
    switch (criterion) {
        case AdviceCriterion::FiniteResults:
            return "results that are not finite";
        case AdviceCriterion::NoWarning:
            return "a warning of the calculation";
        case AdviceCriterion::WindowFill:
            return "a window fill above the one entered";
        case AdviceCriterion::Overheat:
            return "overheating above the limit";
        case AdviceCriterion::CoreTemperature:
            return "a core hotter than 100 C or thermal runaway";
    }
    return {};
}

}  // namespace toroglav::cli
