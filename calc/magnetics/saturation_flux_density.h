#pragma once
// The saturation flux density of a ferrite at a core temperature: the maker's values at 25 and
// 100 degrees C (ferrite_material.h), linear between them. Above 100 degrees C it goes on falling
// with the same slope, never below 0 (ferrites lose it ever faster towards their Curie point, so
// this is the least it loses); below 25 degrees C it keeps the value at 25. Either is flagged.

#include "calc/magnetics/ferrite_material.h"

namespace toroglav {

// The temperatures of the makers' saturation flux densities, degrees C.
inline constexpr double kSaturationLowTemperatureC = 25;
inline constexpr double kSaturationHighTemperatureC = 100;

struct SaturationFluxDensity {
    double tesla = 0;
    bool outsideData = false;
};

SaturationFluxDensity SaturationFluxDensityAt(const FerriteMaterial& material, double temperatureC);

}  // namespace toroglav
