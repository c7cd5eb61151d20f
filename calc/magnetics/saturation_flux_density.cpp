#include "calc/magnetics/saturation_flux_density.h"

#include <algorithm>

namespace toroglav {

SaturationFlux SaturationFluxDensity(const FerriteMaterial& material, double temperatureC) {
    const double clamped =
        std::clamp(temperatureC, kSaturationLowTemperatureC, kSaturationHighTemperatureC);
    const double w = (clamped - kSaturationLowTemperatureC) /
                     (kSaturationHighTemperatureC - kSaturationLowTemperatureC);
    return {material.saturationFlux25CT +
                w * (material.saturationFlux100CT - material.saturationFlux25CT),
            clamped != temperatureC};
}

}  // namespace toroglav
