#include "calc/magnetics/saturation_flux_density.h"

#include <algorithm>

namespace toroglav {

SaturationFluxDensity SaturationFluxDensityAt(const FerriteMaterial& material,
                                              double temperatureC) {
    const double fromC = std::max(temperatureC, kSaturationLowTemperatureC);
    const double w = (fromC - kSaturationLowTemperatureC) /
                     (kSaturationHighTemperatureC - kSaturationLowTemperatureC);
    const double tesla =
        material.saturationFluxDensity25CT +
        w * (material.saturationFluxDensity100CT - material.saturationFluxDensity25CT);
    return {std::max(tesla, 0.0), !(temperatureC >= kSaturationLowTemperatureC &&
                                    temperatureC <= kSaturationHighTemperatureC)};
}

}  // namespace toroglav
