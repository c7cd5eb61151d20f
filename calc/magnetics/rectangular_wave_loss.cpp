#include "calc/magnetics/rectangular_wave_loss.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace toroglav {

double RectangularWaveLossFactor(double frequencyExponent, double conductionFraction) {
    using std::numbers::pi;
    const double alpha = frequencyExponent;
    // The ratio's ln with I(alpha) written out: 2^(2 alpha) / ((2 pi)^(alpha - 1) 2 sqrt(pi))
    // is sqrt(pi) (2 / pi)^alpha. lgamma takes a fifth of tgamma's time; the sign it leaves in
    // the global signgam is never read (both gammas are positive here).
    const double lnSquareWaveRatio = 0.5 * std::log(pi) + alpha * std::log(2 / pi) -
                                     std::lgamma((alpha + 1) / 2) + std::lgamma(alpha / 2 + 1);
    return std::exp(lnSquareWaveRatio + (1 - std::max(alpha, 1.0)) * std::log(conductionFraction));
}

LossDensity RectangularWaveLossDensity(const FerriteMaterial& material, double frequencyHz,
                                       double fluxDensityPeakT, double temperatureC,
                                       double conductionFraction) {
    LossDensity density = SineLossDensity(material, frequencyHz, fluxDensityPeakT, temperatureC);
    density.wattsPerCubicMetre *=
        RectangularWaveLossFactor(density.frequencyExponent, conductionFraction);
    density.outsideData =
        density.outsideData || frequencyHz / conductionFraction > material.frequencyHz.max;
    return density;
}

}  // namespace toroglav
