#pragma once
// The ferrite library on the command line, a command of its own beside the design:
//   --list-materials: one line per material, tab-separated: name, maker, and the ranges of its
//     loss data as MIN-MAX: frequency in kHz, peak flux in mT, temperature in degrees C.
//   --loss-density MATERIAL --frequency KHZ --flux MT --temperature C [--conduction D | --sine]:
//     three lines, loss_density_kW_m3=..., saturation_T=... and outside_data=0 or 1, the numbers
//     with a decimal point and six significant digits (with an exponent outside 0.001 to a
//     million). The loss is that of the bipolar rectangular voltage conducting a fraction D of the
//     period (0.001 to 1; 1 unless given), or of a sine.

#include <span>
#include <string>
#include <string_view>

namespace toroglav::cli {

// The names of the library's ferrites, separated by commas, for a message about one it lacks.
std::string MaterialNames();

// True when `args` ask for one of the two commands above: either option anywhere.
bool IsMaterialCommand(std::span<const std::string_view> args);

struct MaterialAnswer {
    bool ok = false;
    // The output, or why the arguments are refused (as given: PrintError escapes what it repeats).
    std::string text;
};

MaterialAnswer AnswerMaterialCommand(std::span<const std::string_view> args);

}  // namespace toroglav::cli
