#include "calc/analysis/loss_analysis.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/limits.h"
#include "calc/magnetics/core_temperature.h"
#include "calc/magnetics/rectangular_wave_loss.h"
#include "calc/magnetics/saturation_flux_density.h"
#include "calc/magnetics/winding_build.h"
#include "calc/magnetics/winding_resistance.h"
#include "calc/units.h"

namespace toroglav {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A winding as the calculation leaves it: what it is wound with and what it carries.
struct WindingWire {
    int halves = 1;
    double turns = 0;  // of each half
    double strands = 0;
    double wireMm = 0;
    double currentRmsA = 0;  // of each half
};

// Where each winding lies, once: the build does not change with temperature.
struct PlacedWinding {
    WindingWire wire;
    WindingBuild build;
};

std::vector<PlacedWinding> PlaceWindings(const DesignResult& d) {
    const stages::Inputs& in = d.inputs;
    std::vector<WindingWire> wires;
    wires.push_back({.halves = in.converter == Converter::PushPull ? 2 : 1,
                     .turns = d.primary.turns,
                     .strands = d.power.primaryStrands,
                     .wireMm = in.wirePrimary,
                     .currentRmsA = d.power.primaryCurrentRms});
    for (int i = 0; i < kOutputCount; ++i) {
        const stages::Output& output = d.outputs.each[i];
        if (!output.inUse) continue;
        wires.push_back({.halves = output.rectifier == Rectifier::Bridge ? 1 : 2,
                         .turns = output.turns,
                         .strands = output.strands,
                         .wireMm = in.wireOut[i],
                         .currentRmsA = output.rmsCurrent});
    }
    const WindingSpace space = WindingSpaceOf(in.coreType, in.dimD, in.dimd, in.dimh, in.dimho,
                                              in.dimL, d.core.ae, d.core.so);
    std::vector<PlacedWinding> placed;
    double buildUnder = 0;
    for (const WindingWire& wire : wires) {
        const WindingBuild build =
            BuildWinding(space, wire.halves * wire.turns * wire.strands, wire.wireMm, buildUnder);
        buildUnder += build.thicknessMm;
        placed.push_back({wire, build});
    }
    return placed;
}

WindingLoss LossAt(const PlacedWinding& w, double temperatureC, double frequencyHz) {
    const double rho = CopperResistivity(temperatureC);
    WindingLoss loss;
    loss.halves = w.wire.halves;
    loss.currentRmsA = w.wire.currentRmsA;
    loss.layers = w.build.layers;
    loss.resistanceDcOhm =
        DcResistance(rho, w.wire.turns, w.build.meanTurnLengthMm, w.wire.strands, w.wire.wireMm);
    // The halves of a centre-tapped winding lie one over the other and conduct in turn, so the
    // field that crowds the current builds up over the layers of one half only.
    const int layersOfAHalf = (w.build.layers + w.wire.halves - 1) / w.wire.halves;
    loss.acFactor =
        DowellFactor(w.wire.wireMm, w.build.pitchMm, layersOfAHalf, SkinDepth(rho, frequencyHz));
    loss.copperLossW = w.wire.halves * w.wire.currentRmsA * w.wire.currentRmsA *
                       loss.resistanceDcOhm * loss.acFactor;
    return loss;
}

}  // namespace

const FerriteMaterial& MaterialOfDesign(std::int32_t materialIndex) {
    const bool n27 = KnownMaterial(materialIndex) == Material::N27;
    return *FindFerriteMaterial(n27 ? "N27" : "N87");
}

LossAnalysis AnalyseLosses(const DesignResult& d, const FerriteMaterial& material,
                           double ambientC) {
    LossAnalysis a;
    const bool anyOutput =
        std::ranges::any_of(d.outputs.each, [](const stages::Output& o) { return o.inUse; });
    if (!d.Finite()) {
        a.judged = false;
        a.reason = "the design's results are not all finite numbers";
    } else if (!anyOutput) {
        a.judged = false;
        a.reason = "no output is in use";
    }

    // The calculation's inductions assume the voltage over the whole half-period; the core sees
    // it for the working duty only, and in the worst case for the maximum duty at the highest
    // supply.
    const double duty = d.outputs.duty.nominal;
    a.conduction = 2 * duty;
    a.fluxDensityPeakT = d.primary.inductionNom * a.conduction;
    a.fluxDensityPeakWorstT = d.primary.inductionMax * 2 * d.operatingPoint.dutyMax;
    const double frequencyHz = d.inputs.frequency * units::kHertzPerKilohertz;
    const double volumeM3 = d.core.ve * units::kCubicMetresPerCubicCentimetre;
    const double conduction = std::clamp(a.conduction, 1e-3, 1.0);
    a.loadPowerW = d.power.loadPower;
    a.thermalResistanceKPerW = ThermalResistance(d.core.ve);

    const std::vector<PlacedWinding> windings = PlaceWindings(d);
    const auto coreLossAt = [&](double t) {
        return RectangularWaveLossDensity(material, frequencyHz, a.fluxDensityPeakT, t, conduction);
    };
    const auto totalLossAt = [&](double t) {
        double total = coreLossAt(t).wattsPerCubicMetre * volumeM3;
        for (const PlacedWinding& w : windings) total += LossAt(w, t, frequencyHz).copperLossW;
        return total;
    };

    std::optional<double> settled;
    if (a.judged && a.fluxDensityPeakT > 0 && frequencyHz > 0)
        settled = SettledTemperature(ambientC, a.thermalResistanceKPerW, totalLossAt);
    a.thermalRunaway = a.judged && !settled;
    // A core that runs away is shown with its losses at the temperature it gives up at.
    const double t = settled ? *settled : limits::kRunawayTemperatureC;
    a.coreTemperatureC = settled ? *settled : kNaN;
    a.temperatureRiseK = a.coreTemperatureC - ambientC;

    if (a.judged && a.fluxDensityPeakT > 0 && frequencyHz > 0) {
        const LossDensity core = coreLossAt(t);
        a.coreLossDensityWPerM3 = core.wattsPerCubicMetre;
        a.outsideData = core.outsideData;
    } else {
        a.coreLossDensityWPerM3 = kNaN;
    }
    a.coreLossW = a.coreLossDensityWPerM3 * volumeM3;

    a.copperLossW = 0;
    for (std::size_t i = 0, output = 0; i < windings.size(); ++i) {
        const WindingLoss loss = LossAt(windings[i], t, frequencyHz);
        a.copperLossW += loss.copperLossW;
        if (i == 0) {
            a.primary = loss;
            continue;
        }
        while (!d.outputs.each[output].inUse) ++output;
        a.outputs[output++] = loss;
    }
    a.totalLossW = a.coreLossW + a.copperLossW;
    a.efficiency = a.loadPowerW / (a.loadPowerW + a.totalLossW);

    const SaturationFluxDensity saturation = SaturationFluxDensityAt(material, t);
    a.saturationFluxDensityT = saturation.tesla;
    a.saturationMarginT = a.saturationFluxDensityT - a.fluxDensityPeakWorstT;
    a.outsideData = a.outsideData || saturation.outsideData;
    if (!a.judged) {
        a.thermalRunaway = false;
        a.coreTemperatureC = a.temperatureRiseK = kNaN;
    }
    return a;
}

}  // namespace toroglav
