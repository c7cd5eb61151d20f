#pragma once
// The ferrite library: eight power ferrites with the ranges of their makers' loss data, the loss
// surface fitted to that data (core_loss_density.h evaluates it), the saturation flux density
// at 25 and 100 degrees C (saturation_flux_density.h) and the Curie temperature. The data are
// compiled in from ferrite_material_data.inc, which scripts/import-materials generates and checks
// against every data point; nothing is read at run time.

#include <cstdint>
#include <span>
#include <string_view>

namespace toroglav {

struct ValueRange {
    double min = 0;
    double max = 0;
};

// Knots of a uniform cubic B-spline in one variable: `intervals` steps of `step` from `start`.
struct KnotAxis {
    double start = 0;
    double step = 0;
    int intervals = 0;
};

// ln of the sine loss density (W/m3) over ln f (Hz) and ln B (peak, T), one bicubic B-spline per
// temperature of the data.
struct LossSurface {
    KnotAxis lnFrequencyHz;
    KnotAxis lnFluxDensityPeakT;
    std::span<const float> temperaturesC;  // ascending
    // Per temperature, (lnFrequencyHz.intervals + 3) x (lnFluxDensityPeakT.intervals + 3), flux
    // fastest.
    std::span<const float> coefficients;
    // Per temperature and frequency interval: bit k is set when flux interval k holds data.
    std::span<const std::uint32_t> coveredCells;
};

struct FerriteMaterial {
    std::string_view name;   // as the maker writes it: "N87", "3C90", "77"
    std::string_view maker;  // "TDK", "Ferroxcube", "Fair-Rite"
    ValueRange frequencyHz;  // of the loss data
    ValueRange fluxDensityPeakT;
    double saturationFluxDensity25CT = 0;  // the maker's saturation flux density at 25 degrees C
    double saturationFluxDensity100CT = 0;
    // Where the ferrite stops being magnetic, the maker's lower bound: a core that reaches it runs
    // away (core_temperature.h).
    double curieTemperatureC = 0;
    LossSurface lossSurface;

    ValueRange temperatureC() const {
        return {lossSurface.temperaturesC.front(), lossSurface.temperaturesC.back()};
    }
};

// Every material, in the order of the makers: TDK, Ferroxcube, Fair-Rite.
std::span<const FerriteMaterial> FerriteMaterials();

// The material named `name`, letter case ignored ("n87", "3c90"), or nullptr.
const FerriteMaterial* FindFerriteMaterial(std::string_view name);

}  // namespace toroglav
