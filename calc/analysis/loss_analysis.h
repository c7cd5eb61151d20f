#pragma once
// The losses and heating of a calculated design: core loss at the converter's real waveform and
// the core temperature, the copper loss of every winding, the efficiency with both, the margin to
// saturation when hot, and the maximum induction that gives the least total loss.
//
// It reads the calculation's numbers (DesignResult), never its texts, and changes nothing of the
// design. The effects it combines each live in a file of their own: core_loss_density.h and
// rectangular_wave_loss.h (the ferrite), saturation_flux_density.h, winding_resistance.h (turn
// length, layers, DC resistance, Dowell's AC factor) and core_temperature.h (thermal resistance and
// the temperature the losses settle at).

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "calc/design/calculation.h"
#include "calc/magnetics/ferrite_material.h"

namespace toroglav {

inline constexpr double kDefaultAmbientC = 40;

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

    double conduction = 0;         // the part of the period the primary has voltage, 2D
    double fluxPeakT = 0;          // at nominal supply and the working duty
    double fluxPeakWorstT = 0;     // at maximum supply and maximum duty
    double saturationT = 0;        // at the core temperature
    double saturationMarginT = 0;  // saturationT - fluxPeakWorstT
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
    double efficiencyPercent = 0;  // load over load plus both losses
    bool thermalRunaway = false;   // no temperature below kRunawayTemperatureC balances the losses
    bool outsideData = false;      // the ferrite's loss or saturation data were extrapolated
};

// The material the window's choice stands for: N87 or N27 (N87 for any other index).
const FerriteMaterial& MaterialOfDesign(std::int32_t materialIndex);

LossAnalysis AnalyseLosses(const DesignResult& design, const FerriteMaterial& material,
                           double ambientC = kDefaultAmbientC);

// One point of the search for the least total loss: the design recalculated with another
// maximum induction.
struct LossSample {
    double inductionMaxT = 0;
    double coreLossW = 0;
    double copperLossW = 0;
    double totalLossW = 0;
    bool fits = false;  // finite, no runaway, and the windings fill at most the entered fill
};

struct LossOptimum {
    std::optional<double> inductionMaxT;  // nothing when no value fits
    double totalLossW = 0;
    std::vector<LossSample> samples;  // the search range in ascending induction
};

// Searches the maximum induction from 0.02 T to 0.9 Bsat(100 C) for the least total loss at
// thermal equilibrium among the values whose windings fit the window.
LossOptimum FindLossOptimum(const DesignRecord& design, const FerriteMaterial& material,
                            double ambientC = kDefaultAmbientC);

}  // namespace toroglav
