#pragma once
// The losses and heating of a calculated design: core loss at the converter's real waveform and
// the core temperature, the copper loss of every winding at each harmonic of its current, the
// efficiency with both, and the margin to saturation when hot.
//
// It reads the calculation's numbers (DesignResult), never its texts, and changes nothing of the
// design. Every winding's turns, current, voltage and power count by their magnitude, so a
// negative output voltage is a winding like any other; the primary's current is the one that
// carries the loads, the rectifiers' drop and the transformer's own losses at the core's
// temperature (not the calculation's, which adds its own core-loss estimate). The effects it
// combines each live in a file of their own in magnetics/: core_loss_density.h and
// rectangular_wave_loss.h (the ferrite), saturation_flux_density.h, winding_resistance.h (DC
// resistance at temperature, Dowell's factor), harmonic_winding_loss.h (the harmonics of each
// winding's current), core_temperature.h (the temperature the losses settle at, runaway at the
// Curie temperature) and, for the thermal resistance, transformer_surface.h and
// surface_heat_transfer.h (the wound transformer's outside, its windings' build over the core,
// giving heat to still or moving air). The windings lie as the winding plan lays them with the
// options given (winding/winding_plan.h, as --winding prints it): its standard wire, layers, pitch
// and turn lengths; an interleaved primary's parts each build the field from nought.
// loss_figures.h lists the figures with their units for every front end.

#include <array>
#include <optional>
#include <string_view>

#include "calc/design/calculation.h"
#include "calc/limits.h"
#include "calc/magnetics/ferrite_material.h"
#include "calc/winding/winding_plan.h"

namespace toroglav {

// One winding: the primary, or a secondary in use. A centre-tapped winding (push-pull primary,
// unipolar or bipolar rectifier) has two halves that conduct in turn, wound bifilar; its current
// and resistance are those of each half, its layers and loss those of the whole winding.
struct WindingLoss {
    int halves = 1;
    double currentRmsA = 0;
    double resistanceDcOhm = 0;  // at the core temperature
    int layers = 0;              // of the whole winding, both halves side by side
    double porosity = 0;  // wire diameter over the pitch of the conductors in its first layer
    // P / (I_rms^2 R_dc): the DC part of the current at R_dc, each harmonic at Dowell's factor
    // for its own frequency, over all the winding's layers.
    double acFactor = 1;
    double copperLossW = 0;
};

// Why a design's losses cannot be judged.
enum class Unjudged {
    No,
    ResultsNotFinite,
    NoOutput,
    NegativeOutputCurrent,  // an output in use draws a negative current: no load at all
    NoFrequency,
    NoDuty,
    NoPrimaryVoltage,
    NoCoreVolume,
    NoFluxDensity,
    NoRoom,             // the plan lays a winding in no layer, or in more than any core has
    PrimaryOverloaded,  // no current carries the power through the primary's resistance, cold
    LossesNotANumber,   // at some temperature up to the Curie temperature
};

struct LossAnalysis {
    // False when the design cannot be judged: `unjudged` and `reason` (in words) say why, and
    // the numbers that could not be worked out are NaN.
    bool judged = true;
    Unjudged unjudged = Unjudged::No;
    int unjudgedOutput = 0;  // the output, 1 to 5, that draws a negative current
    std::string_view reason;

    double conduction = 0;              // the part of the period the primary has voltage, 2D
    double fluxDensityPeakT = 0;        // at nominal supply and the working duty
    double fluxDensityPeakWorstT = 0;   // at maximum supply and maximum duty
    double saturationFluxDensityT = 0;  // at the core temperature
    double saturationMarginT = 0;       // saturationFluxDensityT - fluxDensityPeakWorstT
    double coreTemperatureC = 0;
    double temperatureRiseK = 0;
    double thermalResistanceKPerW = 0;  // at the settled temperature (or the Curie temperature)
    double surfaceCm2 = 0;              // the outside that gives off the heat
    double coreLossDensityWPerM3 = 0;
    double coreLossW = 0;
    WindingLoss primary;
    std::array<std::optional<WindingLoss>, kOutputCount> outputs;  // the outputs in use
    double copperLossW = 0;
    double totalLossW = 0;
    double loadPowerW = 0;
    double efficiency = 0;  // load over load plus both losses, a fraction
    // No temperature below the ferrite's Curie temperature balances the losses: the figures are
    // those at the Curie temperature.
    bool thermalRunaway = false;
    // The ferrite's loss or saturation data were extrapolated, or the air or its stream lies
    // beyond the heat transfer's correlations.
    bool outsideData = false;
    bool windingsFit = false;  // the plan's layers and tape fit the winding space
};

// Why a design cannot be judged, in words ("output 2 draws a negative current, ...").
std::string_view UnjudgedReason(Unjudged why, int output);

// The material the window's choice stands for: N87 or N27 (N87 for any other index).
const FerriteMaterial& MaterialOfDesign(std::int32_t materialIndex);

// `airSpeedMPerS`: a horizontal stream of air past the transformer, 0 for still air;
// `windingOptions`: how the windings are laid, a bobbin among those of the design's core.
LossAnalysis AnalyseLosses(const DesignResult& design, const FerriteMaterial& material,
                           double ambientC = limits::kDefaultAmbientC, double airSpeedMPerS = 0,
                           const winding::PlanOptions& windingOptions = {});

}  // namespace toroglav
