#pragma once
// The program's own choices: the defaults, limits and tolerances of the loss analysis, its
// optimum and the core adviser. Physical constants are in constants.h.

#include <string_view>

namespace toroglav::limits {

// The air around the transformer unless another temperature is given, degrees C: a closed
// enclosure's usual design figure.
inline constexpr double kDefaultAmbientC = 40;
// The ambient temperatures the command line accepts, degrees C: from absolute zero to below the
// temperature where every core runs away.
inline constexpr double kLowestAmbientC = -273.15;
inline constexpr double kAmbientBelowC = 200;

// A core that does not settle below this temperature runs away: ferrites lose their
// permeability well before it.
inline constexpr double kRunawayTemperatureC = 250;
// The settled temperature is found to this, K.
inline constexpr double kSettledToleranceK = 0.05;

// The adviser's overheating band limit unless another is given, K.
inline constexpr double kDefaultMaxRiseK = 40;
// The hottest core the adviser keeps, degrees C: power ferrites are made for their least loss
// near this temperature, and beyond it their loss rises and their saturation flux density falls.
inline constexpr double kMaxCoreTemperatureC = 100;
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

// The optimum's search: maximum inductions on the thousandth of a tesla the field takes, from
// the first up to this fraction of the saturation flux density at 100 degrees C, coarse steps
// then every thousandth around the best.
inline constexpr double kOptimumFirstInductionT = 0.020;
inline constexpr double kOptimumLastOfSaturation = 0.9;
inline constexpr int kOptimumCoarseStepMilliT = 5;

}  // namespace toroglav::limits
