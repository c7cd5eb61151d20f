#pragma once
// Which catalogue cores carry a design: the design is calculated once for every core of a family,
// with the core picked as the window picks it and every other input as typed, and the cores
// whose results are finite, raise no warning, fit the window and stay cool enough are kept,
// smallest first. The design itself is not changed.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "calc/core_catalogue.h"
#include "calc/design_record.h"

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

inline constexpr double kDefaultMaxRise = 40;  // degrees

// What a core must pass, in the order they are checked.
enum class AdviceCriterion { FiniteResults, NoWarning, WindowFill, Overheat };
inline constexpr int kAdviceCriteria = 4;

// A core that carries the design, with the results it gives (cp1251 texts as the window shows).
struct CoreAdvice {
    const CatalogueCore* core = nullptr;
    double volume = 0;    // cm3, as the calculation worked it out
    double coreLoss = 0;  // W
    Text primaryTurns, windowFill, coreLossText, overheat, efficiency;
};

struct Advice {
    std::vector<CoreAdvice> cores;  // smallest volume first, then least loss, then name
    // How many cores failed each criterion (a core may fail several).
    std::array<int, kAdviceCriteria> failures{};

    // The criterion that failed most often; meaningful when no core was kept.
    AdviceCriterion MostFailed() const;
};

Advice AdviseCores(const DesignRecord& design, std::span<const CatalogueCore> candidates,
                   double maxRise = kDefaultMaxRise);

}  // namespace toroglav
