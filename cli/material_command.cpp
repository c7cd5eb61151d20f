#include "cli/material_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "calc/limits.h"
#include "calc/magnetics/core_loss_density.h"
#include "calc/magnetics/ferrite_material.h"
#include "calc/magnetics/rectangular_wave_loss.h"
#include "calc/magnetics/saturation_flux_density.h"
#include "calc/text/joined_text.h"
#include "calc/units.h"
#include "cli/number_argument.h"

namespace toroglav::cli {

namespace {

constexpr std::string_view kList = "--list-materials";
constexpr std::string_view kLoss = "--loss-density";

std::string NumberText(double value, std::chars_format format, int precision) {
    char buffer[32];
    return std::string(buffer,
                       std::to_chars(buffer, std::end(buffer), value, format, precision).ptr);
}

// Six significant digits, always with a decimal point: "375.123", "0.390000", and outside
// 0.001 to a million with an exponent, "1.23457e+09", so no figure runs to hundreds of digits.
std::string DecimalText(double value) {
    if (value != 0 && !(std::abs(value) >= 1e-3 && std::abs(value) < 1e6))
        return NumberText(value, std::chars_format::scientific, 5);
    const int magnitude = value > 0 ? static_cast<int>(std::floor(std::log10(value))) : 0;
    return NumberText(value, std::chars_format::fixed, std::max(1, 5 - magnitude));
}

std::string RangeText(double min, double max) {
    return Joined({NumberText(min, std::chars_format::general, 4), "-",
                   NumberText(max, std::chars_format::general, 4)});
}

std::string ListMaterials() {
    std::string out;
    for (const FerriteMaterial& m : FerriteMaterials())
        AppendJoined(out, {m.name, "\t", m.maker, "\t",
                           RangeText(m.frequencyHz.min * units::kKilohertz,
                                     m.frequencyHz.max * units::kKilohertz),
                           "\t",
                           RangeText(m.fluxDensityPeakT.min * units::kMillitesla,
                                     m.fluxDensityPeakT.max * units::kMillitesla),
                           "\t", RangeText(m.temperatureC().min, m.temperatureC().max), "\n"});
    return out;
}

struct LossRequest {
    const FerriteMaterial* material = nullptr;
    std::optional<double> frequencyKHz, fluxMT, temperatureC, conduction;
    bool sine = false;
};

// The number option `option` at args[i] reads args[i + 1] into `value`; an error text if not.
std::string ReadNumber(std::span<const std::string_view> args, std::size_t& i,
                       std::optional<double>& value) {
    const std::string_view option = args[i];
    if (value) return Joined({"'", option, "' is given twice"});
    if (i + 1 == args.size()) return Joined({"'", option, "' needs a number"});
    const std::string_view text = args[++i];
    value = NumberArgument(text);
    if (!value) return Joined({"'", option, "' needs a finite number, not '", text, "'"});
    return {};
}

// The request, or an error text.
std::string ReadRequest(std::span<const std::string_view> args, LossRequest& request) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::string error;
        if (arg == kLoss) {
            if (request.material) return Joined({"'", kLoss, "' is given twice"});
            if (i + 1 == args.size()) return Joined({"'", kLoss, "' needs a material"});
            const std::string_view name = args[++i];
            request.material = FindFerriteMaterial(name);
            if (!request.material)
                return Joined({"no material '", name, "'; known: ", MaterialNames()});
        } else if (arg == "--frequency") {
            error = ReadNumber(args, i, request.frequencyKHz);
        } else if (arg == "--flux") {
            error = ReadNumber(args, i, request.fluxMT);
        } else if (arg == "--temperature") {
            error = ReadNumber(args, i, request.temperatureC);
        } else if (arg == "--conduction") {
            error = ReadNumber(args, i, request.conduction);
        } else if (arg == "--sine") {
            request.sine = true;
        } else {
            return Joined({"'", arg, "' does not go with ", kLoss});
        }
        if (!error.empty()) return error;
    }
    if (!request.material) return Joined({"'", kLoss, "' needs a material"});
    for (const auto& [value, option] : {std::pair{&request.frequencyKHz, "--frequency KHZ"},
                                        std::pair{&request.fluxMT, "--flux MT"},
                                        std::pair{&request.temperatureC, "--temperature C"}})
        if (!*value) return Joined({"'", kLoss, "' needs ", option});
    if (*request.frequencyKHz <= 0) return "the frequency must be above 0";
    if (*request.fluxMT <= 0) return "the flux must be above 0";
    if (request.sine && request.conduction) return "give '--conduction' or '--sine', not both";
    if (request.conduction &&
        !(*request.conduction >= limits::kLeastConduction && *request.conduction <= 1))
        return "the conduction must be at least 0.001 and at most 1";
    return {};
}

}  // namespace

std::string MaterialNames() {
    std::string names;
    for (const FerriteMaterial& m : FerriteMaterials())
        AppendJoined(names, {names.empty() ? "" : ", ", m.name});
    return names;
}

bool IsMaterialCommand(std::span<const std::string_view> args) {
    return std::ranges::any_of(args, [](std::string_view a) { return a == kList || a == kLoss; });
}

MaterialAnswer AnswerMaterialCommand(std::span<const std::string_view> args) {
    if (std::ranges::find(args, kList) != args.end()) {
        if (args.size() > 1) return {false, Joined({"'", kList, "' takes no other argument"})};
        return {true, ListMaterials()};
    }
    LossRequest request;
    if (std::string error = ReadRequest(args, request); !error.empty())
        return {false, std::move(error)};

    const FerriteMaterial& material = *request.material;
    const double frequencyHz = *request.frequencyKHz * units::kHertzPerKilohertz;
    const double fluxDensityPeakT = *request.fluxMT * units::kTeslaPerMillitesla;
    const LossDensity loss =
        request.sine
            ? SineLossDensity(material, frequencyHz, fluxDensityPeakT, *request.temperatureC)
            : RectangularWaveLossDensity(material, frequencyHz, fluxDensityPeakT,
                                         *request.temperatureC, request.conduction.value_or(1.0));
    if (!std::isfinite(loss.wattsPerCubicMetre))
        return {false, "the loss density at this frequency and flux is beyond any number"};
    const SaturationFluxDensity saturation =
        SaturationFluxDensityAt(material, *request.temperatureC);
    return {true,
            Joined({"loss_density_kW_m3=", DecimalText(loss.wattsPerCubicMetre * units::kKilowatt),
                    "\nsaturation_T=", DecimalText(saturation.tesla), "\noutside_data=",
                    loss.outsideData || saturation.outsideData ? "1" : "0", "\n"})};
}

}  // namespace toroglav::cli
