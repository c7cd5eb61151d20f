#include "cli/thermal_command.h"

#include <cmath>

#include "calc/magnetics/core_temperature.h"
#include "calc/magnetics/surface_heat_transfer.h"
#include "calc/text/joined_text.h"
#include "calc/units.h"

namespace toroglav::cli {

namespace {

// The hottest surface the balance is sought up to, degrees C: far beyond any the air data hold
// for, so that a balance is always found and flagged instead.
constexpr double kHottestSurfaceC = 5000;

}  // namespace

int RunThermal(const DesignRequest& request, const CalculatedDesign& design,
               const Streams& streams) {
    const stages::Inputs& in = design.result.inputs;
    const TransformerSurface surface =
        TransformerSurfaceOf(in.coreType, in.dimD, in.dimd, in.dimh, in.dimho, in.dimHs, in.dimL,
                             design.result.core.ae, design.result.core.so, -1);
    const double ambientC = request.ambientC, airSpeed = request.airSpeedMPerS;
    const double dissipationW = *request.dissipationW;
    const SettledCore settled = SettledTemperature(
        ambientC,
        [&](double c) {
            return SurfaceHeatAt(surface, c, ambientC, airSpeed).ThermalResistanceKPerW();
        },
        kHottestSurfaceC, [dissipationW](double) { return dissipationW; });
    const bool found = settled.outcome == SettledCore::Outcome::Settled;
    const double surfaceC = found ? settled.temperatureC : NAN;
    const SurfaceHeat heat = SurfaceHeatAt(surface, surfaceC, ambientC, airSpeed);
    if (!(surface.AreaM2() > 0))
        Print(streams.err, "toroglav-calc: the core's dimensions give no surface\n");
    else if (!found || heat.outsideRange)
        Print(streams.err,
              "toroglav-calc: the surface's temperature or the air speed lies beyond what the "
              "heat transfer's correlations hold for; the figures are extrapolated\n");
    std::string out;
    AppendJoined(out,
                 {"surface_cm2=",
                  FigureNumber(surface.AreaM2() * units::kSquareCentimetresPerSquareMetre), "\n"});
    AppendJoined(out, {"temperature_rise_K=", FigureNumber(surfaceC - ambientC), "\n"});
    AppendJoined(
        out, {"thermal_resistance_K_W=", FigureNumber((surfaceC - ambientC) / dissipationW), "\n"});
    return PrintOutput(streams, out);
}

}  // namespace toroglav::cli
