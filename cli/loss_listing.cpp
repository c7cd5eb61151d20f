#include "cli/loss_listing.h"

#include <charconv>
#include <cmath>

#include "calc/text/joined_text.h"

namespace toroglav::cli {

namespace {

std::string Number(double value) {
    if (std::isnan(value)) return "nan";
    char buffer[32];
    const auto end =
        std::to_chars(buffer, std::end(buffer), value, std::chars_format::general, 6).ptr;
    return std::string(buffer, end);
}

void Line(std::string& out, std::string_view name, const std::string& value) {
    AppendJoined(out, {name, "=", value, "\n"});
}

void WindingLines(std::string& out, std::string_view tag, const WindingLoss& w) {
    Line(out, Joined({"current_rms_A", tag}), Number(w.currentRmsA));
    Line(out, Joined({"resistance_dc_mOhm", tag}), Number(w.resistanceDcOhm * 1e3));
    Line(out, Joined({"layers", tag}), std::to_string(w.layers));
    Line(out, Joined({"ac_factor", tag}), Number(w.acFactor));
    Line(out, Joined({"copper_loss_W", tag}), Number(w.copperLossW));
}

}  // namespace

std::string ListLosses(const FerriteMaterial& material, double ambientC, const LossAnalysis& a,
                       const LossOptimum& optimum) {
    std::string out;
    Line(out, "material", std::string(material.name));
    Line(out, "ambient_C", Number(ambientC));
    Line(out, "conduction", Number(a.conduction));
    Line(out, "flux_peak_T", Number(a.fluxPeakT));
    Line(out, "flux_peak_worst_T", Number(a.fluxPeakWorstT));
    Line(out, "saturation_T", Number(a.saturationT));
    Line(out, "core_temperature_C", Number(a.coreTemperatureC));
    Line(out, "temperature_rise_K", Number(a.temperatureRiseK));
    Line(out, "thermal_resistance_K_W", Number(a.thermalResistanceKPerW));
    Line(out, "core_loss_density_kW_m3", Number(a.coreLossDensityWPerM3 / 1e3));
    Line(out, "core_loss_W", Number(a.coreLossW));
    WindingLines(out, "[P]", a.primary);
    for (int i = 0; i < kOutputCount; ++i)
        if (a.outputs[i])
            WindingLines(out, Joined({"[", std::to_string(i + 1), "]"}), *a.outputs[i]);
    Line(out, "copper_loss_W", Number(a.copperLossW));
    Line(out, "total_loss_W", Number(a.totalLossW));
    Line(out, "load_power_W", Number(a.loadPowerW));
    Line(out, "efficiency_percent", Number(a.efficiencyPercent));
    const double nan = std::nan("");
    Line(out, "optimum_flux_T", Number(optimum.inductionMaxT.value_or(nan)));
    Line(out, "total_loss_at_optimum_W", Number(optimum.inductionMaxT ? optimum.totalLossW : nan));
    Line(out, "thermal_runaway", a.thermalRunaway ? "1" : "0");
    Line(out, "outside_data", a.outsideData ? "1" : "0");
    return out;
}

}  // namespace toroglav::cli
