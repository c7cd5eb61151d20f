#include "calc/analysis/loss_analysis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

#include "calc/constants.h"
#include "calc/limits.h"
#include "calc/magnetics/core_temperature.h"
#include "calc/magnetics/harmonic_winding_loss.h"
#include "calc/magnetics/rectangular_wave_loss.h"
#include "calc/magnetics/saturation_flux_density.h"
#include "calc/magnetics/surface_heat_transfer.h"
#include "calc/magnetics/winding_resistance.h"
#include "calc/units.h"
#include "calc/winding/winding_plan.h"

namespace toroglav {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

std::string_view UnjudgedReason(Unjudged why, int output) {
    constexpr std::string_view kNegativeCurrent[kOutputCount] = {
        "output 1 draws a negative current, which is no load",
        "output 2 draws a negative current, which is no load",
        "output 3 draws a negative current, which is no load",
        "output 4 draws a negative current, which is no load",
        "output 5 draws a negative current, which is no load"};
    switch (why) {
        case Unjudged::No:
            return {};
        case Unjudged::ResultsNotFinite:
            return "the design's results are not all finite numbers";
        case Unjudged::NoOutput:
            return "no output is in use";
        case Unjudged::NegativeOutputCurrent:
            return output >= 1 && output <= kOutputCount ? kNegativeCurrent[output - 1]
                                                         : "an output draws a negative current";
        case Unjudged::NoFrequency:
            return "the frequency is not above 0";
        case Unjudged::NoDuty:
            return "the working duty is not above 0";
        case Unjudged::NoPrimaryVoltage:
            return "the voltage across the primary at nominal supply is not above 0";
        case Unjudged::NoCoreVolume:
            return "the core's volume is not above 0";
        case Unjudged::NoFluxDensity:
            return "the flux density is not above 0";
        case Unjudged::NoRoom:
            return "a winding has no room on the core: the plan lays it in no layer or in too many";
        case Unjudged::PrimaryOverloaded:
            return "no current carries the loads' power through the primary's resistance";
        case Unjudged::LossesNotANumber:
            return "the losses are not a number at some temperature up to the Curie temperature";
    }
    return {};
}

namespace {

// What a winding carries, by magnitude.
struct WindingWire {
    int halves = 1;
    double currentRmsA = 0;  // of each half; the primary's follows from the power balance
    const CurrentSpectrum* spectrum = nullptr;
};

// A winding of the plan, or a part of an interleaved primary: the layers its field builds over
// (Dowell's m) and its share of the resistance.
struct WoundPart {
    double fieldLayers = 0;
    double pitchMm = 0;  // of the conductors in its first (fullest) layer
    // R_dc over the copper's resistivity, 1/m.
    double resistancePerResistivity = 0;
};

// Where a winding lies, from the plan (winding_plan.h), once: it does not change with temperature.
struct PlacedWinding {
    WindingWire wire;
    int layers = 0;                    // of all its parts
    double wireMm = 0;                 // the standard wire wound
    double pitchMm = 0;                // of the conductors in its first part's first layer
    std::array<WoundPart, 2> parts{};  // the primary's halves when interleaved
    int partCount = 0;
};

// The spectra of the three waveforms a winding's current can have, each made once when needed.
class Spectra {
public:
    explicit Spectra(double duty) : duty_(duty) {}
    const CurrentSpectrum* Pulse() { return Made(pulse_, &CurrentSpectrum::Pulse); }
    const CurrentSpectrum* Bipolar() { return Made(bipolar_, &CurrentSpectrum::BipolarPulses); }
    const CurrentSpectrum* CentreTapped() {
        return Made(centreTapped_, &CurrentSpectrum::CentreTappedHalf);
    }

private:
    const CurrentSpectrum* Made(std::optional<CurrentSpectrum>& spectrum,
                                CurrentSpectrum (*make)(double)) {
        if (!spectrum) spectrum = make(duty_);
        return &*spectrum;
    }
    double duty_;
    std::optional<CurrentSpectrum> pulse_, bipolar_, centreTapped_;
};

std::vector<PlacedWinding> PlaceWindings(const DesignResult& d, const winding::Plan& plan,
                                         Spectra& spectra) {
    const stages::Inputs& in = d.inputs;
    std::vector<WindingWire> wires;
    const bool pushPull = in.converter == Converter::PushPull;
    wires.push_back(
        {.halves = pushPull ? 2 : 1, .spectrum = pushPull ? spectra.Pulse() : spectra.Bipolar()});
    for (int i = 0; i < kOutputCount; ++i) {
        const stages::Output& output = d.outputs.each[i];
        if (!output.inUse) continue;
        wires.push_back({.halves = output.rectifier == Rectifier::Bridge ? 1 : 2,
                         .currentRmsA = std::abs(output.rmsCurrent),
                         .spectrum = output.rectifier == Rectifier::Unipolar
                                         ? spectra.CentreTapped()
                                         : spectra.Bipolar()});
    }
    std::vector<PlacedWinding> placed;
    for (const WindingWire& wire : wires)
        placed.push_back(PlacedWinding{.wire = wire, .pitchMm = kNaN});
    if (!plan.planned) return placed;  // no room to judge: UnjudgedOf
    // The windings as the plan lays them: the primary (or the two parts of an interleaved one,
    // where its turns are enough to split), and the outputs in use in the same order as `wires`.
    const bool interleaved = plan.windings.front().part == winding::Part::FirstHalf;
    std::size_t output = 0;
    for (const winding::Winding& w : plan.windings) {
        PlacedWinding& p = placed[w.output == 0 ? 0 : ++output];
        // A centre-tapped winding is bifilar: each half has its turns in every layer. The part
        // of the halves' currents that carries the transformer's flux (their difference, with
        // every odd harmonic) flows the same way in the conductors of both halves, so its field
        // builds up over all the winding's layers, and every conductor of a layer lies in it:
        // Dowell's m is the whole layer count, the pitch that of all conductors of a layer. The
        // halves' common part (DC, and a push-pull half's even harmonics) flows opposite ways in
        // neighbouring conductors and makes little field; counting its harmonics at that factor
        // errs high by their small share.
        // Between the parts of an interleaved primary the field falls from the first part's to
        // the opposite of the second's, so the outputs count half their layers each way (exact
        // for one output, the parts' turns equal; with several, those next to a part more).
        const int layers = static_cast<int>(w.layers.size());
        const double pitchMm = winding::Winding::PitchMm(w.layers.front());
        if (p.partCount == 0) {
            p.wireMm = w.wireMm;
            p.pitchMm = pitchMm;
        }
        p.layers += layers;
        p.parts[static_cast<std::size_t>(p.partCount++)] = {
            .fieldLayers = w.output > 0 && interleaved ? layers / 2.0 : layers,
            .pitchMm = pitchMm,
            .resistancePerResistivity = w.resistanceDcOhm / constants::kCopperResistivity20C};
    }
    return placed;
}

// Why a design cannot be judged (with the output that draws a negative current), or No.
std::pair<Unjudged, int> UnjudgedOf(const DesignResult& d,
                                    const std::vector<PlacedWinding>& windings) {
    if (!d.Finite()) return {Unjudged::ResultsNotFinite, 0};
    if (std::ranges::none_of(d.outputs.each, [](const stages::Output& o) { return o.inUse; }))
        return {Unjudged::NoOutput, 0};
    for (int i = 0; i < kOutputCount; ++i)
        if (d.outputs.each[i].inUse && d.inputs.outCurrent[i] < 0)
            return {Unjudged::NegativeOutputCurrent, i + 1};
    if (!(d.inputs.frequency > 0)) return {Unjudged::NoFrequency, 0};
    if (!(d.outputs.duty.nominal > 0)) return {Unjudged::NoDuty, 0};
    if (!(d.operatingPoint.primaryNom > 0)) return {Unjudged::NoPrimaryVoltage, 0};
    if (!(d.core.ve > 0)) return {Unjudged::NoCoreVolume, 0};
    if (!(d.primary.inductionNom > 0)) return {Unjudged::NoFluxDensity, 0};
    for (const PlacedWinding& w : windings)
        for (int k = 0; k < std::max(w.partCount, 1); ++k)
            if (const WoundPart& part = w.parts[static_cast<std::size_t>(k)];
                !(w.layers > 0 && part.pitchMm > 0 && part.resistancePerResistivity > 0))
                return {Unjudged::NoRoom, 0};
    return {Unjudged::No, 0};
}

// What the transformer dissipates at one core temperature.
struct Losses {
    double coreW = 0;
    LossDensity coreDensity;
    double copperW = 0;
    double TotalW() const { return coreW + copperW; }
};

class LossModel {
public:
    LossModel(const DesignResult& d, const FerriteMaterial& material,
              std::vector<PlacedWinding> windings)
        : material_(material),
          windings_(std::move(windings)),
          frequencyHz_(d.inputs.frequency * units::kHertzPerKilohertz),
          volumeM3_(d.core.ve * units::kCubicMetresPerCubicCentimetre),
          conduction_(2 * d.outputs.duty.nominal),
          fluxDensityPeakT_(d.primary.inductionNom * conduction_),
          primaryVoltage_(d.operatingPoint.primaryNom) {
        for (const stages::Output& o : d.outputs.each) {
            if (!o.inUse) continue;
            loadW_ += std::abs(o.voltage) * std::abs(o.current);
            rectifierW_ += o.drop * std::abs(o.current);
        }
    }

    double LoadW() const { return loadW_; }
    double Conduction() const { return conduction_; }
    double FluxDensityPeakT() const { return fluxDensityPeakT_; }
    const std::vector<PlacedWinding>& Windings() const { return windings_; }

    // Winding w's DC resistance and effective AC factor at the copper's resistivity `rho`.
    WindingLoss Winding(std::size_t w, double rho, double currentRmsA) const {
        const PlacedWinding& p = windings_[w];
        const std::span<const WoundPart> parts(p.parts.data(),
                                               static_cast<std::size_t>(p.partCount));
        double resistancePerResistivity = 0;
        for (const WoundPart& part : parts)
            resistancePerResistivity += part.resistancePerResistivity;
        WindingLoss loss{.halves = p.wire.halves,
                         .currentRmsA = currentRmsA,
                         .resistanceDcOhm = rho * resistancePerResistivity,
                         .layers = p.layers,
                         .porosity = p.wireMm / p.pitchMm,
                         .acFactor = 0};
        // Each part's factor weighed by its share of the resistance.
        const double skinDepthM = SkinDepth(rho, frequencyHz_);
        for (const WoundPart& part : parts)
            loss.acFactor += part.resistancePerResistivity / resistancePerResistivity *
                             p.wire.spectrum->AcFactor(
                                 DowellDelta(p.wireMm, part.pitchMm, skinDepthM), part.fieldLayers);
        loss.copperLossW =
            p.wire.halves * currentRmsA * currentRmsA * loss.resistanceDcOhm * loss.acFactor;
        return loss;
    }

    // The losses at `temperatureC`; each winding's are kept until the next call.
    Losses At(double temperatureC) {
        if (temperatureC == lastTemperatureC_) return last_;
        Losses losses;
        losses.coreDensity =
            RectangularWaveLossDensity(material_, frequencyHz_, fluxDensityPeakT_, temperatureC,
                                       std::clamp(conduction_, limits::kLeastConduction, 1.0));
        losses.coreW = losses.coreDensity.wattsPerCubicMetre * volumeM3_;
        const double rho = CopperResistivity(temperatureC);
        each_.resize(windings_.size());
        double outputsW = 0;
        for (std::size_t w = 1; w < windings_.size(); ++w) {
            const WindingLoss loss = Winding(w, rho, windings_[w].wire.currentRmsA);
            outputsW += loss.copperLossW;
            each_[w] = loss;
        }
        // The primary carries, while it has voltage (the conduction 2D of the period), a current
        // I that delivers the loads, the rectifiers' drop and the losses, its own copper loss
        // c I^2 among them: 2D V I = P0 + c I^2, of which the smaller root. Each half carries
        // I for 2D / halves of the period.
        WindingLoss primary = Winding(0, rho, 1);  // per ampere in each half
        const double shareOfPeriod = conduction_ / primary.halves;
        const double delivered = loadW_ + rectifierW_ + losses.coreW + outputsW;
        const double carried = conduction_ * primaryVoltage_;
        const double discriminant =
            carried * carried - 4 * shareOfPeriod * primary.copperLossW * delivered;
        // Where no current can carry the power through the primary's resistance the loss is
        // beyond any bound: the core runs away, or cannot be judged if it does so cold.
        const double current = discriminant >= 0
                                   ? 2 * delivered / (carried + std::sqrt(discriminant))
                                   : std::numeric_limits<double>::infinity();
        primary.currentRmsA = current * std::sqrt(shareOfPeriod);
        primary.copperLossW *= primary.currentRmsA * primary.currentRmsA;
        each_[0] = primary;
        losses.copperW = outputsW + primary.copperLossW;
        lastTemperatureC_ = temperatureC;
        last_ = losses;
        return losses;
    }

    // The losses at `temperatureC` with each winding's, kept when it was the temperature asked
    // for last, as it is when settled (core_temperature.h).
    Losses At(double temperatureC, std::vector<WindingLoss>& each) {
        const Losses losses = At(temperatureC);
        each = each_;
        return losses;
    }

    // What the windings show without a temperature: the figures that need one are NaN.
    std::vector<WindingLoss> Unheated() const {
        std::vector<WindingLoss> each;
        for (const PlacedWinding& p : windings_)
            each.push_back({.halves = p.wire.halves,
                            .currentRmsA = &p == &windings_[0] ? kNaN : p.wire.currentRmsA,
                            .resistanceDcOhm = kNaN,
                            .layers = p.layers,
                            .porosity = p.wireMm / p.pitchMm,
                            .acFactor = kNaN,
                            .copperLossW = kNaN});
        return each;
    }

private:
    const FerriteMaterial& material_;
    std::vector<PlacedWinding> windings_;
    double frequencyHz_, volumeM3_, conduction_, fluxDensityPeakT_, primaryVoltage_;
    double loadW_ = 0, rectifierW_ = 0;
    // The last evaluation.
    double lastTemperatureC_ = kNaN;
    Losses last_;
    std::vector<WindingLoss> each_;
};

}  // namespace

const FerriteMaterial& MaterialOfDesign(std::int32_t materialIndex) {
    const bool n27 = KnownMaterial(materialIndex) == Material::N27;
    return *FindFerriteMaterial(n27 ? "N27" : "N87");
}

LossAnalysis AnalyseLosses(const DesignResult& d, const FerriteMaterial& material, double ambientC,
                           double airSpeedMPerS, const winding::PlanOptions& windingOptions) {
    Spectra spectra(d.outputs.duty.nominal);
    const winding::Plan plan = winding::PlanWinding(d, windingOptions);
    LossModel model(d, material, PlaceWindings(d, plan, spectra));

    LossAnalysis a;
    a.windingsFit = plan.fits;
    std::tie(a.unjudged, a.unjudgedOutput) = UnjudgedOf(d, model.Windings());
    a.conduction = model.Conduction();
    a.fluxDensityPeakT = model.FluxDensityPeakT();
    // The calculation's inductions assume the voltage over the whole half-period; the core sees
    // it for the working duty only, and in the worst case for the maximum duty at the highest
    // supply.
    a.fluxDensityPeakWorstT = d.primary.inductionMax * 2 * d.operatingPoint.dutyMax;
    a.loadPowerW = model.LoadW();
    // The heat leaves the core's faces and the windings' outside, as thick as the plan builds
    // them, layers and tape.
    const stages::Inputs& in = d.inputs;
    const TransformerSurface surface =
        TransformerSurfaceOf(in.coreType, in.dimD, in.dimd, in.dimh, in.dimho, in.dimHs, in.dimL,
                             d.core.ae, d.core.so, plan.buildMm);
    a.surfaceCm2 = surface.AreaM2() * units::kSquareCentimetresPerSquareMetre;
    const auto thermalResistance = [&](double c) {
        return SurfaceHeatAt(surface, c, ambientC, airSpeedMPerS).ThermalResistanceKPerW();
    };

    // The temperature the figures are worked out at: the settled one; the Curie temperature for a
    // core that runs away (where it gives up); none for a design that cannot be judged.
    double t = kNaN;
    if (a.unjudged == Unjudged::No && std::isinf(model.At(ambientC).TotalW()))
        a.unjudged = Unjudged::PrimaryOverloaded;
    if (a.unjudged == Unjudged::No) {
        const SettledCore settled =
            SettledTemperature(ambientC, thermalResistance, material.curieTemperatureC,
                               [&model](double c) { return model.At(c).TotalW(); });
        switch (settled.outcome) {
            case SettledCore::Outcome::Settled:
                t = settled.temperatureC;
                break;
            case SettledCore::Outcome::RunsAway:
                a.thermalRunaway = true;
                t = material.curieTemperatureC;
                break;
            case SettledCore::Outcome::NotANumber:
                a.unjudged = Unjudged::LossesNotANumber;
                break;
        }
    }
    a.judged = a.unjudged == Unjudged::No;
    a.reason = UnjudgedReason(a.unjudged, a.unjudgedOutput);
    a.coreTemperatureC = a.judged && !a.thermalRunaway ? t : kNaN;
    a.temperatureRiseK = a.coreTemperatureC - ambientC;

    std::vector<WindingLoss> windings;
    if (a.judged) {
        const SurfaceHeat heat = SurfaceHeatAt(surface, t, ambientC, airSpeedMPerS);
        a.thermalResistanceKPerW = heat.ThermalResistanceKPerW();
        const Losses losses = model.At(t, windings);
        a.coreLossDensityWPerM3 = losses.coreDensity.wattsPerCubicMetre;
        a.coreLossW = losses.coreW;
        a.copperLossW = losses.copperW;
        a.totalLossW = losses.TotalW();
        a.efficiency = a.loadPowerW / (a.loadPowerW + a.totalLossW);
        const SaturationFluxDensity saturation = SaturationFluxDensityAt(material, t);
        a.saturationFluxDensityT = saturation.tesla;
        a.outsideData =
            losses.coreDensity.outsideData || saturation.outsideData || heat.outsideRange;
    } else {
        windings = model.Unheated();
        a.thermalResistanceKPerW = a.coreLossDensityWPerM3 = a.coreLossW = a.copperLossW =
            a.totalLossW = a.efficiency = a.saturationFluxDensityT = kNaN;
    }
    a.saturationMarginT = a.saturationFluxDensityT - a.fluxDensityPeakWorstT;
    a.primary = windings[0];
    for (std::size_t i = 0, w = 1; i < kOutputCount; ++i)
        if (d.outputs.each[i].inUse) a.outputs[i] = windings[w++];
    return a;
}

}  // namespace toroglav
