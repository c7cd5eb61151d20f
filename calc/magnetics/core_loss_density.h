#pragma once
// The core-loss density of a ferrite under sinusoidal flux, from the surface fitted to its
// maker's loss curves (ferrite_material.h), with the local exponents of that surface.
//
// Inside the data the surface is a bicubic B-spline in ln f and ln B per temperature of the data,
// linear in temperature between them: continuous in f, B and T, with continuous exponents in f
// and B. Beyond the data's frequencies and peak fluxes it goes on as a power law with the
// exponents at the nearest edge. Below its temperatures it takes the coldest curve; above them
// ln Pv goes on linearly in T with the slope between the two hottest curves, or flat where that
// slope falls (and where the data hold one temperature only), with the exponents of the hottest.
// Each is flagged, as is a point inside those ranges where the makers give no curve (say 50 kHz
// at 25 mT for N87), where the fitted surface continues the curves nearby.

#include "calc/magnetics/ferrite_material.h"

namespace toroglav {

struct LossDensity {
    double wattsPerCubicMetre = 0;
    double frequencyExponent = 0;  // alpha = d ln Pv / d ln f
    double fluxExponent = 0;       // beta = d ln Pv / d ln B
    bool outsideData = false;
};

// `frequencyHz` and `fluxDensityPeakT` positive and finite, `temperatureC` finite.
LossDensity SineLossDensity(const FerriteMaterial& material, double frequencyHz,
                            double fluxDensityPeakT, double temperatureC);

}  // namespace toroglav
