#pragma once
// The program's own choices: the defaults, limits and tolerances of the loss analysis, its
// optimum and the core adviser. Physical constants are in constants.h.

#include <string_view>

namespace toroglav::limits {

// The air around the transformer unless another temperature is given, degrees C: a closed
// enclosure's usual design figure.
inline constexpr double kDefaultAmbientC = 40;
// The ambient temperatures the analysis takes, degrees C: the range electronics is specified for
// (the military range, -55 to +125, and a little above for hot enclosures), below every ferrite's
// Curie temperature.
inline constexpr double kLowestAmbientC = -55;
inline constexpr double kHighestAmbientC = 150;
// The fastest stream of air past the transformer the analysis takes, m/s: more than any fan in
// a power supply blows, and well within the laminar flow its correlations hold for.
inline constexpr double kFastestAirSpeedMPerS = 20;
// The most a transformer's dissipation given on its own may be, W: beyond any core of the
// catalogue in free air.
inline constexpr double kMostDissipationW = 1000;

// The settled temperature is found to this, K. A core runs away where there is no balance below
// its ferrite's Curie temperature (ferrite_material.h).
inline constexpr double kSettledToleranceK = 0.05;

// The shortest conduction, as a fraction of the period, the core loss is worked out for: below it
// the equivalent frequency lies a thousand times above the fundamental, far beyond any data.
inline constexpr double kLeastConduction = 1e-3;

// A winding's harmonics are summed until those left carry under this share of its RMS current
// squared (harmonic_winding_loss.h).
inline constexpr double kUnsummedCurrentShare = 1e-3;

// The adviser's limit on the temperature rise of the core unless another is given, K.
inline constexpr double kDefaultMaxRiseK = 40;
// A window fill passes when it reads as the entered one at the three decimals shown.
inline constexpr double kWindowFillShownTolerance = 0.0005;

// The winding plan (calc/winding/winding_plan.h): the enamel grade unless another is asked,
// the tape between windings (a polyester tape of 4.5 kV a layer, class 130, the usual
// transformer tape), and its layers where the insulation is only functional or basic.
inline constexpr int kDefaultWireGrade = 2;
inline constexpr std::string_view kWindingTape = "Tecroll 11B";
inline constexpr int kDefaultTapeLayers = 1;
// A winding the plan does not lay: more layers than any transformer of these sizes has, or more
// strands than a turn could be made of.
inline constexpr int kMostLayers = 1000;
inline constexpr double kMostStrands = 1000;

// The optimum's search: every maximum induction on the thousandth of a tesla the window's field
// takes, from the first to the last.
inline constexpr int kOptimumFirstInductionMilliT = 20;
inline constexpr int kOptimumLastInductionMilliT = 300;
// An induction the optimum may propose keeps the worst-case peak flux density at most this
// fraction of the saturation flux density at the core's temperature ...
inline constexpr double kOptimumLargestShareOfSaturation = 0.8;
// ... and, without stabilisation, every output's nominal voltage within this fraction of the
// voltage asked.
inline constexpr double kOptimumOutputVoltageTolerance = 0.05;

}  // namespace toroglav::limits
