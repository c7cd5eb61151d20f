#pragma once
// The losses and heating of a calculated design: core loss at the converter's real waveform and
// the core temperature, the copper loss of every winding, the efficiency with both, and the
// margin to saturation when hot.
//
// It reads the calculation's numbers (DesignResult), never its texts, and changes nothing of the
// design. The effects it combines each live in a file of their own in magnetics/:
// core_loss_density.h and rectangular_wave_loss.h (the ferrite), saturation_flux_density.h,
// winding_build.h and winding_resistance.h (layers, turn length, DC resistance, Dowell's AC
// factor) and core_temperature.h (thermal resistance and the temperature the losses settle at).
// loss_figures.h lists the figures with their units for every front end.

#include <array>
#include <optional>
#include <string_view>

#include "calc/design/calculation.h"
#include "calc/limits.h"
#include "calc/magnetics/ferrite_material.h"

namespace toroglav {

// One winding: the primary, or a secondary in use. A centre-tapped winding (push-pull primary,
// unipolar or bipolar rectifier) has two halves that conduct in turn; its current and resistance
// are those of each half, its layers and loss those of the whole winding.
struct WindingLoss {
    int halves = 1;
    double currentRmsA = 0;
    double resistanceDcOhm = 0;  // at the core temperature
    int layers = 0;
    double acFactor = 1;  // Dowell's F_R at the switching frequency, over the layers of a half
    double copperLossW = 0;
};

struct LossAnalysis {
    // False when the design cannot be judged (results that are not finite, no output in use):
    // `reason` says why, and the numbers that could not be worked out are NaN.
    bool judged = true;
    std::string_view reason;

    double conduction = 0;              // the part of the period the primary has voltage, 2D
    double fluxDensityPeakT = 0;        // at nominal supply and the working duty
    double fluxDensityPeakWorstT = 0;   // at maximum supply and maximum duty
    double saturationFluxDensityT = 0;  // at the core temperature
    double saturationMarginT = 0;       // saturationFluxDensityT - fluxDensityPeakWorstT
    double coreTemperatureC = 0;
    double temperatureRiseK = 0;
    double thermalResistanceKPerW = 0;
    double coreLossDensityWPerM3 = 0;
    double coreLossW = 0;
    WindingLoss primary;
    std::array<std::optional<WindingLoss>, kOutputCount> outputs;  // the outputs in use
    double copperLossW = 0;
    double totalLossW = 0;
    double loadPowerW = 0;
    double efficiency = 0;        // load over load plus both losses, a fraction
    bool thermalRunaway = false;  // no temperature below limits::kRunawayTemperatureC balances
    bool outsideData = false;     // the ferrite's loss or saturation data were extrapolated
};

// The material the window's choice stands for: N87 or N27 (N87 for any other index).
const FerriteMaterial& MaterialOfDesign(std::int32_t materialIndex);

LossAnalysis AnalyseLosses(const DesignResult& design, const FerriteMaterial& material,
                           double ambientC = limits::kDefaultAmbientC);

}  // namespace toroglav
