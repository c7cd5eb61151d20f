#pragma once
// Resistance of a copper winding: DC at its temperature, and the AC factor of eddy currents in
// round wire by Dowell's layer model with the porosity correction for round conductors.

namespace toroglav {

// Copper at `temperatureC`: rho = rho20 (1 + alpha (T - 20)), Ohm m.
double CopperResistivity(double temperatureC);

// Skin depth in copper of that resistivity at `frequencyHz`: sqrt(rho / (pi f mu0)), m.
double SkinDepth(double resistivityOhmM, double frequencyHz);

// DC resistance of `turns` turns of `meanTurnLengthMm` in `strands` parallel wires of diameter
// `wireMm`, Ohm.
double DcResistance(double resistivityOhmM, double turns, double meanTurnLengthMm, double strands,
                    double wireMm);

// Dowell's Delta of round wire of diameter `wireMm` at pitch `pitchMm` in the layer (d / p its
// porosity) at skin depth `skinDepthM`: Delta = (pi / 4)^(3/4) (d / delta) sqrt(d / p).
double DowellDelta(double wireMm, double pitchMm, double skinDepthM);

// Dowell's F_R = R_ac / R_dc of `layers` layers of that wire for a sine current:
//   F_R = Delta [(sinh 2D + sin 2D) / (cosh 2D - cos 2D)
//                + 2 (m^2 - 1) / 3 (sinh D - sin D) / (cosh D + cos D)].
// A current that is not a sine: harmonic_winding_loss.h.
double DowellFactor(double wireMm, double pitchMm, int layers, double skinDepthM);

}  // namespace toroglav
