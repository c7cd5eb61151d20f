#include "calc/core_adviser.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "calc/calculation.h"
#include "calc/number_text.h"
#include "calc/option_values.h"

namespace toroglav {

namespace {

// The result texts a calculation writes.
constexpr Text DesignRecord::*kResultTexts[] = {
    &DesignRecord::m_strInductionRange,
    &DesignRecord::m_strWindowFillResult,
    &DesignRecord::m_strPrimaryTurns,
    &DesignRecord::m_strInductance,
    &DesignRecord::m_strPrimaryWire,
    &DesignRecord::m_strAe,
    &DesignRecord::m_strSo,
    &DesignRecord::m_strPowerLoad,
    &DesignRecord::m_strPowerOverall,
    &DesignRecord::m_strMagnetizingCurrent,
    &DesignRecord::m_strPrimaryCurrentPeak,
    &DesignRecord::m_strSupplyCurrent,
    &DesignRecord::m_strSkinDiameter,
    &DesignRecord::m_strCoreLoss,
    &DesignRecord::m_strOverheat,
    &DesignRecord::m_strEfficiency,
};
constexpr OutputTexts DesignRecord::*kOutputResults[] = {
    &DesignRecord::m_strOutTurns, &DesignRecord::m_strOutWire, &DesignRecord::m_strOutVmin,
    &DesignRecord::m_strOutVnom,  &DesignRecord::m_strOutVmax, &DesignRecord::m_strChoke,
};

bool NotFinite(const Text& text) {
    return text.find("inf") != Text::npos || text.find("nan") != Text::npos;
}

bool ResultsFinite(const DesignRecord& r) {
    for (const auto member : kResultTexts)
        if (NotFinite(r.*member)) return false;
    for (const auto member : kOutputResults)
        for (const Text& text : r.*member)
            if (NotFinite(text)) return false;
    return true;
}

// The highest rise a band stands for: 25 for "< 25", 40 for "35 - 40"; nothing for "> 55" or a
// band without data.
std::optional<double> BandTop(std::string_view band) {
    std::size_t at = band.starts_with("< ") ? 2 : band.find(" - ");
    if (at == std::string_view::npos) return std::nullopt;
    if (!band.starts_with("< ")) at += 3;
    double top = 0;
    const auto [end, error] = std::from_chars(band.data() + at, band.data() + band.size(), top);
    if (error != std::errc{} || end != band.data() + band.size()) return std::nullopt;
    return top;
}

}  // namespace

std::optional<AdviceFamily> AdviceFamilyNamed(std::string_view name) {
    if (name == "ring") return AdviceFamily::Ring;
    if (name == "e") return AdviceFamily::E;
    if (name == "etd") return AdviceFamily::Etd;
    if (name == "other") return AdviceFamily::Other;
    if (name == "all") return AdviceFamily::All;
    return std::nullopt;
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

bool BandWithin(std::string_view band, double maxRise) {
    const std::optional<double> top = BandTop(band);
    return top && *top <= maxRise;
}

AdviceCriterion Advice::MostFailed() const {
    const auto most = std::ranges::max_element(failures);  // the first of equals
    return static_cast<AdviceCriterion>(most - failures.begin());
}

Advice AdviseCores(const DesignRecord& design, std::span<const CatalogueCore> candidates,
                   double maxRise) {
    Advice advice;
    const double windowFill = ParseNumberText(design.m_strWindowFill);
    DesignRecord record;
    for (const CatalogueCore& core : candidates) {
        record = design;
        ApplyCore(core, record);
        bool warned = false;
        Calculate(record, [&](std::string_view) { warned = true; });

        const bool passes[kAdviceCriteria] = {
            ResultsFinite(record),
            !warned,
            ParseNumberText(record.m_strWindowFillResult) <= windowFill,
            BandWithin(record.m_strOverheat, maxRise),
        };
        bool kept = true;
        for (int i = 0; i < kAdviceCriteria; ++i)
            if (!passes[i]) {
                ++advice.failures[static_cast<std::size_t>(i)];
                kept = false;
            }
        if (!kept) continue;
        advice.cores.push_back({.core = &core,
                                .volume = record.m_dCoreVolume.value_or(0),
                                .coreLoss = record.m_dCoreLoss.value_or(0),
                                .primaryTurns = record.m_strPrimaryTurns,
                                .windowFill = record.m_strWindowFillResult,
                                .coreLossText = record.m_strCoreLoss,
                                .overheat = record.m_strOverheat,
                                .efficiency = record.m_strEfficiency});
    }
    std::ranges::sort(advice.cores, [](const CoreAdvice& a, const CoreAdvice& b) {
        if (a.volume != b.volume) return a.volume < b.volume;
        if (a.coreLoss != b.coreLoss) return a.coreLoss < b.coreLoss;
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
