#pragma once
// The temperature a transformer's core settles at in free air: T = T_ambient + R_th P(T), where
// the loss P itself depends on the temperature (the ferrite's loss curve, copper's resistance).

#include <functional>

namespace toroglav {

// R_th = 53 Ve^-0.54 K/W with the core volume Ve in cm3: the empirical thermal resistance of a
// ferrite transformer in free air.
double ThermalResistance(double coreVolumeCm3);

struct SettledCore {
    enum class Outcome {
        Settled,     // at temperatureC
        RunsAway,    // no balance below the limit
        NotANumber,  // the losses are not a number at some temperature on the way (an infinite
                     // loss is no balance)
    };
    Outcome outcome = Outcome::NotANumber;
    double temperatureC = 0;  // when settled
};

// The lowest temperature at or above `ambientC` where the losses `lossW(T)` balance the heat the
// core gives off, to limits::kSettledToleranceK, below `limitC` (the ferrite's Curie
// temperature): a balance at it or above, or within the tolerance of it, or none, is thermal
// runaway. The temperature settled at
// is the last one `lossW` was asked for, so a caller may keep what it worked out there.
SettledCore SettledTemperature(double ambientC, double thermalResistanceKPerW, double limitC,
                               const std::function<double(double)>& lossW);

}  // namespace toroglav
