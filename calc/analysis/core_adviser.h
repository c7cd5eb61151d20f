#pragma once
// Which catalogue cores carry a design: the design is calculated once for every core of a family,
// with the core picked as the window picks it and every other input as typed, and the cores
// whose results are finite, raise no warning and fit the window (the fill entered, and the layers
// as the winding plan lays them with its defaults), and whose core, by the loss
// analysis (loss_analysis.h, with the material of the design's choice at kDefaultAmbientC),
// settles with a temperature rise at most the one allowed and within its ferrite's data, are
// kept, smallest or least lossy first. The design itself is not changed.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "calc/analysis/loss_analysis.h"
#include "calc/catalogue/core_catalogue.h"
#include "calc/limits.h"
#include "calc/record/design_record.h"

namespace toroglav {

// The cores of one core type: rings, E cores, round centre legs (ETD, ER), "Другой тип" (every
// other shape, by its effective parameters); or all of them.
enum class AdviceFamily { Ring, E, Etd, Other, All };

// "ring", "e", "etd", "other" or "all" in any letter case; nothing for any other word.
std::optional<AdviceFamily> AdviceFamilyNamed(std::string_view name);
// The family of a core type: rings, E cores, round centre legs; every core for any other type,
// since a core typed in by its parameters may be of any shape.
AdviceFamily AdviceFamilyOf(std::int32_t coreType);
// The catalogue cores of a family, in catalogue order.
std::span<const CatalogueCore> AdviceCandidates(AdviceFamily family);

// What a core must pass, in the order they are checked. The losses are judged only for finite
// results: the loss analysis of any other says nothing. WindowFill passes when the fill is at
// most the one entered and, for finite results, the winding plan fits. The temperature rise
// passes when the core settles (no runaway), rises at most the limit asked and stays within the
// temperatures of its ferrite's data.
enum class AdviceCriterion { FiniteResults, NoWarning, WindowFill, LossesJudged, TemperatureRise };
inline constexpr int kAdviceCriteria = 5;

// The order of the cores kept: smallest volume first (ties: the total loss), or least total loss
// (core and copper, at thermal equilibrium) first (ties: the volume); then the name.
enum class AdviceRank { Volume, Loss };

// "volume" or "loss" in any letter case; nothing for any other word.
std::optional<AdviceRank> AdviceRankNamed(std::string_view name);

// A core that carries the design, with the results it gives: the calculation's turns and fill
// (cp1251 texts as the window shows them) and the loss analysis.
struct CoreAdvice {
    const CatalogueCore* core = nullptr;
    double volume = 0;  // cm3, as the calculation worked it out
    Text primaryTurns, windowFill;
    LossAnalysis analysis;  // with the material of the design's choice
};

struct Advice {
    std::vector<CoreAdvice> cores;  // in the order of the rank asked for
    // How many cores failed each criterion (a core may fail several).
    std::array<int, kAdviceCriteria> failures{};
    // Why the losses of the last core that failed LossesJudged cannot be judged.
    Unjudged unjudged = Unjudged::No;
    int unjudgedOutput = 0;

    // The criterion that failed most often; meaningful when no core was kept.
    AdviceCriterion MostFailed() const;
};

Advice AdviseCores(const DesignRecord& design, std::span<const CatalogueCore> candidates,
                   double maxRiseK = limits::kDefaultMaxRiseK,
                   AdviceRank rank = AdviceRank::Volume);

}  // namespace toroglav
