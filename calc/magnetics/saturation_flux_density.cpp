#include "calc/magnetics/saturation_flux_density.h"

#include <algorithm>

namespace toroglav {

SaturationFluxDensity SaturationFluxDensityAt(const FerriteMaterial& material,
                                              double temperatureC) {
    const double clamped =
        std::clamp(temperatureC, kSaturationLowTemperatureC, kSaturationHighTemperatureC);
    const double w = (clamped - kSaturationLowTemperatureC) /
                     (kSaturationHighTemperatureC - kSaturationLowTemperatureC);
    return {material.saturationFluxDensity25CT +
                w * (material.saturationFluxDensity100CT - material.saturationFluxDensity25CT),
            clamped != temperatureC};
}

}  // namespace toroglav
