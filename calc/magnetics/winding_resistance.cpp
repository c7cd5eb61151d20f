#include "calc/magnetics/winding_resistance.h"

#include <cmath>

#include "calc/constants.h"

namespace toroglav {

using namespace constants;

double CopperResistivity(double temperatureC) {
    return kCopperResistivity20C *
           (1 + kCopperTemperatureCoefficient * (temperatureC - kCopperReferenceC));
}

double SkinDepth(double resistivityOhmM, double frequencyHz) {
    return std::sqrt(resistivityOhmM / (kPi * frequencyHz * kMu0HenryPerMetre));
}

double DcResistance(double resistivityOhmM, double turns, double meanTurnLengthMm, double strands,
                    double wireMm) {
    const double wireM = wireMm * 1e-3;
    const double area = kPi / 4 * wireM * wireM * strands;
    return resistivityOhmM * turns * meanTurnLengthMm * 1e-3 / area;
}

double DowellDelta(double wireMm, double pitchMm, double skinDepthM) {
    return std::pow(kPi / 4, 0.75) * (wireMm * 1e-3 / skinDepthM) * std::sqrt(wireMm / pitchMm);
}

double DowellFactor(double wireMm, double pitchMm, int layers, double skinDepthM) {
    const double delta = DowellDelta(wireMm, pitchMm, skinDepthM);
    const double m = layers;
    const double layerTerm = 2 * (m * m - 1) / 3;
    // Thin wire: the series of Dowell's function, whose two ratios would cancel to nothing.
    if (delta < 0.01) return 1 + (5 * m * m - 1) / 45 * std::pow(delta, 4);
    // Far past the skin depth both ratios are 1 to the last digit, and sinh would overflow.
    if (delta > 20) return delta * (1 + layerTerm);
    const double skin =
        (std::sinh(2 * delta) + std::sin(2 * delta)) / (std::cosh(2 * delta) - std::cos(2 * delta));
    const double proximity =
        (std::sinh(delta) - std::sin(delta)) / (std::cosh(delta) + std::cos(delta));
    return delta * (skin + layerTerm * proximity);
}

}  // namespace toroglav
