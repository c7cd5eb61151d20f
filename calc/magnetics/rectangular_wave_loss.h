#pragma once
// Core loss under the converter's voltage: a bipolar rectangular voltage applied for a fraction
// D of the period (both polarities together: 1 is a square wave without dead time, a push-pull
// whose switches each conduct 0.45 of the period is 0.9), without DC bias, so that the flux
// ramps between -B and +B and stands still in the dead time.
//
// The improved generalised Steinmetz equation with the sine surface's local exponent alpha at the
// operating point gives the ratio to the sine loss at the same frequency and peak flux:
//   Pv_rect / Pv_sine = 2^(2 alpha) D^(1 - max(alpha, 1)) / ((2 pi)^(alpha - 1) I(alpha)),
//   I(alpha) = integral of |cos x|^alpha over 0..2 pi = 2 sqrt(pi) G((alpha + 1) / 2) / G(alpha / 2
//   + 1).
// The flux exponent beta drops out, since both waveforms reach the same peak. A shorter
// conduction ramps the same flux faster, at the equivalent frequency f / D; where the data's local
// alpha is below 1 (77, 78 and 3F4 have such regions) the equation would make that loss per cycle
// fall, which no ferrite does, so the duty's exponent takes alpha at least 1 (the loss per cycle
// then stays the same, as a purely hysteretic loss would). An equivalent frequency above the
// data's is flagged, since the loss there is extrapolated.

#include "calc/magnetics/core_loss_density.h"

namespace toroglav {

// The ratio above; `conductionFraction` in (0, 1].
double RectangularWaveLossFactor(double frequencyExponent, double conductionFraction);

// The sine loss density (core_loss_density.h) times that ratio, with the same exponents and flag,
// also set when the equivalent frequency lies above the data's frequencies.
LossDensity RectangularWaveLossDensity(const FerriteMaterial& material, double frequencyHz,
                                       double fluxDensityPeakT, double temperatureC,
                                       double conductionFraction);

}  // namespace toroglav
