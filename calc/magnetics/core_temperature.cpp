#include "calc/magnetics/core_temperature.h"

#include <cmath>

#include "calc/constants.h"
#include "calc/limits.h"

namespace toroglav {

double ThermalResistance(double coreVolumeCm3) {
    return constants::kThermalResistanceAt1Cm3 *
           std::pow(coreVolumeCm3, constants::kThermalResistanceVolumeExponent);
}

std::optional<double> SettledTemperature(double ambientC, double thermalResistanceKPerW,
                                         const std::function<double(double)>& lossW) {
    using limits::kRunawayTemperatureC;
    // How much warmer the losses at T would make the core than T: never below 0 at ambient.
    const auto excess = [&](double t) { return ambientC + thermalResistanceKPerW * lossW(t) - t; };

    // Heating up from ambient converges on the lowest balance in a few steps where the losses
    // grow slowly with temperature, as they do in a core that settles.
    double t = ambientC;
    for (int step = 0; step < 50; ++step) {
        const double next = ambientC + thermalResistanceKPerW * lossW(t);
        if (!std::isfinite(next)) return std::nullopt;
        if (next > kRunawayTemperatureC) break;  // the lowest balance lies above, if any
        if (std::abs(next - t) < 0.01) return next;
        t = next;
    }
    // Otherwise look for the first crossing in 5 K steps and halve it down to 0.05 K.
    constexpr double kScanStep = 5;
    double low = ambientC;
    for (double high = ambientC + kScanStep; low < kRunawayTemperatureC; high += kScanStep) {
        if (excess(high) <= 0) {
            while (high - low > limits::kSettledToleranceK) {
                const double middle = (low + high) / 2;
                (excess(middle) > 0 ? low : high) = middle;
            }
            return (low + high) / 2;
        }
        low = high;
    }
    return std::nullopt;
}

}  // namespace toroglav
