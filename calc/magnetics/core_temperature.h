#pragma once
// The temperature a transformer's core settles at: T = T_ambient + R_th(T) P(T), where the loss P
// depends on the temperature (the ferrite's loss curve, copper's resistance) and so does the
// thermal resistance R_th to the air (surface_heat_transfer.h: convection and radiation grow with
// the rise).

#include <functional>

namespace toroglav {

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
// core gives off through `thermalResistanceKPerW(T)`, to limits::kSettledToleranceK, below `limitC`
// (the ferrite's Curie temperature): a balance at it or above, or within the tolerance of it, or
// none, is thermal runaway. The temperature settled at is the last one `lossW` was asked for, so a
// caller may keep what it worked out there.
SettledCore SettledTemperature(double ambientC,
                               const std::function<double(double)>& thermalResistanceKPerW,
                               double limitC, const std::function<double(double)>& lossW);

}  // namespace toroglav
