#pragma once
// The temperature a transformer's core settles at in free air: T = T_ambient + R_th P(T), where
// the loss P itself depends on the temperature (the ferrite's loss curve, copper's resistance).

#include <functional>
#include <optional>

namespace toroglav {

// R_th = 53 Ve^-0.54 K/W with the core volume Ve in cm3: the empirical thermal resistance of a
// ferrite transformer in free air.
double ThermalResistance(double coreVolumeCm3);

// The lowest temperature at or above `ambientC` where the losses `lossW(T)` balance the heat the
// core gives off, to limits::kSettledToleranceK; nothing when there is none below
// limits::kRunawayTemperatureC (thermal runaway) or the losses are not a number.
std::optional<double> SettledTemperature(double ambientC, double thermalResistanceKPerW,
                                         const std::function<double(double)>& lossW);

}  // namespace toroglav
