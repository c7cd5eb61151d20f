#include "calc/analysis/core_adviser.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "calc/analysis/window_fill.h"
#include "calc/design/calculation.h"
#include "calc/design/result_texts.h"
#include "calc/record/option_values.h"

namespace toroglav {

namespace {

// The value whose word is `name`, letter case ignored.
template <class Value, std::size_t N>
std::optional<Value> Named(std::string_view name,
                           const std::pair<std::string_view, Value> (&words)[N]) {
    const auto sameLetters = [](char typed, char word) {
        return std::tolower(static_cast<unsigned char>(typed)) == word;
    };
    for (const auto& [word, value] : words)
        if (std::ranges::equal(name, word, sameLetters)) return value;
    return std::nullopt;
}

// The core settles (no runaway) within the rise allowed and the temperatures of its ferrite's
// data. A temperature that is not a number fails.
bool SettlesWithin(const LossAnalysis& analysis, double maxRiseK, const FerriteMaterial& material) {
    return analysis.judged && !analysis.thermalRunaway && analysis.temperatureRiseK <= maxRiseK &&
           analysis.coreTemperatureC <= material.temperatureC().max;
}
}  // namespace

std::optional<AdviceFamily> AdviceFamilyNamed(std::string_view name) {
    static constexpr std::pair<std::string_view, AdviceFamily> kWords[] = {
        {"ring", AdviceFamily::Ring},   {"e", AdviceFamily::E},     {"etd", AdviceFamily::Etd},
        {"other", AdviceFamily::Other}, {"all", AdviceFamily::All},
    };
    return Named(name, kWords);
}

std::optional<AdviceRank> AdviceRankNamed(std::string_view name) {
    static constexpr std::pair<std::string_view, AdviceRank> kWords[] = {
        {"volume", AdviceRank::Volume},
        {"loss", AdviceRank::Loss},
    };
    return Named(name, kWords);
}

AdviceFamily AdviceFamilyOf(std::int32_t coreType) {
    switch (KnownCoreType(coreType).value_or(CoreType::Other)) {
        case CoreType::Ring:
            return AdviceFamily::Ring;
        case CoreType::E:
            return AdviceFamily::E;
        case CoreType::Etd:
            return AdviceFamily::Etd;
        case CoreType::Other:
            break;
    }
    return AdviceFamily::All;
}

std::span<const CatalogueCore> AdviceCandidates(AdviceFamily family) {
    switch (family) {
        case AdviceFamily::Ring:
            return CatalogueCores(CoreType::Ring);
        case AdviceFamily::E:
            return CatalogueCores(CoreType::E);
        case AdviceFamily::Etd:
            return CatalogueCores(CoreType::Etd);
        case AdviceFamily::Other:
            return CatalogueCores(CoreType::Other);
        case AdviceFamily::All:
            break;
    }
    return CatalogueCores();
}

AdviceCriterion Advice::MostFailed() const {
    const auto most = std::ranges::max_element(failures);  // the first of equals
    return static_cast<AdviceCriterion>(most - failures.begin());
}

Advice AdviseCores(const DesignRecord& design, std::span<const CatalogueCore> candidates,
                   double maxRiseK, AdviceRank rank) {
    Advice advice;
    const FerriteMaterial& material = MaterialOfDesign(design.m_nMaterial);
    DesignRecord record;
    for (const CatalogueCore& core : candidates) {
        record = design;
        ApplyCore(core, record);
        const DesignResult result = Calculate(record);
        const bool finite = result.Finite();
        const LossAnalysis analysis = finite ? AnalyseLosses(result, material) : LossAnalysis{};

        const bool passes[kAdviceCriteria] = {
            finite,
            result.warnings.empty(),
            FillWithin(result.power.windowFill, result.inputs.windowFill) &&
                (!finite || analysis.windingsFit),
            !finite || analysis.judged,
            !finite || !analysis.judged || SettlesWithin(analysis, maxRiseK, material),
        };
        if (finite && !analysis.judged) {
            advice.unjudged = analysis.unjudged;
            advice.unjudgedOutput = analysis.unjudgedOutput;
        }
        bool kept = true;
        for (int i = 0; i < kAdviceCriteria; ++i)
            if (!passes[i]) {
                ++advice.failures[static_cast<std::size_t>(i)];
                kept = false;
            }
        if (!kept) continue;
        WriteResultTexts(result, record);
        advice.cores.push_back({.core = &core,
                                .volume = result.core.ve,
                                .primaryTurns = record.m_strPrimaryTurns,
                                .windowFill = record.m_strWindowFillResult,
                                .analysis = analysis});
    }
    const auto key = [rank](const CoreAdvice& a) {
        return rank == AdviceRank::Loss ? std::pair(a.analysis.totalLossW, a.volume)
                                        : std::pair(a.volume, a.analysis.totalLossW);
    };
    std::ranges::sort(advice.cores, [&](const CoreAdvice& a, const CoreAdvice& b) {
        if (key(a) != key(b)) return key(a) < key(b);
        return a.core->name < b.core->name;
    });
    // A name the data holds twice is listed once, where it ranks best.
    std::vector<std::string_view> seen;
    std::erase_if(advice.cores, [&](const CoreAdvice& a) {
        if (std::ranges::find(seen, a.core->name) != seen.end()) return true;
        seen.push_back(a.core->name);
        return false;
    });
    return advice;
}

}  // namespace toroglav
