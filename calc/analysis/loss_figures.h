#pragma once
// Every figure of the loss analysis as the front ends show it: its key, where it is, the unit
// shown and the factor to it, and its decimals. The command line's --losses names a figure by its
// key and unit ("core_loss_W"); the window finds a figure's field by its key and gives it a
// caption of its own; the adviser's columns take theirs from here too. A new figure is a member
// of the analysis, a row here and a caption in the window.

#include <limits>
#include <string_view>

#include "calc/analysis/loss_analysis.h"
#include "calc/analysis/loss_optimum.h"
#include "calc/text/result_format.h"
#include "calc/units.h"

namespace toroglav {

enum class FigureUnit {
    None,
    Tesla,
    KilowattPerCubicMetre,
    Watt,
    DegreeC,
    Kelvin,
    KelvinPerWatt,
    SquareCentimetre,
    Ampere,
    Milliohm,
    Percent,
};

// The unit as the command line writes it after a key: "T", "kW_m3", "W"; empty for None.
std::string_view UnitSuffix(FigureUnit unit);
// The unit as a heading writes it after the figure's name: "T", "kW/m3", "%".
std::string_view UnitText(FigureUnit unit);

// Where a figure is shown: the command line's listing, the window, or both.
enum FigureShown : unsigned { kListed = 1, kInWindow = 2, kEverywhere = kListed | kInWindow };

// A figure of `Of`: the analysis, one winding of it, or the optimum.
template <class Of>
struct Figure {
    std::string_view key;
    double (*value)(const Of&);  // as the analysis works it out, in SI units
    FigureUnit unit = FigureUnit::None;
    double scale = 1;            // from the value to the unit shown
    FixedDecimals decimals = 0;  // in the window
    unsigned shown = kEverywhere;

    double Shown(const Of& of) const { return value(of) * scale; }
};

namespace figures {

using A = LossAnalysis;
using W = WindingLoss;
using O = LossOptimum;
using enum FigureUnit;
inline constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

// The core.
inline constexpr Figure<A> kConduction{
    "conduction", [](const A& a) { return a.conduction; }, None, 1, 3, kListed};
inline constexpr Figure<A> kFluxDensityPeak{
    "flux_peak", [](const A& a) { return a.fluxDensityPeakT; }, Tesla, 1, 3};
inline constexpr Figure<A> kFluxDensityPeakWorst{
    "flux_peak_worst", [](const A& a) { return a.fluxDensityPeakWorstT; }, Tesla, 1, 3};
inline constexpr Figure<A> kSaturation{
    "saturation", [](const A& a) { return a.saturationFluxDensityT; }, Tesla, 1, 3};
inline constexpr Figure<A> kSaturationMargin{
    "saturation_margin", [](const A& a) { return a.saturationMarginT; }, Tesla, 1, 3, kInWindow};
inline constexpr Figure<A> kCoreTemperature{
    "core_temperature", [](const A& a) { return a.coreTemperatureC; }, DegreeC, 1, 1};
inline constexpr Figure<A> kTemperatureRise{
    "temperature_rise", [](const A& a) { return a.temperatureRiseK; }, Kelvin, 1, 1};
inline constexpr Figure<A> kThermalResistance{
    "thermal_resistance", [](const A& a) { return a.thermalResistanceKPerW; }, KelvinPerWatt, 1, 1};
inline constexpr Figure<A> kSurface{"surface", [](const A& a) { return a.surfaceCm2; },
                                    SquareCentimetre, 1, 1};
inline constexpr Figure<A> kCoreLossDensity{"core_loss_density",
                                            [](const A& a) { return a.coreLossDensityWPerM3; },
                                            KilowattPerCubicMetre, units::kKilowatt, 1};
inline constexpr Figure<A> kCoreLoss{"core_loss", [](const A& a) { return a.coreLossW; }, Watt, 1,
                                     3};

// Each winding.
inline constexpr Figure<W> kHalves{
    "halves", [](const W& w) { return static_cast<double>(w.halves); }, None, 1, 0, kListed};
inline constexpr Figure<W> kCurrentRms{"current_rms", [](const W& w) { return w.currentRmsA; },
                                       Ampere, 1, 3};
inline constexpr Figure<W> kResistanceDc{
    "resistance_dc", [](const W& w) { return w.resistanceDcOhm; }, Milliohm, units::kMilliohm, 2};
inline constexpr Figure<W> kLayers{
    "layers", [](const W& w) { return static_cast<double>(w.layers); }, None, 1, 0};
inline constexpr Figure<W> kPorosity{"porosity", [](const W& w) { return w.porosity; }, None, 1, 2};
inline constexpr Figure<W> kAcFactor{"ac_factor", [](const W& w) { return w.acFactor; }, None, 1,
                                     2};
inline constexpr Figure<W> kWindingCopperLoss{"copper_loss",
                                              [](const W& w) { return w.copperLossW; }, Watt, 1, 3};

// The totals.
inline constexpr Figure<A> kCopperLoss{"copper_loss", [](const A& a) { return a.copperLossW; },
                                       Watt, 1, 3};
inline constexpr Figure<A> kTotalLoss{"total_loss", [](const A& a) { return a.totalLossW; }, Watt,
                                      1, 3};
inline constexpr Figure<A> kLoadPower{"load_power", [](const A& a) { return a.loadPowerW; }, Watt,
                                      1, 2};
inline constexpr Figure<A> kEfficiency{"efficiency", [](const A& a) { return a.efficiency; },
                                       Percent, units::kPercent, 2};

// The optimum; not a number where there is none.
inline constexpr Figure<O> kOptimumInduction{
    "optimum_induction_max",
    [](const O& o) { return o.inductionMaxT ? *o.inductionMaxT : kNotANumber; }, Tesla, 1, 3};
inline constexpr Figure<O> kOptimumFluxDensityPeak{
    "optimum_flux_peak",
    [](const O& o) { return o.inductionMaxT ? o.fluxDensityPeakT : kNotANumber; }, Tesla, 1, 3};
inline constexpr Figure<O> kOptimumTotalLoss{
    "total_loss_at_optimum",
    [](const O& o) { return o.inductionMaxT ? o.totalLossW : kNotANumber; }, Watt, 1, 3};

// The flags, 1 or 0.
inline constexpr Figure<A> kThermalRunaway{"thermal_runaway",
                                           [](const A& a) { return a.thermalRunaway ? 1.0 : 0.0; },
                                           None,
                                           1,
                                           0,
                                           kListed};
inline constexpr Figure<A> kOutsideData{
    "outside_data", [](const A& a) { return a.outsideData ? 1.0 : 0.0; }, None, 1, 0, kListed};
inline constexpr Figure<A> kWindingsFit{
    "windings_fit", [](const A& a) { return a.windingsFit ? 1.0 : 0.0; }, None, 1, 0, kListed};

}  // namespace figures

// The figures in the order the listing gives them: those of the core, each winding's, the
// totals, the optimum's, then the flags.
inline constexpr Figure<LossAnalysis> kCoreFigures[] = {
    figures::kConduction,      figures::kFluxDensityPeak,   figures::kFluxDensityPeakWorst,
    figures::kSaturation,      figures::kSaturationMargin,  figures::kCoreTemperature,
    figures::kTemperatureRise, figures::kThermalResistance, figures::kSurface,
    figures::kCoreLossDensity, figures::kCoreLoss};
inline constexpr Figure<WindingLoss> kWindingFigures[] = {
    figures::kHalves,   figures::kCurrentRms, figures::kResistanceDc,     figures::kLayers,
    figures::kPorosity, figures::kAcFactor,   figures::kWindingCopperLoss};
inline constexpr Figure<LossAnalysis> kTotalFigures[] = {figures::kCopperLoss, figures::kTotalLoss,
                                                         figures::kLoadPower, figures::kEfficiency};
inline constexpr Figure<LossOptimum> kOptimumFigures[] = {
    figures::kOptimumInduction, figures::kOptimumFluxDensityPeak, figures::kOptimumTotalLoss};
inline constexpr Figure<LossAnalysis> kFlagFigures[] = {
    figures::kThermalRunaway, figures::kOutsideData, figures::kWindingsFit};

}  // namespace toroglav
